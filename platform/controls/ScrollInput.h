// What a person does with a scroll bar or the mouse wheel, shared by the list and tree
// controls: the action, the bar, and the position it leads to.
#pragma once

namespace tarnui {

enum class ScrollBarKind { Vertical, Horizontal };
enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, Top, Bottom, ThumbTrack };

// One notch of the wheel, in wheel units; a notch scrolls kWheelLines rows.
inline constexpr int kWheelDelta = 120;
inline constexpr int kWheelLines = 3;

// A scroll bar as a backend draws it: the position runs from 0 to max, page is what shows.
struct ScrollInfo {
    int pos = 0;
    int max = 0;
    int page = 0;
};

// The position an action leads to from `pos` (ThumbTrack goes to `thumb`), kept in 0..max.
int ScrollTarget(const ScrollInfo& info, int line, ScrollAction action, int thumb);
// The rows a wheel turn scrolls: positive down (a turn towards the person).
int WheelRows(int wheelDelta);

}  // namespace tarnui
