// Writing a file that no one else can have planted: the name is never followed through a
// symbolic link, and a new file is readable by its user only.
#pragma once

#include <string>
#include <string_view>

namespace tarnui {

class PrivateFileWriter {
public:
    // Create: whatever stands under the name (a planted link included) is removed, and a new
    // file is made exclusively. Append: the file is appended to, made when it is missing;
    // a link under the name fails the open.
    enum class Mode { Create, Append };
    PrivateFileWriter(const std::string& path, Mode mode);
    ~PrivateFileWriter();
    PrivateFileWriter(const PrivateFileWriter&) = delete;
    PrivateFileWriter& operator=(const PrivateFileWriter&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // False once any write failed.
    bool Write(std::string_view text);
    // Closes the file; true when it was open and everything was written.
    bool Close();

private:
    int fd_ = -1;
    bool ok_ = true;
};

}  // namespace tarnui
