#include "platform/backend/HeadlessScript.h"

#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/ListBox.h"
#include "platform/dialogs/Dialog.h"
#include "platform/windows/Keys.h"

namespace tarnui {

namespace {

template <typename T>
T* ControlOf(tarnui::Dialog& d, int id) {
    return d.GetControlAs<T>(id);
}

std::string Quote(const std::string& s) {
    return "\"" + s + "\"";
}

}  // namespace

DialogScript& DialogScript::Add(std::string description, std::function<bool(tarnui::Dialog&)> run) {
    steps_.push_back({std::move(description), std::move(run)});
    return *this;
}

DialogScript& DialogScript::SetText(int id, std::string text) {
    const std::string what = "SetText(" + std::to_string(id) + ", " + Quote(text) + ")";
    return Add(what, [id, text](tarnui::Dialog& d) {
        if (auto* e = ControlOf<Edit>(d, id)) {
            return e->EnterText(text);
        }
        if (auto* c = ControlOf<ComboBox>(d, id)) {
            return c->EnterText(text);
        }
        return false;
    });
}

DialogScript& DialogScript::Type(int id, std::string text) {
    const std::string what = "Type(" + std::to_string(id) + ", " + Quote(text) + ")";
    return Add(what, [id, text](tarnui::Dialog& d) {
        if (auto* e = ControlOf<Edit>(d, id)) {
            return e->TypeText(text);
        }
        if (auto* c = ControlOf<ComboBox>(d, id)) {
            return c->TypeText(text);
        }
        return false;
    });
}

DialogScript& DialogScript::Check(int id, bool on) {
    const std::string what = "Check(" + std::to_string(id) + ", " + (on ? "on" : "off") + ")";
    return Add(what, [id, on](tarnui::Dialog& d) {
        auto* c = ControlOf<CheckBox>(d, id);
        if (c == nullptr || !c->AcceptsInput()) {
            return false;
        }
        return (c->GetCheck() != 0) == on || c->Click();
    });
}

DialogScript& DialogScript::Choose(int id, int index) {
    const std::string what = "Choose(" + std::to_string(id) + ", " + std::to_string(index) + ")";
    return Add(what, [id, index](tarnui::Dialog& d) {
        if (auto* c = ControlOf<ComboBox>(d, id)) {
            return c->ChooseItem(index);
        }
        if (auto* l = ControlOf<ListBox>(d, id)) {
            return l->ClickItem(index);
        }
        return false;
    });
}

DialogScript& DialogScript::ChooseText(int id, std::string text) {
    const std::string what = "ChooseText(" + std::to_string(id) + ", " + Quote(text) + ")";
    return Add(what, [id, text](tarnui::Dialog& d) {
        if (auto* c = ControlOf<ComboBox>(d, id)) {
            const int i = c->FindStringExact(-1, text);
            return i >= 0 && c->ChooseItem(i);
        }
        if (auto* l = ControlOf<ListBox>(d, id)) {
            const int i = l->FindStringExact(-1, text);
            return i >= 0 && l->ClickItem(i);
        }
        return false;
    });
}

DialogScript& DialogScript::SelectItems(int id, std::vector<int> indices) {
    std::string what = "SelectItems(" + std::to_string(id) + ",";
    for (int i : indices) {
        what += " " + std::to_string(i);
    }
    what += ")";
    return Add(what, [id, indices](tarnui::Dialog& d) {
        auto* l = ControlOf<ListBox>(d, id);
        if (l == nullptr || indices.empty()) {
            return false;
        }
        if (!l->ClickItem(indices.front())) {
            return false;
        }
        for (size_t k = 1; k < indices.size(); ++k) {
            if (!l->IsMultiSelect() || !l->ClickItem(indices[k], kClickControl)) {
                return false;
            }
        }
        return true;
    });
}

DialogScript& DialogScript::CheckItem(int id, int index, bool on) {
    const std::string what = "CheckItem(" + std::to_string(id) + ", " + std::to_string(index) +
                             ", " + (on ? "on" : "off") + ")";
    return Add(what, [id, index, on](tarnui::Dialog& d) {
        auto* l = ControlOf<CheckListBox>(d, id);
        if (l == nullptr || index < 0 || index >= l->GetCount() || !l->AcceptsInput()) {
            return false;
        }
        return (l->GetCheck(index) != 0) == on || l->ToggleCheck(index);
    });
}

DialogScript& DialogScript::Press(int id) {
    return Add("Press(" + std::to_string(id) + ")",
               [id](tarnui::Dialog& d) { return d.PressButton(id); });
}

DialogScript& DialogScript::Enter() {
    return Add("Enter", [](tarnui::Dialog& d) { return d.PressEnter(); });
}

DialogScript& DialogScript::Escape() {
    return Add("Escape", [](tarnui::Dialog& d) { return d.PressEscape(); });
}

DialogScript& DialogScript::Focus(int id) {
    return Add("Focus(" + std::to_string(id) + ")", [id](tarnui::Dialog& d) {
        Control* c = d.GetControl(id);
        return c != nullptr && c->AcceptsInput() && d.GotoDlgCtrl(id);
    });
}

DialogScript& DialogScript::Key(uint32_t key, unsigned modifiers) {
    const std::string what = "Key(" + std::to_string(key) +
                             (modifiers != 0 ? ", " + std::to_string(modifiers) : "") + ")";
    return Add(what, [key, modifiers](tarnui::Dialog&) { return PressKey(key, modifiers); });
}

DialogScript& DialogScript::Do(std::string description,
                               std::function<bool(tarnui::Dialog&)> action) {
    return Add(std::move(description), std::move(action));
}

HeadlessScript& HeadlessScript::MessageBox(int answer) {
    messageBoxes_.push_back(answer);
    return *this;
}

DialogScript& HeadlessScript::Dialog(int templateId) {
    dialogs_.emplace_back(templateId);
    return dialogs_.back();
}

HeadlessScript& HeadlessScript::PopupMenu(int command) {
    popupMenus_.push_back(command);
    return *this;
}

HeadlessScript& HeadlessScript::PrintDialog(bool accept, DeviceSettings settings) {
    printDialogs_.push_back(accept ? std::optional<DeviceSettings>(std::move(settings))
                                   : std::nullopt);
    return *this;
}

HeadlessScript& HeadlessScript::Help(bool opens) {
    help_.push_back(opens);
    return *this;
}

bool HeadlessScript::Empty() const {
    return messageBoxes_.empty() && dialogs_.empty() && popupMenus_.empty() &&
           printDialogs_.empty() && help_.empty();
}

void HeadlessScript::Clear() {
    messageBoxes_.clear();
    dialogs_.clear();
    popupMenus_.clear();
    printDialogs_.clear();
    help_.clear();
}

DeviceSettings HeadlessScript::HeadlessPrinter() {
    DeviceSettings s;
    s.driver = "headless";
    s.device = "Headless Printer";
    s.port = "none";
    s.paperSize = 9;
    s.printQuality = 300;
    return s;
}

namespace {
template <typename T>
std::optional<T> PopFront(std::list<T>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
}  // namespace

std::optional<int> HeadlessScript::TakeMessageBox() {
    return PopFront(messageBoxes_);
}

std::optional<DialogScript> HeadlessScript::TakeDialog(int templateId) {
    for (auto it = dialogs_.begin(); it != dialogs_.end(); ++it) {
        if (it->TemplateId() == templateId || it->TemplateId() == 0) {
            DialogScript s = std::move(*it);
            dialogs_.erase(it);
            return s;
        }
    }
    return std::nullopt;
}

std::optional<int> HeadlessScript::TakePopupMenu() {
    return PopFront(popupMenus_);
}

std::optional<std::optional<DeviceSettings>> HeadlessScript::TakePrintDialog() {
    if (printDialogs_.empty()) {
        return std::nullopt;
    }
    std::optional<DeviceSettings> v = std::move(printDialogs_.front());
    printDialogs_.pop_front();
    return v;
}

std::optional<bool> HeadlessScript::TakeHelp() {
    return PopFront(help_);
}

}  // namespace tarnui
