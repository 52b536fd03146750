#include "src/views/ColumnHeaderMenu.h"

#include "platform/menus/Menu.h"
#include "platform/menus/PopupMenu.h"

int TrackColumnHeaderMenu(tarnui::Window& owner, const std::vector<ColumnMenuEntry>& entries,
                          tarnui::Point screen) {
    tarnui::Menu menu;
    for (size_t c = 0; c < entries.size(); ++c) {
        menu.AppendItem(entries[c].title, kColumnMenuFirstCommand + static_cast<int>(c),
                        !entries[c].fixed, entries[c].shown);
    }
    const int chosen = tarnui::TrackPopupMenu(menu, tarnui::kTpmReturnCommand, screen, &owner);
    return chosen == 0 ? -1 : chosen - kColumnMenuFirstCommand;
}
