// The popup menu of a column header: one entry per column, in column order, labelled with the
// column's heading and checked while the column is shown. Choosing an entry asks to hide or
// show that column.
#pragma once

#include <string>
#include <vector>

#include "platform/windows/Geometry.h"

namespace tarnui {
class Window;
}

struct ColumnMenuEntry {
    std::string title;
    bool shown = true;
    bool fixed = false;  // cannot be hidden: the entry is disabled
};

// The command of the entry for column c is kColumnMenuFirstCommand + c.
inline constexpr int kColumnMenuFirstCommand = 1;

// Shows the menu at a screen point; returns the chosen column, -1 when dismissed.
int TrackColumnHeaderMenu(tarnui::Window& owner, const std::vector<ColumnMenuEntry>& entries,
                          tarnui::Point screen);
