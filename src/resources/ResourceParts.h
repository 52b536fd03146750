// The pieces from which the resource library assembles its table, one file each.
#pragma once

#include "platform/resources/ResourceTable.h"

namespace tarnres {

void AddStrings(tarnui::ResourceTable& table);
void AddDialogs(tarnui::ResourceTable& table);
void AddMenus(tarnui::ResourceTable& table);
void AddToolbars(tarnui::ResourceTable& table);
void AddAccelerators(tarnui::ResourceTable& table);
void AddBitmaps(tarnui::ResourceTable& table);
// Button images for every toolbar already in the table, one strip per toolbar.
void AddToolbarBitmaps(tarnui::ResourceTable& table);
void AddCursors(tarnui::ResourceTable& table);

}  // namespace tarnres
