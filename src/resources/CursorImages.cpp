// The no-drop cursor shown while a dragged node is over a target that does not accept it: a
// black ring with a diagonal bar, edged in white so that it shows on any background.
#include <cmath>

#include "src/resources/ResourceIds.h"
#include "src/resources/ResourceParts.h"

namespace tarnres {
namespace {

constexpr int kSize = 32;
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kClear = 0x00000000;

uint32_t NoDropPixel(int x, int y) {
    const double centre = (kSize - 1) / 2.0;
    const double dx = x - centre;
    const double dy = y - centre;
    const double radius = std::sqrt(dx * dx + dy * dy);
    // Distance from the bar, which runs from top-left to bottom-right.
    const double fromBar = std::fabs(dx - dy) / std::sqrt(2.0);
    if (radius >= 9.0 && radius <= 12.5) {
        return kBlack;
    }
    if (radius < 9.0 && fromBar <= 1.6) {
        return kBlack;
    }
    if ((radius > 12.5 && radius <= 14.0) || (radius < 9.0 && (radius >= 7.8 || fromBar <= 2.8))) {
        return kWhite;
    }
    return kClear;
}

}  // namespace

void AddCursors(tarnui::ResourceTable& table) {
    tarnui::CursorResource cursor;
    cursor.id = kCursorNoDrop;
    cursor.width = kSize;
    cursor.height = kSize;
    cursor.hotX = kSize / 2;
    cursor.hotY = kSize / 2;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            cursor.pixels.push_back(NoDropPixel(x, y));
        }
    }
    table.cursors.emplace(cursor.id, std::move(cursor));
}

}  // namespace tarnres
