#include "platform/dialogs/Dialog.h"

#include "platform/backend/Backend.h"
#include "platform/controls/Button.h"
#include "platform/controls/ControlFactory.h"
#include "platform/controls/Edit.h"
#include "platform/dialogs/DataExchange.h"
#include "platform/graphics/Font.h"
#include "platform/resources/ResourceContext.h"

namespace tarnui {

namespace {
bool FocusableKind(ControlKind kind) {
    return kind != ControlKind::Static && kind != ControlKind::GroupBox;
}
}  // namespace

Dialog::Dialog(int templateId, Window* parent) : templateId_(templateId), parentWindow_(parent) {}

Dialog::Dialog(DialogTemplate tmpl, Window* parent)
    : templateId_(tmpl.id), ownTemplate_(std::move(tmpl)), parentWindow_(parent) {}

Dialog::~Dialog() {
    DestroyWindow();
    controls_.clear();
}

Rect Dialog::DialogUnitsToPixels(int x, int y, int width, int height) const {
    const TextMetrics tm = GetTextMetrics(GetFont() != nullptr ? *GetFont() : DefaultFont());
    auto px = [&tm](int du) { return du * tm.averageCharWidth / 4; };
    auto py = [&tm](int du) { return du * tm.height / 8; };
    return {px(x), py(y), px(x + width), py(y + height)};
}

bool Dialog::BuildControls(const DialogTemplate& tmpl) {
    for (const DialogControlTemplate& t : tmpl.controls) {
        std::unique_ptr<Control> control = MakeControl(t.kind);
        uint32_t style = t.style;
        if (FocusableKind(t.kind)) {
            style |= kStyleTabStop;
        }
        if (!control->CreateControl(this, DialogUnitsToPixels(t.x, t.y, t.width, t.height), t.id,
                                    style, t.text)) {
            return false;
        }
        controls_.push_back(std::move(control));
    }
    return true;
}

int Dialog::DoModal() {
    if (running_ || IsCreated()) {
        return -1;
    }
    DialogTemplate tmpl;
    if (ownTemplate_) {
        tmpl = *ownTemplate_;
    } else if (const DialogTemplate* found = FindDialogTemplate(templateId_)) {
        tmpl = *found;
    } else {
        return -1;
    }
    ended_ = false;
    endCode_ = 0;
    const Rect frame = DialogUnitsToPixels(0, 0, tmpl.width, tmpl.height);
    if (!Create(nullptr, frame, templateId_, kWsPopup, tmpl.title) || !BuildControls(tmpl)) {
        DestroyWindow();
        controls_.clear();
        return -1;
    }
    running_ = true;
    if (OnInitDialog() && !ended_ && GetFocusedControl() == nullptr) {
        for (const auto& c : controls_) {
            if (c->IsTabStop() && c->IsVisibleFlag() && c->IsWindowEnabled() &&
                GotoDlgCtrl(c->GetDlgCtrlID())) {
                break;
            }
        }
    }
    if (!ended_) {
        ShowWindow(true);
        CurrentBackend().RunModalDialog(*this);
        if (!ended_) {
            // The backend gave up without an answer: nothing was confirmed.
            EndDialog(IDCANCEL);
        }
    }
    running_ = false;
    DestroyWindow();
    controls_.clear();
    return endCode_;
}

void Dialog::EndDialog(int code) {
    if (!running_) {
        return;
    }
    ended_ = true;
    endCode_ = code;
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool Dialog::OnNotify(const Notification& n) {
    if (HandleNotification(n)) {
        return true;
    }
    if (n.code != kNotifyClicked) {
        return false;
    }
    if (n.controlId == IDOK) {
        OnOK();
        return true;
    }
    if (n.controlId == IDCANCEL) {
        OnCancel();
        return true;
    }
    return HandleCommand(n.controlId);
}

Control* Dialog::GetControl(int id) const {
    for (const auto& c : controls_) {
        if (c->GetDlgCtrlID() == id && c->IsCreated()) {
            return c.get();
        }
    }
    return nullptr;
}

bool Dialog::SetDlgItemText(int id, const std::string& text) {
    Control* c = GetControl(id);
    if (c == nullptr) {
        return false;
    }
    c->SetWindowText(text);
    return true;
}

std::string Dialog::GetDlgItemText(int id) const {
    Control* c = GetControl(id);
    return c != nullptr ? c->GetWindowText() : std::string();
}

bool Dialog::CheckDlgButton(int id, int state) {
    CheckBox* c = GetControlAs<CheckBox>(id);
    if (c == nullptr) {
        return false;
    }
    c->SetCheck(state);
    return true;
}

int Dialog::IsDlgButtonChecked(int id) const {
    CheckBox* c = GetControlAs<CheckBox>(id);
    return c != nullptr ? c->GetCheck() : 0;
}

bool Dialog::EnableDlgItem(int id, bool enable) {
    Control* c = GetControl(id);
    if (c == nullptr) {
        return false;
    }
    c->EnableWindow(enable);
    return true;
}

bool Dialog::ShowDlgItem(int id, bool show) {
    Control* c = GetControl(id);
    if (c == nullptr) {
        return false;
    }
    c->ShowWindow(show);
    return true;
}

bool Dialog::GotoDlgCtrl(int id) {
    Control* c = GetControl(id);
    if (c == nullptr) {
        return false;
    }
    c->SetFocus();
    if (auto* edit = dynamic_cast<Edit*>(c)) {
        edit->SetSel(0, -1);  // the person can type the text over at once
    }
    return c->HasFocus();
}

Control* Dialog::GetFocusedControl() const {
    Window* focus = GetFocus();
    for (const auto& c : controls_) {
        if (c.get() == focus) {
            return c.get();
        }
    }
    return nullptr;
}

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!IsCreated()) {
        return false;
    }
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool Dialog::PressButton(int id) {
    Button* b = GetControlAs<Button>(id);
    return b != nullptr && b->Click();
}

bool Dialog::PressEnter() {
    if (!running_) {
        return false;
    }
    if (auto* focused = dynamic_cast<Button*>(GetFocusedControl())) {
        return focused->Click();
    }
    for (const auto& c : controls_) {
        if (auto* b = dynamic_cast<Button*>(c.get()); b != nullptr && b->IsDefault()) {
            return b->Click();
        }
    }
    if (Button* ok = GetControlAs<Button>(IDOK)) {
        return ok->Click();
    }
    OnOK();
    return true;
}

bool Dialog::PressEscape() {
    if (!running_) {
        return false;
    }
    if (Button* cancel = GetControlAs<Button>(IDCANCEL)) {
        return cancel->Click();
    }
    OnCancel();
    return true;
}

bool Dialog::OnKeyDown(const KeyEvent& key) {
    if (key.Is(kKeyReturn)) {
        PressEnter();
        return true;
    }
    if (key.Is(kKeyEscape)) {
        PressEscape();
        return true;
    }
    if (key.key == kKeyTab && (key.modifiers & ~kModShift) == 0) {
        return MoveFocus(key.Shift());
    }
    return false;
}

bool Dialog::MoveFocus(bool backwards) {
    const int n = static_cast<int>(controls_.size());
    int from = backwards ? 0 : -1;
    for (int i = 0; i < n; ++i) {
        if (controls_[i].get() == GetFocus()) {
            from = i;
        }
    }
    for (int step = 1; step <= n; ++step) {
        const int i = ((from + (backwards ? -step : step)) % n + n) % n;
        Control& c = *controls_[i];
        if (c.IsTabStop() && c.AcceptsInput()) {
            return GotoDlgCtrl(c.GetDlgCtrlID());
        }
    }
    return false;
}

}  // namespace tarnui
