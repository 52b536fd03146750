#include "platform/system/PrivateFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tarnui {

PrivateFileWriter::PrivateFileWriter(const std::string& path, Mode mode) {
    if (path.empty()) {
        return;
    }
    int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC;
    if (mode == Mode::Create) {
        ::unlink(path.c_str());
        flags |= O_EXCL;
    } else {
        flags |= O_APPEND;
    }
    fd_ = ::open(path.c_str(), flags, 0600);
}

PrivateFileWriter::~PrivateFileWriter() {
    Close();
}

bool PrivateFileWriter::Write(std::string_view text) {
    while (ok_ && fd_ >= 0 && !text.empty()) {
        const ssize_t n = ::write(fd_, text.data(), text.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok_ = n > 0;
        if (ok_) {
            text.remove_prefix(static_cast<size_t>(n));
        }
    }
    return ok_ && fd_ >= 0;
}

bool PrivateFileWriter::Close() {
    if (fd_ < 0) {
        return false;
    }
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return ok_ && closed;
}

}  // namespace tarnui
