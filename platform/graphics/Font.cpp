#include "platform/graphics/Font.h"

#include <cstdlib>

#include "platform/backend/Backend.h"

namespace tarnui {

const Font& DefaultFont() {
    static const Font font{"System", kDefaultFontHeight, 8, kWeightNormal, false, 1};
    return font;
}

TextMetrics FixedCellMetrics(const Font& font) {
    TextMetrics tm;
    const int height = font.height == 0 ? kDefaultFontHeight : std::abs(font.height);
    tm.height = height;
    tm.descent = height / 5;
    tm.ascent = height - tm.descent;
    tm.externalLeading = 0;
    tm.averageCharWidth = font.width > 0 ? font.width : (height + 1) / 2;
    if (tm.averageCharWidth <= 0) {
        tm.averageCharWidth = 1;
    }
    tm.maxCharWidth = font.weight >= kWeightBold ? tm.averageCharWidth + 1 : tm.averageCharWidth;
    return tm;
}

int CharacterCount(std::string_view text) {
    int count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {  // not a continuation byte
            ++count;
        }
    }
    return count;
}

Size FixedCellExtent(const Font& font, std::string_view text) {
    const TextMetrics tm = FixedCellMetrics(font);
    return {CharacterCount(text) * tm.averageCharWidth, tm.height};
}

TextMetrics GetTextMetrics(const Font& font) {
    TextMetrics tm;
    return CurrentBackend().MeasureFont(font, tm) ? tm : FixedCellMetrics(font);
}

Size GetTextExtent(const Font& font, std::string_view text) {
    int width = 0;
    if (CurrentBackend().MeasureText(font, text, width)) {
        return {width, GetTextMetrics(font).height};
    }
    return FixedCellExtent(font, text);
}

}  // namespace tarnui
