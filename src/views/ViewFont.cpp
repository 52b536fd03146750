#include "src/views/ViewFont.h"

tarnui::Font MakePointFont(const std::string& face, int tenthsOfPoint) {
    tarnui::Font font;
    font.face = face;
    // 720 tenths of a point make an inch; rounded to the nearest pixel.
    font.height = -((tenthsOfPoint * kScreenDotsPerInch + 360) / 720);
    font.weight = tarnui::kWeightNormal;
    return font;
}
