// Fonts and text metrics. By default text is measured on a fixed cell: every character is as
// wide as the font's average character width, so measurements are the same on every machine.
// A backend that draws with real fonts answers the screen measurements instead
// (Backend::MeasureFont, MeasureText), so that row heights, fitted widths and hit tests match
// what it draws; printers always measure on the fixed cell.
#pragma once

#include <string>
#include <string_view>

#include "platform/windows/Geometry.h"

namespace tarnui {

enum FontWeight : int { kWeightDontCare = 0, kWeightNormal = 400, kWeightBold = 700 };

struct Font {
    std::string face;
    int height = 0;  // cell height in pixels (negative: character height); 0 = default
    int width = 0;   // average character width; 0 = derived from the height
    int weight = kWeightNormal;
    bool italic = false;
    int charSet = 1;  // default character set

    friend bool operator==(const Font&, const Font&) = default;
};

struct TextMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
};

inline constexpr int kDefaultFontHeight = 16;

// The font windows and devices use when none is chosen: "System", 16 pixels, 8 wide.
const Font& DefaultFont();
// Screen measurements: the current backend's, else the fixed cell's.
TextMetrics GetTextMetrics(const Font& font);
Size GetTextExtent(const Font& font, std::string_view text);
// The fixed cell: width = number of characters (UTF-8 code points) x average width;
// height = cell height.
TextMetrics FixedCellMetrics(const Font& font);
Size FixedCellExtent(const Font& font, std::string_view text);
// The number of characters (code points) in a UTF-8 string.
int CharacterCount(std::string_view text);

}  // namespace tarnui
