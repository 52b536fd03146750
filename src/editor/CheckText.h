// Character classes and trimming shared by the section and address list checks.
#pragma once

#include <cstdint>
#include <cstring>
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

// Whether the text holds `a` or `b`, looking at eight characters at a time (a byte of a word
// equals c exactly when that byte of word ^ c is zero).
inline bool HoldsEither(std::string_view text, char a, char b) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighs = 0x8080808080808080u;
    const uint64_t wordA = kOnes * static_cast<unsigned char>(a);
    const uint64_t wordB = kOnes * static_cast<unsigned char>(b);
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        const uint64_t x = word ^ wordA;
        const uint64_t y = word ^ wordB;
        if ((((x - kOnes) & ~x) | ((y - kOnes) & ~y)) & kHighs) {
            return true;
        }
    }
    for (; i < text.size(); ++i) {
        if (text[i] == a || text[i] == b) {
            return true;
        }
    }
    return false;
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
