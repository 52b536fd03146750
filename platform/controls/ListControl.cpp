#include "platform/controls/ListControl.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/controls/ReportNotifications.h"
#include "platform/graphics/Font.h"

namespace tarnui {

ListControl::ListControl()
    : textColor_(GetSysColor(kColorWindowText)),
      textBkColor_(GetSysColor(kColorWindow)),
      bkColor_(GetSysColor(kColorWindow)) {}

bool ListControl::Create(Window* parent, const Rect& rect, int id, uint32_t listStyle,
                         uint32_t controlStyle) {
    listStyle_ = listStyle;
    return CreateControl(parent, rect, id, controlStyle);
}

const Font& ListControl::ListFont() const {
    const Font* font = GetFont();
    return font != nullptr ? *font : DefaultFont();
}

// ---- columns ------------------------------------------------------------------------------

int ListControl::InsertColumn(int index, const ListColumn& column) {
    if (index < 0 || index > GetColumnCount()) {
        return -1;
    }
    columns_.insert(columns_.begin() + index, column);
    for (int& c : order_) {
        if (c >= index) {
            ++c;
        }
    }
    order_.insert(order_.begin() + index, index);
    for (Item& item : items_) {
        if (static_cast<int>(item.texts.size()) > index) {
            item.texts.insert(item.texts.begin() + index, std::string());
        }
    }
    Changed(kChangeColumns);
    OnColumnInserted(index);
    return index;
}

int ListControl::InsertColumn(int index, std::string title, ColumnAlign align, int width) {
    ListColumn column;
    if (width < 0) {
        width = GetTextExtent(ListFont(), title).cx + 12;
    }
    column.title = std::move(title);
    column.align = align;
    column.width = width;
    return InsertColumn(index, column);
}

bool ListControl::DeleteColumn(int index) {
    if (index < 0 || index >= GetColumnCount()) {
        return false;
    }
    columns_.erase(columns_.begin() + index);
    order_.erase(std::find(order_.begin(), order_.end(), index));
    for (int& c : order_) {
        if (c > index) {
            --c;
        }
    }
    for (Item& item : items_) {
        if (static_cast<int>(item.texts.size()) > index) {
            item.texts.erase(item.texts.begin() + index);
        }
    }
    Changed(kChangeColumns);
    OnColumnDeleted(index);
    return true;
}

const ListColumn* ListControl::GetColumn(int index) const {
    return index >= 0 && index < GetColumnCount() ? &columns_[index] : nullptr;
}

bool ListControl::SetColumn(int index, const ListColumn& column) {
    if (index < 0 || index >= GetColumnCount()) {
        return false;
    }
    columns_[index] = column;
    columns_[index].width = std::max(0, column.width);
    Changed(kChangeColumns | kChangeImages);
    return true;
}

int ListControl::GetColumnWidth(int index) const {
    const ListColumn* column = GetColumn(index);
    return column != nullptr ? column->width : 0;
}

bool ListControl::SetColumnWidth(int index, int width) {
    if (index < 0 || index >= GetColumnCount()) {
        return false;
    }
    columns_[index].width = std::max(0, width);
    Changed(kChangeColumns);
    return true;
}

bool ListControl::SetColumnOrder(const std::vector<int>& order) {
    if (static_cast<int>(order.size()) != GetColumnCount()) {
        return false;
    }
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < GetColumnCount(); ++i) {
        if (sorted[i] != i) {
            return false;
        }
    }
    order_ = order;
    Changed(kChangeColumns);
    return true;
}

int ListControl::TotalColumnWidth() const {
    return std::accumulate(columns_.begin(), columns_.end(), 0,
                           [](int sum, const ListColumn& c) { return sum + c.width; });
}

// ---- items --------------------------------------------------------------------------------

int ListControl::InsertItem(int index, std::string text) {
    if (index < 0 || index > GetItemCount()) {
        index = GetItemCount();
    }
    Item item;
    item.texts.reserve(static_cast<size_t>(std::max(1, GetColumnCount())));
    item.texts.push_back(std::move(text));
    items_.insert(items_.begin() + index, std::move(item));
    if (selectionMark_ >= index) {
        ++selectionMark_;
    }
    Changed(kChangeItemsInserted);
    OnItemInserted(index);
    return index;
}

