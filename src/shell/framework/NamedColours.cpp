#include "src/shell/framework/NamedColours.h"

#include <array>

namespace {

struct NamedColour {
    std::string_view name;
    tarnui::Color value;  // unused for the two system entries
};

constexpr std::array<NamedColour, kNamedColourCount> kTable{{
    {"WHITE", 0xFFFFFF},     {"BLACK", 0x000000},      {"GREY", 0xA0A0A0},
    {"BLUE", 0xFF0000},      {"RED", 0x0000FF},        {"GREEN", 0x00FF00},
    {"YELLOW", 0x00FFFF},    {"PURPLE", 0xFF00FF},     {"CYAN", 0xFFFF00},
    {"DARKGREY", 0x808080},  {"DARKBLUE", 0x800000},   {"DARKRED", 0x000080},
    {"DARKGREEN", 0x008000}, {"DARKYELLOW", 0x008080}, {"DARKPURPLE", 0x800080},
    {"DARKCYAN", 0x808000},  {"LIGHTGREY", 0xDFE1E5},  {"SYSTEM", 0},
    {"HIGHLIGHT", 0},        {"MEDGREY", 0xB3B3B3},
}};

bool InTable(int index) {
    return index >= 0 && index < kNamedColourCount;
}

tarnui::Color Resolve(int index, int systemColour, int highlightColour) {
    if (index == kNamedColourSystem) {
        return tarnui::GetSysColor(systemColour);
    }
    if (index == kNamedColourHighlight) {
        return tarnui::GetSysColor(highlightColour);
    }
    return kTable[static_cast<size_t>(InTable(index) ? index : kNamedColourWhite)].value;
}

}  // namespace

int FindNamedColour(std::string_view name) {
    for (int i = 0; i < kNamedColourCount; ++i) {
        if (kTable[static_cast<size_t>(i)].name == name) {
            return i;
        }
    }
    return -1;
}

std::string_view NamedColourName(int index) {
    return InTable(index) ? kTable[static_cast<size_t>(index)].name : std::string_view{};
}

tarnui::Color ResolveForegroundColour(int index) {
    return Resolve(index, tarnui::kColorWindowText, tarnui::kColorHighlightText);
}

tarnui::Color ResolveBackgroundColour(int index) {
    return Resolve(index, tarnui::kColorWindow, tarnui::kColorHighlight);
}
