// Labels and group boxes: text only, never focused.
#pragma once

#include "platform/controls/Control.h"

namespace tarnui {

class Static : public Control {
public:
    ControlKind Kind() const override { return ControlKind::Static; }

protected:
    bool CanTakeFocus() const override { return false; }
};

class GroupBox : public Control {
public:
    ControlKind Kind() const override { return ControlKind::GroupBox; }

protected:
    bool CanTakeFocus() const override { return false; }
};

}  // namespace tarnui
