// Character classes and trimming shared by the section and address list checks.
#pragma once

#include <string>
#include <string_view>

#include "src/data/LinkMapText.h"

namespace checktext {

inline bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

inline bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The same white space as the models trim: space, tab, CR, LF, VT, FF.
inline std::string_view TrimWhiteSpace(std::string_view text) {
    return linkmap::TrimBlanks(text);
}

inline void TrimLeft(std::string& text, char c) {
    const size_t keep = text.find_first_not_of(c);
    text.erase(0, keep == std::string::npos ? text.size() : keep);
}

inline void TrimRight(std::string& text, char c) {
    const size_t last = text.find_last_not_of(c);
    text.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace checktext
