#include "platform/controls/ComboBox.h"

#include "platform/commands/Notification.h"

namespace tarnui {

bool ComboBox::OnCreate() {
    items_.SetSorted(HasControlStyle(kStyleSorted));
    editor_.SetReadOnly(IsDropDownList());
    // A template's text is not an item: a drop-down list starts empty.
    ShowText(IsDropDownList() ? std::string() : GetWindowText());
    return true;
}

void ComboBox::ShowText(const std::string& text) {
    editor_.SetText(text);
    Control::SetWindowText(text);
}

int ComboBox::AddString(std::string text) {
    const int index = items_.Add(std::move(text));
    if (curSel_ >= index) {
        ++curSel_;  // a sorted insert in front of the selection moves it
    }
    NotifyChanged(kChangeItemsInserted);
    return index;
}

int ComboBox::InsertString(int index, std::string text) {
    const int at = items_.Insert(index, std::move(text));
    if (at >= 0 && curSel_ >= at) {
        ++curSel_;
    }
    NotifyChanged(kChangeItemsInserted);
    return at;
}

int ComboBox::DeleteString(int index) {
    if (!items_.Remove(index)) {
        return -1;
    }
    if (curSel_ == index) {
        curSel_ = -1;
        if (IsDropDownList()) {
            ShowText({});
        }
    } else if (curSel_ > index) {
        --curSel_;
    }
    NotifyChanged(kChangeItemsRemoved);
    return items_.Count();
}

void ComboBox::ResetContent() {
    items_.Clear();
    curSel_ = -1;
    ShowText({});
    NotifyChanged(kChangeItemsRemoved | kChangeSelection);
}

std::string ComboBox::GetLBText(int index) const {
    return items_.Valid(index) ? items_.Text(index) : std::string();
}

void ComboBox::SetItemData(int index, intptr_t data) {
    if (items_.Valid(index)) {
        items_.SetData(index, data);
    }
}

intptr_t ComboBox::GetItemData(int index) const {
    return items_.Valid(index) ? items_.Data(index) : 0;
}

int ComboBox::SetCurSel(int index) {
    if (!items_.Valid(index)) {
        curSel_ = -1;
        ShowText({});
        return -1;
    }
    curSel_ = index;
    ShowText(items_.Text(index));
    NotifyChanged(kChangeSelection);
    return index;
}

int ComboBox::SelectString(int start, std::string_view prefix) {
    const int found = items_.FindPrefix(start, prefix);
    if (found >= 0) {
        SetCurSel(found);
    }
    return found;
}

void ComboBox::SetWindowText(std::string text) {
    if (IsDropDownList()) {
        // Only an item's text can be shown; anything else is ignored.
        const int found = items_.FindExact(-1, text);
        if (found >= 0) {
            SetCurSel(found);
        }
        return;
    }
    ShowText(text);
}

bool ComboBox::ChooseItem(int index) {
    if (!AcceptsInput() || !items_.Valid(index)) {
        return false;
    }
    SetFocus();
    SetCurSel(index);
    NotifyParent(kNotifySelChange, index);
    return true;
}

bool ComboBox::Take(EditOutcome outcome) {
    switch (outcome) {
        case EditOutcome::Changed:
            Control::SetWindowText(editor_.Text());
            curSel_ = -1;  // typed text is no longer the chosen item
            NotifyParent(kNotifyEditChange);
            return true;
        case EditOutcome::Unchanged:
            return true;
        case EditOutcome::OverLimit:
        case EditOutcome::Refused:
            Beep();
            return false;
    }
    return false;
}

bool ComboBox::TypeText(std::string_view text) {
    if (!AcceptsInput()) {
        return false;
    }
    if (!HasFocus()) {
        SetFocus();
    }
    if (IsDropDownList()) {
        // Typing in a drop-down list jumps to the item starting with the character.
        bool all = true;
        for (std::string_view ch : SplitCharacters(text)) {
            const int found = items_.FindPrefix(curSel_, ch);
            if (found < 0) {
                Beep();
                all = false;
            } else if (found != curSel_) {
                SetCurSel(found);
                NotifyParent(kNotifySelChange, found);
            }
        }
        return all;
    }
    bool all = true;
    for (std::string_view ch : SplitCharacters(text)) {
        all = Take(editor_.TypeChar(ch)) && all;
    }
    return all;
}

bool ComboBox::PressBackspace() {
    if (!AcceptsInput() || IsDropDownList()) {
        return false;
    }
    if (!HasFocus()) {
        SetFocus();
    }
    return Take(editor_.Backspace());
}

bool ComboBox::EnterText(std::string_view text) {
    if (!AcceptsInput()) {
        return false;
    }
    if (IsDropDownList()) {
        const int found = items_.FindExact(-1, text);
        return found >= 0 && ChooseItem(found);
    }
    editor_.SetSel(0, -1);
    return text.empty() ? PressBackspace() : TypeText(text);
}

bool ComboBox::OnKeyDown(const KeyEvent& key) {
    if (key.Is(kKeyBack)) {
        PressBackspace();
        return true;
    }
    // Up and Down choose the item before or after the chosen one, as picking it would.
    if (key.Is(kKeyUp) || key.Is(kKeyDown)) {
        const int next = GetCurSel() + (key.Is(kKeyUp) ? -1 : 1);
        if (GetCurSel() >= 0 && next >= 0 && next < GetCount()) {
            ChooseItem(next);
        } else if (GetCurSel() < 0 && GetCount() > 0) {
            ChooseItem(0);
        }
        return true;
    }
    return false;
}

}  // namespace tarnui
