#include "src/util/PlaceholderLocalValues.h"

#include <array>

namespace placeholder {

FileNameParts SplitFileName(std::string_view path) {
    FileNameParts parts;
    parts.fullFile = path;
    const size_t separator = path.find_last_of("/\\");
    const size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    parts.fileDir = path.substr(0, nameStart);
    const std::string_view name = path.substr(nameStart);
    parts.fileName = name;
    const size_t dot = name.rfind('.');
    const size_t leafEnd = (dot == std::string_view::npos || dot == 0) ? name.size() : dot;
    parts.fileLeaf = name.substr(0, leafEnd);
    parts.extension = name.substr(leafEnd);
    return parts;
}

std::string FormatLocalTime(std::time_t moment, const char* format) {
    // Single-threaded component: the shared result of localtime is copied at once.
    const std::tm* local = std::localtime(&moment);
    if (local == nullptr) {
        return {};
    }
    const std::tm copy = *local;
    std::array<char, 128> buffer{};
    const size_t written = std::strftime(buffer.data(), buffer.size(), format, &copy);
    return std::string(buffer.data(), written);
}

std::string BoundUserName(std::string_view name) {
    if (name.size() <= kMaxUserNameBytes) {
        return std::string(name);
    }
    size_t end = kMaxUserNameBytes;
    // Back off over continuation bytes so that a character is kept whole or dropped whole.
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
        --end;
    }
    return std::string(name.substr(0, end));
}

}  // namespace placeholder
