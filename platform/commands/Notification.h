// A notification from a child control to its parent: which control, what happened and
// an optional payload (an item index, a column, or a pointer to a control-specific record).
#pragma once

#include <cstdint>

namespace tarnui {

class Window;

struct Notification {
    Window* from = nullptr;
    int controlId = 0;
    int code = 0;
    intptr_t payload = 0;
    const void* data = nullptr;
};

// Codes every control family uses; controls of their own kinds start at kNotifyControlBase.
enum NotificationCode : int {
    kNotifyClicked = 0,        // button, check box: pressed
    kNotifyDoubleClicked = 1,  // list box, report list: payload = item
    kNotifySelChange = 2,      // combo box, list box: payload = new current index
    kNotifyEditChange = 3,     // edit, editable combo box: text changed
    kNotifyCheckChange = 4,    // check list box: payload = item whose check changed
    kNotifySetFocus = 5,
    kNotifyKillFocus = 6,
    kNotifyMaxText = 7,     // edit: a keystroke was refused by the text limit
    kNotifyRightClick = 8,  // payload = item or -1
    kNotifyControlBase = 100,
};

}  // namespace tarnui
