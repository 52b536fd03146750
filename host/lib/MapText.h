// Small text helpers shared by the toolchain map parsers: lines, blank-separated words and
// hexadecimal numbers, all over views of the map text held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnhost::maptext {

// Calls onLine for every line of text (without its "\n" or "\r\n"); stops when it returns false.
template <class OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!onLine(line)) {
            return;
        }
        pos = end + 1;
    }
}

inline bool IsBlank(char c) {
    // Blanks are all at or below the space: one comparison rules out the rest.
    return static_cast<unsigned char>(c) <= ' ' &&
           (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f');
}

std::string_view Trim(std::string_view text);

// Cuts the next blank-separated word off the front of text; empty when none is left.
std::string_view NextWord(std::string_view& text);

// A hexadecimal number with or without "0x"; nothing when the word is not one (or too long).
std::optional<uint64_t> ParseHex(std::string_view word);

// The number of blanks at the start of a line (a tab counts as one).
size_t Indent(std::string_view line);

}  // namespace tarnhost::maptext
