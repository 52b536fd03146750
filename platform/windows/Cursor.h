// The mouse cursor: the standard arrow, or a cursor resource (image and hot spot) of the
// resource context that was current when it was loaded. One cursor is shown at a time; the
// backend is told whenever it changes and shows it over the windows.
#pragma once

namespace tarnui {

struct CursorResource;

struct Cursor {
    int id = 0;                             // the resource number; 0 the arrow
    const CursorResource* image = nullptr;  // null for the arrow

    bool IsArrow() const { return image == nullptr; }
    friend bool operator==(const Cursor&, const Cursor&) = default;
};

// The cursor resource of that number in the current resource context; the arrow when the
// context holds none.
Cursor LoadCursorResource(int id);
// Shows the cursor and returns the one shown before (to put back later).
Cursor SetCursor(const Cursor& cursor);
Cursor GetCursor();

}  // namespace tarnui
