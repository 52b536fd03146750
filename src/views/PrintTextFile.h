// The temporary text files of printing. Lines end with carriage return and line feed, the
// line end of the print files on every platform; reading takes either CR LF or a lone LF as
// a line end, so files written elsewhere read back the same.
#pragma once

#include <string>
#include <vector>

#include "platform/system/PrivateFile.h"

inline constexpr const char* kPrintLineEnd = "\r\n";

class PrintTextFile {
public:
    enum class Mode { Create, Append };
    // Creates the file afresh, or opens it for appending; IsOpen tells whether it worked.
    // Neither follows a link planted under the name.
    PrintTextFile(const std::string& path, Mode mode);
    bool IsOpen() const { return file_.IsOpen(); }
    void Write(const std::string& text);
    void WriteLine(const std::string& text);
    void EndLine() { Write(kPrintLineEnd); }
    // Returns whether everything was written.
    bool Close();

private:
    tarnui::PrivateFileWriter file_;
    std::string pending_;  // written in blocks, not line by line
};

// The lines of a file without their line ends; false when it cannot be read.
bool ReadPrintTextLines(const std::string& path, std::vector<std::string>& lines);
// The path of a temporary print file in the process's private temporary directory; empty when
// there is none.
std::string TempPrintFilePath(const std::string& name);
// Removes the file when it exists.
void RemovePrintFile(const std::string& path);
