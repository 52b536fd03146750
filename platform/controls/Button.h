// Push buttons and check boxes.
#pragma once

#include "platform/controls/Control.h"

namespace tarnui {

class Button : public Control {
public:
    explicit Button(bool isDefault = false) : default_(isDefault) {}
    ControlKind Kind() const override {
        return default_ ? ControlKind::DefPushButton : ControlKind::PushButton;
    }
    bool IsDefault() const { return default_; }
    void SetDefault(bool on) { default_ = on; }

    // A person presses the button: the parent is told (kNotifyClicked).
    bool Click();

private:
    bool default_;
};

// A two-state check box. A click toggles it (automatic check box) before the parent hears
// of it.
class CheckBox : public Control {
public:
    ControlKind Kind() const override { return ControlKind::CheckBox; }

    int GetCheck() const { return check_; }
    void SetCheck(int state) {
        check_ = state != 0 ? 1 : 0;
        NotifyChanged(kChangeItemsChanged);
    }

    bool Click();

private:
    int check_ = 0;
};

}  // namespace tarnui
