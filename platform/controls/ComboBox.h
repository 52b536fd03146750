// A combo box: a list of strings with one current selection, shown in a drop-down. With
// the drop-down-list style the text is always the selected item; otherwise the text can be
// typed like an edit control (limit and filter included).
#pragma once

#include <string_view>

#include "platform/controls/Control.h"
#include "platform/controls/ItemList.h"
#include "platform/controls/TextEditor.h"

namespace tarnui {

class ComboBox : public Control {
public:
    ControlKind Kind() const override { return ControlKind::ComboBox; }
    bool IsDropDownList() const { return HasControlStyle(kStyleDropDownList); }

    // Items (programmatic).
    int AddString(std::string text);
    int InsertString(int index, std::string text);
    int DeleteString(int index);  // returns the remaining count, -1 when out of range
    void ResetContent();
    int GetCount() const { return items_.Count(); }
    std::string GetLBText(int index) const;  // "" when out of range
    int FindStringExact(int start, std::string_view text) const {
        return items_.FindExact(start, text);
    }
    void SetItemData(int index, intptr_t data);
    intptr_t GetItemData(int index) const;

    // Selection (programmatic): the text follows the selected item; -1 clears both.
    int GetCurSel() const { return curSel_; }
    int SetCurSel(int index);  // returns the index, or -1 when out of range (selection cleared)
    int SelectString(int start, std::string_view prefix);  // first item with that prefix

    // Text: editable combos take any text; a drop-down list only an item's.
    void SetWindowText(std::string text) override;
    void LimitText(int characters) { editor_.SetLimit(characters); }
    void SetFilter(EditFilter filter) { editor_.SetFilter(std::move(filter)); }

    // User input.
    bool ChooseItem(int index);  // picks from the drop-down: kNotifySelChange
    bool TypeText(std::string_view text);
    bool PressBackspace();
    bool EnterText(std::string_view text);  // replaces all text, as Edit::EnterText

protected:
    bool OnCreate() override;
    // Backspace edits the text as PressBackspace; Up and Down choose the item before or after
    // the chosen one (the first when none is), notifying as a pick from the drop-down does.
    bool OnKeyDown(const KeyEvent& key) override;

private:
    bool Take(EditOutcome outcome);
    void ShowText(const std::string& text);

    ItemList items_;
    int curSel_ = -1;
    TextEditor editor_;
};

}  // namespace tarnui
