// Popup (context) menus. The backend shows the menu and reports the person's choice.
#pragma once

#include <cstdint>

#include "platform/menus/Menu.h"
#include "platform/windows/Geometry.h"

namespace tarnui {

class Window;

enum PopupFlags : uint32_t {
    kTpmDefault = 0,
    kTpmReturnCommand = 0x0100,   // return the chosen command instead of sending it
    kTpmUpdateCommands = 0x1000,  // ask the owner's command chain for item states first
};

struct PopupMenuRequest {
    const Menu* menu = nullptr;
    Point position;  // screen position of the menu's corner
    Window* owner = nullptr;
};

// Shows `menu` and returns the chosen command, or 0 when the menu was dismissed. A choice
// that is not an enabled command item of the menu counts as dismissal. Without
// kTpmReturnCommand the command is also sent to the owner's command chain.
int TrackPopupMenu(Menu& menu, uint32_t flags, Point position, Window* owner);

}  // namespace tarnui
