// The base of every control: a child window with a kind, an identifier and the style bits
// of its template. Report list and tree controls derive from it as well.
//
// Two kinds of operations exist on every control: programmatic ones (SetWindowText,
// SetCurSel, ...) that code uses, and user-input ones (Click, TypeText, ChooseItem, ...)
// that stand for what a person does. User input is refused (false) when the control is
// hidden or disabled, and it sends the notifications a person's action causes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/resources/ResourceTable.h"
#include "platform/windows/Window.h"

namespace tarnui {

class Control : public Window {
public:
    virtual ControlKind Kind() const = 0;

    // Creates the control as a child of `parent`; the window style follows the template
    // style bits (hidden, disabled, tab stop).
    bool CreateControl(Window* parent, const Rect& rect, int id, uint32_t controlStyle,
                       std::string text = {});

    uint32_t ControlStyleBits() const { return controlStyle_; }
    bool HasControlStyle(uint32_t bit) const { return (controlStyle_ & bit) != 0; }
    void SetControlStyleBits(uint32_t bits) { controlStyle_ = bits; }

    // Whether a person can act on the control now: created, visible and enabled along the
    // whole parent chain.
    bool AcceptsInput() const;
    // Whether Tab stops at the control.
    virtual bool IsTabStop() const { return (GetStyle() & kWsTabStop) != 0; }

protected:
    void Beep();

private:
    uint32_t controlStyle_ = kStyleNone;
};

}  // namespace tarnui
