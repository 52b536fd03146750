#include "platform/controls/Edit.h"

#include "platform/commands/Notification.h"

namespace tarnui {

bool Edit::OnCreate() {
    editor_.SetText(GetWindowText());
    editor_.SetReadOnly(HasControlStyle(kStyleReadOnly));
    return true;
}

void Edit::SetWindowText(std::string text) {
    const bool changed = text != GetWindowText();
    editor_.SetText(text);
    Control::SetWindowText(std::move(text));
    if (changed) {
        NotifyParent(kNotifyEditChange);
    }
}

void Edit::ReplaceSel(std::string_view text) {
    editor_.ReplaceSel(text);
    Control::SetWindowText(editor_.Text());
    NotifyParent(kNotifyEditChange);
}

bool Edit::Take(EditOutcome outcome) {
    switch (outcome) {
        case EditOutcome::Changed:
            Control::SetWindowText(editor_.Text());
            NotifyParent(kNotifyEditChange);
            return true;
        case EditOutcome::Unchanged:
            return true;
        case EditOutcome::OverLimit:
            Beep();
            NotifyParent(kNotifyMaxText);
            return false;
        case EditOutcome::Refused:
            Beep();
            return false;
    }
    return false;
}

bool Edit::TypeText(std::string_view text) {
    if (!AcceptsInput()) {
        return false;
    }
    FocusForTyping();
    bool all = true;
    for (std::string_view ch : SplitCharacters(text)) {
        all = Take(editor_.TypeChar(ch)) && all;
    }
    return all;
}

bool Edit::Paste(std::string_view text) {
    return AcceptsInput() && (FocusForTyping(), Take(editor_.Paste(text)));
}

bool Edit::PressBackspace() {
    return AcceptsInput() && (FocusForTyping(), Take(editor_.Backspace()));
}

bool Edit::PressDelete() {
    return AcceptsInput() && (FocusForTyping(), Take(editor_.Delete()));
}

void Edit::FocusForTyping() {
    // A person clicks into the field first; the selection stays where it is.
    if (!HasFocus()) {
        SetFocus();
    }
}

bool Edit::EnterText(std::string_view text) {
    if (!AcceptsInput()) {
        return false;
    }
    FocusForTyping();
    editor_.SetSel(0, -1);
    if (text.empty()) {
        return PressBackspace();
    }
    return TypeText(text);
}

bool Edit::OnKeyDown(const KeyEvent& key) {
    if (key.Is(kKeyBack)) {
        PressBackspace();
        return true;
    }
    if (key.Is(kKeyDelete)) {
        PressDelete();
        return true;
    }
    return false;
}

}  // namespace tarnui
