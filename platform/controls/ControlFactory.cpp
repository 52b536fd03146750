#include "platform/controls/ControlFactory.h"

#include <map>

#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Static.h"

namespace tarnui {

namespace {
std::map<ControlKind, ControlMaker>& Makers() {
    static std::map<ControlKind, ControlMaker> makers;
    return makers;
}
}  // namespace

void RegisterControlMaker(ControlKind kind, ControlMaker maker) {
    if (maker) {
        Makers()[kind] = std::move(maker);
    } else {
        Makers().erase(kind);
    }
}

std::unique_ptr<Control> MakeControl(ControlKind kind) {
    if (auto it = Makers().find(kind); it != Makers().end()) {
        if (std::unique_ptr<Control> made = it->second()) {
            return made;
        }
    }
    switch (kind) {
        case ControlKind::Static:
            return std::make_unique<Static>();
        case ControlKind::GroupBox:
            return std::make_unique<GroupBox>();
        case ControlKind::Edit:
            return std::make_unique<Edit>();
        case ControlKind::ComboBox:
            return std::make_unique<ComboBox>();
        case ControlKind::CheckBox:
            return std::make_unique<CheckBox>();
        case ControlKind::ListBox:
            return std::make_unique<ListBox>();
        case ControlKind::CheckListBox:
            return std::make_unique<CheckListBox>();
        case ControlKind::PushButton:
            return std::make_unique<Button>(false);
        case ControlKind::DefPushButton:
            return std::make_unique<Button>(true);
        case ControlKind::ReportList:
        case ControlKind::Tree:
            break;
    }
    return std::make_unique<PlainControl>(kind);
}

}  // namespace tarnui