bool ListControl::DeleteItem(int index) {
    if (!ValidItem(index)) {
        return false;
    }
    items_.erase(items_.begin() + index);
    if (selectionMark_ == index) {
        selectionMark_ = -1;
    } else if (selectionMark_ > index) {
        --selectionMark_;
    }
    ClampTopIndex();
    Changed(kChangeItemsRemoved);
    OnItemDeleted(index);
    return true;
}

void ListControl::DeleteAllItems() {
    items_.clear();
    selectionMark_ = -1;
    topIndex_ = 0;
    Changed(kChangeItemsRemoved | kChangeSelection | kChangeScroll);
    OnAllItemsDeleted();
}

int ListControl::AppendItem(std::vector<std::string> texts) {
    const int index = GetItemCount();
    const auto columns = static_cast<size_t>(std::max(1, GetColumnCount()));
    if (texts.size() > columns) {
        texts.resize(columns);
    }
    Item item;
    item.texts = std::move(texts);
    items_.push_back(std::move(item));
    Changed(kChangeItemsInserted | kChangeItemsChanged);
    OnItemInserted(index);
    return index;
}

void ListControl::BeginFill(int count) {
    items_.reserve(items_.size() + static_cast<size_t>(std::max(0, count)));
    filling_ = true;
}

void ListControl::EndFill() {
    filling_ = false;
    if (heldChanges_ != 0) {
        const uint32_t changes = heldChanges_;
        heldChanges_ = 0;
        NotifyChanged(changes);
    }
}

void ListControl::Changed(uint32_t changes) {
    if (filling_) {
        heldChanges_ |= changes;
    } else {
        NotifyChanged(changes);
    }
}

bool ListControl::SetItemText(int item, int column, std::string text) {
    if (!ValidItem(item) || column < 0 || column >= std::max(1, GetColumnCount())) {
        return false;
    }
    std::vector<std::string>& texts = items_[item].texts;
    if (static_cast<int>(texts.size()) <= column) {
        texts.resize(column + 1);
    }
    texts[column] = std::move(text);
    Changed(kChangeItemsChanged);
    return true;
}

std::string ListControl::GetItemText(int item, int column) const {
    return ItemText(item, column);
}

const std::string& ListControl::ItemText(int item, int column) const {
    static const std::string kNone;
    if (!ValidItem(item) || column < 0 || column >= static_cast<int>(items_[item].texts.size())) {
        return kNone;
    }
    return items_[item].texts[column];
}

int ListControl::GetItemText(int item, int column, char* buffer, int size) const {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    const std::string& text = ItemText(item, column);
    const int n = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

bool ListControl::SetItemData(int item, intptr_t data) {
    if (!ValidItem(item)) {
        return false;
    }
    items_[item].data = data;
    Changed(kChangeItemsChanged);
    return true;
}

intptr_t ListControl::GetItemData(int item) const {
    return ValidItem(item) ? items_[item].data : 0;
}

// ---- states -------------------------------------------------------------------------------

void ListControl::ChangeState(int item, uint32_t state, uint32_t mask) {
    Item& it = items_[item];
    if ((mask & state & kLvisFocused) != 0) {
        for (Item& other : items_) {
            other.state &= ~kLvisFocused;
        }
    }
    if ((mask & state & kLvisSelected) != 0 && (listStyle_ & kLvsSingleSel) != 0) {
        for (Item& other : items_) {
            other.state &= ~kLvisSelected;
        }
    }
    it.state = (it.state & ~mask) | (state & mask);
    Changed(kChangeSelection);
}

bool ListControl::SetItemState(int item, uint32_t state, uint32_t mask) {
    if (item == -1) {  // every item
        for (int i = 0; i < GetItemCount(); ++i) {
            items_[i].state = (items_[i].state & ~mask) | (state & mask);
        }
        Changed(kChangeSelection);
        return true;
    }
    if (!ValidItem(item)) {
        return false;
    }
    ChangeState(item, state, mask);
    if ((state & mask & kLvisSelected) != 0) {
        selectionMark_ = item;
    }
    return true;
}

uint32_t ListControl::GetItemState(int item, uint32_t mask) const {
    return ValidItem(item) ? (items_[item].state & mask) : 0;
}

int ListControl::GetNextItem(int start, uint32_t flags) const {
    for (int i = std::max(0, start + 1); i < GetItemCount(); ++i) {
        if ((items_[i].state & flags) == flags) {
            return i;
        }
    }
    return -1;
}

int ListControl::GetSelectedCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const Item& i) {
        return (i.state & kLvisSelected) != 0;
    }));
}

// ---- geometry and scrolling -----------------------------------------------------------------

