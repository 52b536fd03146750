// Placeholder values that come from this machine rather than from the host: parts of a file
// name, the date and time, the user's name and the operating system's directories.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace placeholder {

// The operating system's own directory and its directory of system libraries. This platform
// keeps its own files under the root and its shared system libraries in /usr/lib.
inline constexpr std::string_view kSystemDirectory = "/";
inline constexpr std::string_view kSystemLibraryDirectory = "/usr/lib";

// The longest user name taken, in bytes.
inline constexpr size_t kMaxUserNameBytes = 200;

// Parts of a file name; "/" and "\" both separate directories, so that paths written on
// either kind of system split alike. FileDir + FileName gives the full name back, and so does
// FileLeaf + Extension for the name.
struct FileNameParts {
    std::string fullFile;   // the name as given
    std::string fileName;   // the last component
    std::string fileLeaf;   // the last component without its extension
    std::string fileDir;    // everything up to and including the last separator
    std::string extension;  // from the last "." of the last component on ("" for ".profile")
};
FileNameParts SplitFileName(std::string_view path);

// The moment written in local time with a strftime format; empty when it cannot be written.
std::string FormatLocalTime(std::time_t moment, const char* format);

// The name cut to kMaxUserNameBytes, never inside a UTF-8 sequence.
std::string BoundUserName(std::string_view name);

}  // namespace placeholder
