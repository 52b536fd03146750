#include "host/lib/MapText.h"

#include <array>

namespace tarnhost::maptext {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view NextWord(std::string_view& text) {
    size_t start = 0;
    // Maps pad their columns with runs of spaces.
    while (start + 4 <= text.size() && text[start] == ' ' && text[start + 1] == ' ' &&
           text[start + 2] == ' ' && text[start + 3] == ' ') {
        start += 4;
    }
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    size_t end = start;
    while (end < text.size() && !IsBlank(text[end])) {
        ++end;
    }
    const std::string_view word = text.substr(start, end - start);
    text.remove_prefix(end);
    return word;
}

namespace {

// The value of each hexadecimal digit; 0xFF for every other character.
constexpr auto kHexValues = [] {
    std::array<uint8_t, 256> values{};
    values.fill(0xFF);
    for (int c = 0; c < 10; ++c) {
        values['0' + c] = static_cast<uint8_t>(c);
    }
    for (int c = 0; c < 6; ++c) {
        values['a' + c] = values['A' + c] = static_cast<uint8_t>(10 + c);
    }
    return values;
}();

}  // namespace

std::optional<uint64_t> ParseHex(std::string_view word) {
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        word.remove_prefix(2);
    }
    if (word.empty() || word.size() > 16) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : word) {
        const uint8_t digit = kHexValues[static_cast<unsigned char>(c)];
        if (digit == 0xFF) {
            return std::nullopt;
        }
        value = value << 4 | digit;
    }
    return value;
}

size_t Indent(std::string_view line) {
    size_t n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t')) {
        ++n;
    }
    return n;
}

}  // namespace tarnhost::maptext