int ListControl::ItemHeight() const {
    return std::max(1, tarnui::GetTextMetrics(ListFont()).height + 2);
}

int ListControl::HeaderHeight() const {
    if ((listStyle_ & kLvsNoColumnHeader) != 0) {
        return 0;
    }
    return tarnui::GetTextMetrics(ListFont()).height + 6;
}

int ListControl::GetCountPerPage() const {
    const int rows = (GetClientRect().Height() - HeaderHeight()) / ItemHeight();
    return std::max(1, rows);
}

void ListControl::ClampTopIndex() {
    const int highest = std::max(0, GetItemCount() - GetCountPerPage());
    SetTopIndex(std::clamp(topIndex_, 0, highest));
}

void ListControl::SetTopIndex(int top) {
    if (top != topIndex_) {
        topIndex_ = top;
        Changed(kChangeScroll);
    }
}

void ListControl::SetScrollX(int x) {
    if (x != scrollX_) {
        scrollX_ = x;
        Changed(kChangeScroll);
    }
}

void ListControl::SetColour(Color& member, Color c) {
    member = c;
    Changed(kChangeAppearance);
}

bool ListControl::EnsureVisible(int item, bool partialOk) {
    if (!ValidItem(item)) {
        return false;
    }
    const int perPage = GetCountPerPage();
    const int partialRow = (GetClientRect().Height() - HeaderHeight()) % ItemHeight() != 0 ? 1 : 0;
    if (item < topIndex_) {
        SetTopIndex(item);
    } else if (item >= topIndex_ + perPage &&
               !(partialOk && partialRow != 0 && item == topIndex_ + perPage)) {
        SetTopIndex(item - perPage + 1);
    }
    ClampTopIndex();
    return true;
}

bool ListControl::Scroll(Size delta) {
    topIndex_ += delta.cy / ItemHeight();
    ClampTopIndex();
    const int widest = std::max(0, TotalColumnWidth() - GetClientRect().Width());
    SetScrollX(std::clamp(scrollX_ + delta.cx, 0, widest));
    return true;
}

Rect ListControl::GetItemRect(int item) const {
    if (!ValidItem(item)) {
        return {};
    }
    const int top = HeaderHeight() + (item - topIndex_) * ItemHeight();
    return {-scrollX_, top, TotalColumnWidth() - scrollX_, top + ItemHeight()};
}

ListHitTest ListControl::HitTest(Point p) const {
    ListHitTest hit;
    if (p.y < 0) {
        hit.flags = kLvhtAbove;
        return hit;
    }
    int column = -1;
    for (int x = -scrollX_; int c : order_) {
        if (p.x >= x && p.x < x + columns_[c].width) {
            column = c;
            break;
        }
        x += columns_[c].width;
    }
    if (p.y < HeaderHeight()) {
        hit.flags = kLvhtOnHeader;
        hit.column = column;
        return hit;
    }
    const int row = topIndex_ + (p.y - HeaderHeight()) / ItemHeight();
    if (p.y >= GetClientRect().Height() && GetClientRect().Height() > 0) {
        hit.flags = kLvhtBelow;
        return hit;
    }
    if (!ValidItem(row) || column < 0) {
        hit.flags = kLvhtNowhere;
        return hit;
    }
    hit.item = row;
    hit.column = column;
    hit.flags = kLvhtOnItemLabel;
    return hit;
}

// ---- user input ---------------------------------------------------------------------------

bool ListControl::ClickColumnHeader(int column) {
    if (!AcceptsInput() || (listStyle_ & kLvsNoColumnHeader) != 0 || GetColumn(column) == nullptr) {
        return false;
    }
    NotifyParent(kNotifyColumnClick, column);
    return true;
}

bool ListControl::ClickItem(int item, unsigned modifiers) {
    if (!AcceptsInput() || !ValidItem(item)) {
        return false;
    }
    SetFocus();
    std::vector<uint32_t> before(items_.size());
    std::transform(items_.begin(), items_.end(), before.begin(),
                   [](const Item& i) { return i.state; });
    const bool toggle = (modifiers & kClickControl) != 0 && (listStyle_ & kLvsSingleSel) == 0;
    if (toggle) {
        const uint32_t selected = items_[item].state & kLvisSelected;
        ChangeState(item, kLvisFocused | (selected ^ kLvisSelected), kLvisFocused | kLvisSelected);
    } else {
        for (Item& other : items_) {
            other.state &= ~kLvisSelected;
        }
        ChangeState(item, kLvisFocused | kLvisSelected, kLvisFocused | kLvisSelected);
    }
    selectionMark_ = item;
    EnsureVisible(item);
    for (int i = 0; i < GetItemCount(); ++i) {
        if (before[i] != items_[i].state) {
            const ListItemChange change{i, before[i], items_[i].state};
            NotifyParent(kNotifyItemChanged, i, &change);
        }
    }
    return true;
}

