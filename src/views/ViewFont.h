// The font a view shows its items in: a face at a size in tenths of a point, on the screen's
// 96 dots per inch.
#pragma once

#include <string>

#include "platform/graphics/Font.h"

inline constexpr int kScreenDotsPerInch = 96;

// The character height is the size in pixels (a negative cell height, as fonts ask for it).
tarnui::Font MakePointFont(const std::string& face, int tenthsOfPoint);
