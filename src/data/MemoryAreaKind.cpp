#include "src/data/MemoryAreaKind.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Looked at in this order; the first match wins.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kKindWords{{
    {"ROM", kAreaKindOnChipRom},
    {"XROM", kAreaKindOnChipRom},
    {"MPX", kAreaKindOnChipRom},
    {"YROM", kAreaKindOnChipRom},
    {"INTROM", kAreaKindOnChipRom},
    {"RAM", kAreaKindOnChipRam},
    {"XRAM", kAreaKindOnChipRam},
    {"YRAM", kAreaKindOnChipRam},
    {"INTRAM", kAreaKindOnChipRam},
    {"I/O", "I/O"},
    {"RESERVE", "Reserve"},
}};

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiUpper(x) == AsciiUpper(y);
           });
}

}  // namespace

std::string AreaKindName(std::string_view word) {
    for (const auto& [kindWord, name] : kKindWords) {
        if (EqualIgnoringCase(word, kindWord)) {
            return std::string(name);
        }
    }
    return std::string(kAreaKindExternal);
}
