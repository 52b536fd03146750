// The named colour table: a colour setting is an index into it. Two entries stand for system
// colours, resolved when asked, so that a theme change reaches every view.
#pragma once

#include <string_view>

#include "platform/graphics/Color.h"

inline constexpr int kNamedColourCount = 20;
inline constexpr int kNamedColourWhite = 0;
inline constexpr int kNamedColourSystem = 17;     // window text (foreground), window (background)
inline constexpr int kNamedColourHighlight = 18;  // highlight text / highlight

// The index of a name (exact, case-sensitive), or -1.
int FindNamedColour(std::string_view name);
// The name of an index; "" outside the table.
std::string_view NamedColourName(int index);
// The colour of an index used for text or for the background. Indices outside the table give
// the colour of entry 0.
tarnui::Color ResolveForegroundColour(int index);
tarnui::Color ResolveBackgroundColour(int index);
