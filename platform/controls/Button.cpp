#include "platform/controls/Button.h"

#include "platform/commands/Notification.h"

namespace tarnui {

bool Button::Click() {
    if (!AcceptsInput()) {
        return false;
    }
    SetFocus();
    NotifyParent(kNotifyClicked);
    return true;
}

bool CheckBox::Click() {
    if (!AcceptsInput()) {
        return false;
    }
    SetFocus();
    check_ = check_ != 0 ? 0 : 1;
    NotifyChanged(kChangeItemsChanged);
    NotifyParent(kNotifyClicked, check_);
    return true;
}

}  // namespace tarnui
