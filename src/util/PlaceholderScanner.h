// Finds "$(" name ")" placeholders in a text.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace placeholder {

// Byte offsets of one placeholder in its text.
struct Span {
    size_t begin = 0;      // the "$"
    size_t nameBegin = 0;  // after "$("
    size_t nameEnd = 0;    // the ")"
    size_t end = 0;        // after ")"

    std::string_view Name(std::string_view text) const {
        return text.substr(nameBegin, nameEnd - nameBegin);
    }
};

// The first placeholder at or after offset. A "$(" right after another "$" is passed over and
// stays as it is, except at the offset itself: what lies before the offset has been dealt with
// already and cannot escape what follows. None when the text is shorter than 4 bytes, when
// fewer than 4 bytes remain from the "$", or when no ")" follows the "$(".
std::optional<Span> FindNext(std::string_view text, size_t offset);

}  // namespace placeholder
