// Colours in the 0x00BBGGRR form and the table of system colours. The table starts with the
// usual desktop defaults; a backend that renders with a theme may replace entries.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarnui {

using Color = uint32_t;  // 0x00BBGGRR

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr uint8_t RedOf(Color c) {
    return c & 0xFF;
}
constexpr uint8_t GreenOf(Color c) {
    return (c >> 8) & 0xFF;
}
constexpr uint8_t BlueOf(Color c) {
    return (c >> 16) & 0xFF;
}

enum SysColor : int {
    kColorScrollBar = 0,
    kColorDesktop = 1,
    kColorActiveCaption = 2,
    kColorInactiveCaption = 3,
    kColorMenu = 4,
    kColorWindow = 5,
    kColorWindowFrame = 6,
    kColorMenuText = 7,
    kColorWindowText = 8,
    kColorCaptionText = 9,
    kColorActiveBorder = 10,
    kColorInactiveBorder = 11,
    kColorAppWorkspace = 12,
    kColorHighlight = 13,
    kColorHighlightText = 14,
    kColorButtonFace = 15,
    kColorButtonShadow = 16,
    kColorGrayText = 17,
    kColorButtonText = 18,
    kColorInactiveCaptionText = 19,
    kColorButtonHighlight = 20,
    kSysColorCount = 21,
};

// Out-of-range indices give 0 (black) and an empty name.
Color GetSysColor(int index);
void SetSysColor(int index, Color value);
void ResetSysColors();
std::string_view SysColorName(int index);  // "window", "window text", "highlight", ...
int FindSysColor(std::string_view name);   // exact name, -1 if unknown

}  // namespace tarnui
