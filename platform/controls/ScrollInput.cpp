#include "platform/controls/ScrollInput.h"

#include <algorithm>

namespace tarnui {

int ScrollTarget(const ScrollInfo& info, int line, ScrollAction action, int thumb) {
    int pos = info.pos;
    const int page = std::max(1, info.page);
    switch (action) {
        case ScrollAction::LineUp:
            pos -= line;
            break;
        case ScrollAction::LineDown:
            pos += line;
            break;
        case ScrollAction::PageUp:
            pos -= page;
            break;
        case ScrollAction::PageDown:
            pos += page;
            break;
        case ScrollAction::Top:
            pos = 0;
            break;
        case ScrollAction::Bottom:
            pos = info.max;
            break;
        case ScrollAction::ThumbTrack:
            pos = thumb;
            break;
    }
    return std::clamp(pos, 0, std::max(0, info.max));
}

int WheelRows(int wheelDelta) {
    // A wheel turned away from the person (positive delta) scrolls up.
    return -wheelDelta * kWheelLines / kWheelDelta;
}

}  // namespace tarnui
