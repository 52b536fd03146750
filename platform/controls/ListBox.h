// List boxes: single selection, or several items selected at once with the multi-select
// style (click selects one, Ctrl+click toggles, Shift+click selects a range from the
// anchor). A check list box adds a check box to every item.
#pragma once

#include <string_view>
#include <vector>

#include "platform/controls/Control.h"
#include "platform/controls/ItemList.h"

namespace tarnui {

enum ClickModifier : unsigned { kClickPlain = 0, kClickControl = 1, kClickShift = 2 };

class ListBox : public Control {
public:
    ControlKind Kind() const override { return ControlKind::ListBox; }
    bool IsMultiSelect() const { return HasControlStyle(kStyleMultiSelect); }

    // Items (programmatic).
    int AddString(std::string text);
    int InsertString(int index, std::string text);
    int DeleteString(int index);  // the remaining count, -1 when out of range
    void ResetContent();
    int GetCount() const { return items_.Count(); }
    std::string GetText(int index) const;
    int FindStringExact(int start, std::string_view text) const {
        return items_.FindExact(start, text);
    }
    void SetItemData(int index, intptr_t data);
    intptr_t GetItemData(int index) const;

    // Selection (programmatic). Single selection: SetCurSel selects one item (-1 none).
    // Multiple selection: SetSel selects or deselects one item (-1: all); GetCurSel gives
    // the caret item.
    int GetCurSel() const;
    int SetCurSel(int index);
    bool SetSel(int index, bool select);
    bool GetSel(int index) const;
    int GetSelCount() const;
    std::vector<int> GetSelItems() const;  // ascending
    int GetCaretIndex() const { return caret_; }

    // User input: kNotifySelChange (payload: the item) after the selection changed.
    bool ClickItem(int index, unsigned modifiers = kClickPlain);
    bool DoubleClickItem(int index);  // kNotifyDoubleClicked after the click

protected:
    bool OnCreate() override;
    // Keeps the per-item state of derived classes in step with the items.
    virtual void OnItemInserted(int /*index*/) {}
    virtual void OnItemRemoved(int /*index*/) {}
    virtual void OnItemsCleared() {}

private:
    void InsertState(int index);

    ItemList items_;
    std::vector<bool> selected_;
    int caret_ = -1;
    int anchor_ = -1;
};

class CheckListBox : public ListBox {
public:
    ControlKind Kind() const override { return ControlKind::CheckListBox; }

    int GetCheck(int index) const;  // 0 or 1; 0 out of range
    bool SetCheck(int index, int state);

    // User input: toggles the item's check box, kNotifyCheckChange (payload: the item).
    bool ToggleCheck(int index);

protected:
    void OnItemInserted(int index) override;
    void OnItemRemoved(int index) override;
    void OnItemsCleared() override { checks_.clear(); }

private:
    std::vector<int> checks_;
};

}  // namespace tarnui
