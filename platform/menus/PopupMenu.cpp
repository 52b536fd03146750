#include "platform/menus/PopupMenu.h"

#include "platform/backend/Backend.h"
#include "platform/windows/Window.h"

namespace tarnui {

int TrackPopupMenu(Menu& menu, uint32_t flags, Point position, Window* owner) {
    if (menu.Count() == 0) {
        return 0;
    }
    if ((flags & kTpmUpdateCommands) != 0 && owner != nullptr) {
        menu.UpdateFrom(*owner);
    }
    const int chosen = CurrentBackend().TrackPopupMenu({&menu, position, owner});
    const Menu::Item* item = chosen != 0 ? menu.FindCommand(chosen) : nullptr;
    if (item == nullptr || !item->enabled) {
        return 0;
    }
    if ((flags & kTpmReturnCommand) == 0 && owner != nullptr) {
        owner->ExecuteCommand(chosen);
    }
    return chosen;
}

}  // namespace tarnui
