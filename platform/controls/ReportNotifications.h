// Notification codes of the report list and tree controls, and the records some of them
// carry in Notification::data.
#pragma once

#include <cstdint>

#include "platform/commands/Notification.h"
#include "platform/windows/Geometry.h"

namespace tarnui {

enum ReportNotificationCode : int {
    // Report list: payload = column whose header was clicked.
    kNotifyColumnClick = kNotifyControlBase + 0,
    // List and tree: payload = column under the click, data = const Point* (screen).
    kNotifyHeaderRightClick = kNotifyControlBase + 1,
    // List: payload = item, data = const ListItemChange*.
    kNotifyItemChanged = kNotifyControlBase + 2,
    // List: payload = item; tree: payload = TreeItem. A drag starts on that item.
    kNotifyBeginDrag = kNotifyControlBase + 3,
    // Tree: payload = new selection, data = const TreeSelectionChange*.
    kNotifyTreeSelChanged = kNotifyControlBase + 10,
    // Tree: payload = item whose expansion changed, data = const TreeExpansionChange*.
    kNotifyTreeItemExpanded = kNotifyControlBase + 11,
    // Tree, while dragging: payload = item under the point or 0, data = const Point*
    // (client coordinates).
    kNotifyDragOver = kNotifyControlBase + 12,
    kNotifyDrop = kNotifyControlBase + 13,
    kNotifyDragCancel = kNotifyControlBase + 14,
};

// Tree double and right clicks use kNotifyDoubleClicked and kNotifyRightClick with the item
// as payload and data = const Point* (client coordinates of the click).

struct ListItemChange {
    int item = -1;
    uint32_t oldState = 0;
    uint32_t newState = 0;
};

}  // namespace tarnui
