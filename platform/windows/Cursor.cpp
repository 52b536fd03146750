#include "platform/windows/Cursor.h"

#include "platform/backend/Backend.h"
#include "platform/resources/ResourceContext.h"

namespace tarnui {
namespace {

Cursor& Shown() {
    static Cursor shown;
    return shown;
}

}  // namespace

Cursor LoadCursorResource(int id) {
    const CursorResource* image = FindCursorResource(id);
    return image != nullptr ? Cursor{id, image} : Cursor{};
}

Cursor SetCursor(const Cursor& cursor) {
    const Cursor previous = Shown();
    if (cursor != previous) {
        Shown() = cursor;
        CurrentBackend().CursorChanged(cursor);
    }
    return previous;
}

Cursor GetCursor() {
    return Shown();
}

}  // namespace tarnui
