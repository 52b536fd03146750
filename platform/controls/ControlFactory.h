// Makes the control object for a template kind. Report list and tree controls live in
// their own files and register their makers here; until one is registered such a template
// entry gets a plain control window of that kind (it has its place, text and identifier
// but no item behaviour).
#pragma once

#include <functional>
#include <memory>

#include "platform/controls/Control.h"

namespace tarnui {

using ControlMaker = std::function<std::unique_ptr<Control>()>;

std::unique_ptr<Control> MakeControl(ControlKind kind);
// Replaces the maker of a kind; an empty maker restores the built-in one.
void RegisterControlMaker(ControlKind kind, ControlMaker maker);

// A control of a kind that has no class of its own yet.
class PlainControl : public Control {
public:
    explicit PlainControl(ControlKind kind) : kind_(kind) {}
    ControlKind Kind() const override { return kind_; }

private:
    ControlKind kind_;
};

}  // namespace tarnui
