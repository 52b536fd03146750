#include "platform/controls/ListBox.h"

#include <algorithm>

#include "platform/commands/Notification.h"

namespace tarnui {

bool ListBox::OnCreate() {
    items_.SetSorted(HasControlStyle(kStyleSorted));
    return true;
}

void ListBox::InsertState(int index) {
    selected_.insert(selected_.begin() + index, false);
    if (caret_ >= index) {
        ++caret_;
    }
    if (anchor_ >= index) {
        ++anchor_;
    }
    OnItemInserted(index);
    NotifyChanged(kChangeItemsInserted);
}

int ListBox::AddString(std::string text) {
    const int index = items_.Add(std::move(text));
    InsertState(index);
    return index;
}

int ListBox::InsertString(int index, std::string text) {
    const int at = items_.Insert(index, std::move(text));
    if (at >= 0) {
        InsertState(at);
    }
    return at;
}

int ListBox::DeleteString(int index) {
    if (!items_.Remove(index)) {
        return -1;
    }
    selected_.erase(selected_.begin() + index);
    auto shift = [index](int& i) {
        if (i == index) {
            i = -1;
        } else if (i > index) {
            --i;
        }
    };
    shift(caret_);
    shift(anchor_);
    OnItemRemoved(index);
    NotifyChanged(kChangeItemsRemoved);
    return items_.Count();
}

void ListBox::ResetContent() {
    items_.Clear();
    selected_.clear();
    caret_ = anchor_ = -1;
    NotifyChanged(kChangeItemsRemoved | kChangeSelection);
    OnItemsCleared();
}

std::string ListBox::GetText(int index) const {
    return items_.Valid(index) ? items_.Text(index) : std::string();
}

void ListBox::SetItemData(int index, intptr_t data) {
    if (items_.Valid(index)) {
        items_.SetData(index, data);
    }
}

intptr_t ListBox::GetItemData(int index) const {
    return items_.Valid(index) ? items_.Data(index) : 0;
}

int ListBox::GetCurSel() const {
    if (IsMultiSelect()) {
        return caret_;
    }
    for (int i = 0; i < GetCount(); ++i) {
        if (selected_[i]) {
            return i;
        }
    }
    return -1;
}

int ListBox::SetCurSel(int index) {
    std::fill(selected_.begin(), selected_.end(), false);
    NotifyChanged(kChangeSelection);
    if (!items_.Valid(index)) {
        return -1;
    }
    selected_[index] = true;
    caret_ = anchor_ = index;
    return index;
}

bool ListBox::SetSel(int index, bool select) {
    if (!IsMultiSelect()) {
        return false;
    }
    NotifyChanged(kChangeSelection);
    if (index == -1) {
        std::fill(selected_.begin(), selected_.end(), select);
        return true;
    }
    if (!items_.Valid(index)) {
        return false;
    }
    selected_[index] = select;
    caret_ = index;
    return true;
}

bool ListBox::GetSel(int index) const {
    return items_.Valid(index) && selected_[index];
}

int ListBox::GetSelCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

std::vector<int> ListBox::GetSelItems() const {
    std::vector<int> out;
    for (int i = 0; i < GetCount(); ++i) {
        if (selected_[i]) {
            out.push_back(i);
        }
    }
    return out;
}

bool ListBox::ClickItem(int index, unsigned modifiers) {
    if (!AcceptsInput() || !items_.Valid(index)) {
        return false;
    }
    SetFocus();
    if (!IsMultiSelect()) {
        SetCurSel(index);
    } else if ((modifiers & kClickShift) != 0 && anchor_ >= 0) {
        if ((modifiers & kClickControl) == 0) {
            std::fill(selected_.begin(), selected_.end(), false);
        }
        const int lo = std::min(anchor_, index), hi = std::max(anchor_, index);
        for (int i = lo; i <= hi; ++i) {
            selected_[i] = true;
        }
        caret_ = index;
    } else if ((modifiers & kClickControl) != 0) {
        selected_[index] = !selected_[index];
        caret_ = anchor_ = index;
    } else {
        SetCurSel(index);
    }
    NotifyChanged(kChangeSelection);
    NotifyParent(kNotifySelChange, index);
    return true;
}

bool ListBox::DoubleClickItem(int index) {
    if (!ClickItem(index)) {
        return false;
    }
    NotifyParent(kNotifyDoubleClicked, index);
    return true;
}

int CheckListBox::GetCheck(int index) const {
    return index >= 0 && index < static_cast<int>(checks_.size()) ? checks_[index] : 0;
}

bool CheckListBox::SetCheck(int index, int state) {
    if (index < 0 || index >= static_cast<int>(checks_.size())) {
        return false;
    }
    checks_[index] = state != 0 ? 1 : 0;
    NotifyChanged(kChangeItemsChanged);
    return true;
}

bool CheckListBox::ToggleCheck(int index) {
    if (!AcceptsInput() || index < 0 || index >= static_cast<int>(checks_.size())) {
        return false;
    }
    SetFocus();
    checks_[index] = checks_[index] != 0 ? 0 : 1;
    NotifyChanged(kChangeItemsChanged);
    NotifyParent(kNotifyCheckChange, index);
    return true;
}

void CheckListBox::OnItemInserted(int index) {
    checks_.insert(checks_.begin() + index, 0);
}

void CheckListBox::OnItemRemoved(int index) {
    checks_.erase(checks_.begin() + index);
}

}  // namespace tarnui
