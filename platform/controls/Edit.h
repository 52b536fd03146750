// A single-line edit control. Code sets its text freely; what a person types goes through
// the limit and the filter, and a refused keystroke beeps and leaves the text as it was.
#pragma once

#include <string_view>
#include <utility>

#include "platform/controls/Control.h"
#include "platform/controls/TextEditor.h"

namespace tarnui {

class Edit : public Control {
public:
    ControlKind Kind() const override { return ControlKind::Edit; }

    // Programmatic.
    void SetWindowText(std::string text) override;
    std::pair<int, int> GetSel() const { return {editor_.SelStart(), editor_.SelEnd()}; }
    void SetSel(int start, int end) { editor_.SetSel(start, end); }
    void ReplaceSel(std::string_view text);
    void LimitText(int characters) { editor_.SetLimit(characters); }
    int GetLimitText() const { return editor_.Limit(); }
    void SetReadOnly(bool on) { editor_.SetReadOnly(on); }
    bool IsReadOnly() const { return editor_.IsReadOnly(); }
    void SetFilter(EditFilter filter) { editor_.SetFilter(std::move(filter)); }

    // User input. Each returns true when every keystroke was taken.
    bool TypeText(std::string_view text);  // character by character at the caret
    bool Paste(std::string_view text);
    bool PressBackspace();
    bool PressDelete();
    // Selects everything and types `text` over it (clears it when `text` is empty).
    bool EnterText(std::string_view text);

protected:
    bool OnCreate() override;
    // Backspace and Delete edit the text as PressBackspace and PressDelete.
    bool OnKeyDown(const KeyEvent& key) override;

private:
    friend class ComboBox;
    bool Take(EditOutcome outcome);
    void FocusForTyping();

    TextEditor editor_;
};

}  // namespace tarnui
