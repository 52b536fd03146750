#include "platform/graphics/Color.h"

#include <array>

namespace tarnui {

namespace {

struct Entry {
    std::string_view name;
    Color defaultValue;
};

constexpr std::array<Entry, kSysColorCount> kTable = {{
    {"scroll bar", Rgb(0xC8, 0xC8, 0xC8)},
    {"desktop", Rgb(0x00, 0x00, 0x00)},
    {"active caption", Rgb(0x99, 0xB4, 0xD1)},
    {"inactive caption", Rgb(0xBF, 0xCD, 0xDB)},
    {"menu", Rgb(0xF0, 0xF0, 0xF0)},
    {"window", Rgb(0xFF, 0xFF, 0xFF)},
    {"window frame", Rgb(0x64, 0x64, 0x64)},
    {"menu text", Rgb(0x00, 0x00, 0x00)},
    {"window text", Rgb(0x00, 0x00, 0x00)},
    {"caption text", Rgb(0x00, 0x00, 0x00)},
    {"active border", Rgb(0xB4, 0xB4, 0xB4)},
    {"inactive border", Rgb(0xF4, 0xF7, 0xFC)},
    {"app workspace", Rgb(0xAB, 0xAB, 0xAB)},
    {"highlight", Rgb(0x00, 0x78, 0xD7)},
    {"highlight text", Rgb(0xFF, 0xFF, 0xFF)},
    {"button face", Rgb(0xF0, 0xF0, 0xF0)},
    {"button shadow", Rgb(0xA0, 0xA0, 0xA0)},
    {"gray text", Rgb(0x6D, 0x6D, 0x6D)},
    {"button text", Rgb(0x00, 0x00, 0x00)},
    {"inactive caption text", Rgb(0x00, 0x00, 0x00)},
    {"button highlight", Rgb(0xFF, 0xFF, 0xFF)},
}};

std::array<Color, kSysColorCount>& Current() {
    static std::array<Color, kSysColorCount> values = [] {
        std::array<Color, kSysColorCount> v{};
        for (int i = 0; i < kSysColorCount; ++i) {
            v[i] = kTable[i].defaultValue;
        }
        return v;
    }();
    return values;
}

bool InRange(int index) {
    return index >= 0 && index < kSysColorCount;
}

}  // namespace

Color GetSysColor(int index) {
    return InRange(index) ? Current()[index] : 0;
}

void SetSysColor(int index, Color value) {
    if (InRange(index)) {
        Current()[index] = value & 0x00FFFFFF;
    }
}

void ResetSysColors() {
    for (int i = 0; i < kSysColorCount; ++i) {
        Current()[i] = kTable[i].defaultValue;
    }
}

std::string_view SysColorName(int index) {
    return InRange(index) ? kTable[index].name : "";
}

int FindSysColor(std::string_view name) {
    for (int i = 0; i < kSysColorCount; ++i) {
        if (kTable[i].name == name) {
            return i;
        }
    }
    return -1;
}

}  // namespace tarnui
