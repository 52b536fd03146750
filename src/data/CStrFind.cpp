#include "src/data/CStrFind.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <string_view>

#include "src/data/WildcardMatch.h"

namespace {

constexpr size_t kLastStart = static_cast<size_t>(std::numeric_limits<int32_t>::max());

unsigned char Upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// First start at which every byte of the pattern matches; npos when there is none.
size_t FindPlain(std::string_view text, std::string_view pattern, bool ignoreCase) {
    if (!ignoreCase) {
        return text.find(pattern);
    }
    if (pattern.size() > text.size()) {
        return std::string_view::npos;
    }
    const unsigned char first = Upper(static_cast<unsigned char>(pattern[0]));
    for (size_t start = 0; start + pattern.size() <= text.size(); ++start) {
        if (Upper(static_cast<unsigned char>(text[start])) != first) {
            continue;
        }
        size_t i = 1;
        while (i < pattern.size() && Upper(static_cast<unsigned char>(text[start + i])) ==
                                         Upper(static_cast<unsigned char>(pattern[i]))) {
            ++i;
        }
        if (i == pattern.size()) {
            return start;
        }
    }
    return std::string_view::npos;
}

}  // namespace

int CStrFind::Find(const char* text, const char* pattern, uint32_t flags, int32_t* position,
                   uint32_t* length) {
    if (position != nullptr) {
        *position = -1;
    }
    if (length != nullptr) {
        *length = 0;
    }
    if (text == nullptr || pattern == nullptr || *pattern == 0) {
        return 0;
    }
    const bool ignoreCase = (flags & kIgnoreCase) != 0;
    const std::string_view textView(text);

    size_t foundAt = std::string_view::npos;
    size_t foundLength = 0;
    if ((flags & kWildcard) == 0) {
        if (textView.empty()) {
            return 0;
        }
        const std::string_view patternView(pattern);
        foundAt = FindPlain(textView, patternView, ignoreCase);
        foundLength = patternView.size();
    } else {
        // Every start up to and including the terminating zero is tried.
        for (size_t start = 0; start <= textView.size();) {
            const strfind::AnchoredMatch match =
                strfind::MatchAt(text + start, pattern, ignoreCase);
            if (match.matched) {
                foundAt = start;
                foundLength = match.length;
                break;
            }
            if (match.laterStartsFail) {
                break;
            }
            start += match.advance;
        }
    }
    // Positions are reported as signed 32-bit offsets; a match further on cannot be reported.
    if (foundAt == std::string_view::npos || foundAt > kLastStart) {
        return 0;
    }
    if (position != nullptr) {
        *position = static_cast<int32_t>(foundAt);
    }
    if (length != nullptr) {
        *length = static_cast<uint32_t>(foundLength);
    }
    return 1;
}