bool ListControl::DoubleClickItem(int item) {
    if (!ClickItem(item)) {
        return false;
    }
    NotifyParent(kNotifyDoubleClicked, item);
    return true;
}

bool ListControl::RightClickItem(int item, Point screen) {
    if (!AcceptsInput() || (item != -1 && !ValidItem(item))) {
        return false;
    }
    if (item != -1 && GetItemState(item, kLvisSelected) == 0) {
        ClickItem(item);
    } else {
        SetFocus();
    }
    NotifyParent(kNotifyRightClick, item, &screen);
    return true;
}

bool ListControl::RightClickHeader(int column, Point screen) {
    if (!AcceptsInput() || (listStyle_ & kLvsNoColumnHeader) != 0 ||
        (column != -1 && GetColumn(column) == nullptr)) {
        return false;
    }
    if (!OnHeaderRightClick(column, screen)) {
        NotifyParent(kNotifyHeaderRightClick, column, &screen);
    }
    return true;
}

bool ListControl::OnHeaderRightClick(int /*column*/, Point /*screen*/) {
    return false;
}

bool ListControl::BeginDrag(int item) {
    if (!AcceptsInput() || !ValidItem(item)) {
        return false;
    }
    NotifyParent(kNotifyBeginDrag, item);
    return true;
}

bool ListControl::TurnWheel(int wheelDelta) {
    if (!AcceptsInput()) {
        return false;
    }
    return ScrollBarInput(ScrollBarKind::Vertical, ScrollAction::ThumbTrack,
                          topIndex_ + WheelRows(wheelDelta));
}

ScrollInfo ListControl::GetScrollInfo(ScrollBarKind bar) const {
    if (bar == ScrollBarKind::Vertical) {
        const int page = GetCountPerPage();
        return {topIndex_, std::max(0, GetItemCount() - page), page};
    }
    const int page = GetClientRect().Width();
    return {scrollX_, std::max(0, TotalColumnWidth() - page), page};
}

bool ListControl::ScrollBarInput(ScrollBarKind bar, ScrollAction action, int thumb) {
    if (!AcceptsInput()) {
        return false;
    }
    const ScrollInfo info = GetScrollInfo(bar);
    if (bar == ScrollBarKind::Vertical) {
        SetTopIndex(ScrollTarget(info, 1, action, thumb));
    } else {
        SetScrollX(
            ScrollTarget(info, tarnui::GetTextMetrics(ListFont()).averageCharWidth, action, thumb));
    }
    return true;
}

int ListControl::KeyTarget(uint32_t key) const {
    const int last = GetItemCount() - 1;
    const int focused = GetNextItem(-1, kLvniFocused);
    const int perPage = GetCountPerPage();
    const int bottom = std::min(last, topIndex_ + perPage - 1);
    switch (key) {
        case kKeyUp:
            return focused < 0 ? 0 : std::max(0, focused - 1);
        case kKeyDown:
            return focused < 0 ? 0 : std::min(last, focused + 1);
        case kKeyHome:
            return 0;
        case kKeyEnd:
            return last;
        case kKeyPageUp:
            // First to the top row shown, then a page further up.
            return focused < 0 || focused != topIndex_ ? topIndex_
                                                       : std::max(0, focused - perPage + 1);
        case kKeyPageDown:
            return focused < 0 || focused != bottom ? bottom
                                                    : std::min(last, focused + perPage - 1);
        default:
            return -1;
    }
}

bool ListControl::OnKeyDown(const KeyEvent& key) {
    if (key.modifiers != kModNone || !AcceptsInput() || GetItemCount() == 0) {
        return false;
    }
    const int target = KeyTarget(key.key);
    return target >= 0 && ClickItem(target);
}

bool ListControl::DragColumnDivider(int column, int width) {
    if (!AcceptsInput() || (listStyle_ & kLvsNoColumnHeader) != 0 || GetColumn(column) == nullptr) {
        return false;
    }
    return SetColumnWidth(column, std::max(0, width));
}

}  // namespace tarnui
