#include "platform/graphics/Font.h"

#include <cstdlib>

namespace tarnui {

const Font& DefaultFont() {
    static const Font font{"System", kDefaultFontHeight, 8, kWeightNormal, false, 1};
    return font;
}

TextMetrics GetTextMetrics(const Font& font) {
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

Size GetTextExtent(const Font& font, std::string_view text) {
    const TextMetrics tm = GetTextMetrics(font);
    return {CharacterCount(text) * tm.averageCharWidth, tm.height};
}

}  // namespace tarnui
