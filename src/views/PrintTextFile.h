// The temporary text files of printing. Lines end with carriage return and line feed, the
// line end of the print files on every platform; reading takes either CR LF or a lone LF as
// a line end, so files written elsewhere read back the same.
#pragma once

#include <fstream>
#include <string>
#include <vector>

inline constexpr const char* kPrintLineEnd = "\r\n";

class PrintTextFile {
public:
    enum class Mode { Create, Append };
    // Creates or empties the file, or opens it for appending; IsOpen tells whether it worked.
    PrintTextFile(const std::string& path, Mode mode);
    bool IsOpen() const { return out_.is_open() && out_.good(); }
    void Write(const std::string& text) { out_ << text; }
    void WriteLine(const std::string& text) { out_ << text << kPrintLineEnd; }
    void EndLine() { out_ << kPrintLineEnd; }
    // Returns whether everything was written.
    bool Close();

private:
    std::ofstream out_;
};

// The lines of a file without their line ends; false when it cannot be read.
bool ReadPrintTextLines(const std::string& path, std::vector<std::string>& lines);
// The path of a temporary print file in the system's temporary directory.
std::string TempPrintFilePath(const std::string& name);
// Removes the file when it exists.
void RemovePrintFile(const std::string& path);
