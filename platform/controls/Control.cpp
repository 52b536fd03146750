#include "platform/controls/Control.h"

#include "platform/backend/Backend.h"

namespace tarnui {

bool Control::CreateControl(Window* parent, const Rect& rect, int id, uint32_t controlStyle,
                            std::string text) {
    controlStyle_ = controlStyle;
    uint32_t style = kWsChild;
    if ((controlStyle & kStyleHidden) == 0) {
        style |= kWsVisible;
    }
    if ((controlStyle & kStyleDisabled) != 0) {
        style |= kWsDisabled;
    }
    if ((controlStyle & kStyleTabStop) != 0) {
        style |= kWsTabStop;
    }
    return Create(parent, rect, id, style, std::move(text));
}

bool Control::AcceptsInput() const {
    if (!IsWindowVisible()) {
        return false;
    }
    for (const Window* w = this; w != nullptr; w = w->GetParent()) {
        if (!w->IsWindowEnabled()) {
            return false;
        }
    }
    return true;
}

void Control::Beep() {
    CurrentBackend().Beep();
}

}  // namespace tarnui
