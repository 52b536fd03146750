// A report list control: a header of columns (title, width, alignment, image) over rows of
// items with one text per column, selected and focused states, a top index, colours and the
// window's font. A backend renders this state; a person's clicks come back through the
// user-input operations, which notify the parent (ReportNotifications.h).
//
// Geometry: rows are ItemHeight() pixels high (the font's cell height + 2) below a header
// of HeaderHeight() pixels (the font's cell height + 6); the visible row count is what fits
// entirely into the client area below the header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/Control.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/ScrollInput.h"
#include "platform/graphics/Color.h"
#include "platform/windows/Geometry.h"

namespace tarnui {

class ImageList;
struct Font;

enum class ColumnAlign { Left, Right, Center };

// List styles, given at creation (Create) and changeable with ModifyListStyle.
enum ListStyle : uint32_t {
    kLvsReport = 1u << 0,
    kLvsSingleSel = 1u << 1,
    kLvsShowSelAlways = 1u << 2,
    kLvsEditLabels = 1u << 3,
    kLvsNoColumnHeader = 1u << 4,
    kLvsClientEdge = 1u << 5,
};

enum ListExtendedStyle : uint32_t {
    kLvsExFullRowSelect = 1u << 0,
    kLvsExInfoTip = 1u << 1,
};

enum ListItemState : uint32_t {
    kLvisFocused = 1u << 0,
    kLvisSelected = 1u << 1,
};

// GetNextItem flags.
enum ListNextFlags : uint32_t {
    kLvniAll = 0,
    kLvniFocused = kLvisFocused,
    kLvniSelected = kLvisSelected,
};

struct ListColumn {
    std::string title;
    int width = 0;
    ColumnAlign align = ColumnAlign::Left;
    int image = -1;             // index in the header image list; -1 none
    bool imageOnRight = false;  // the image follows the text
    bool showText = true;
};

enum ListHitFlags : uint32_t {
    kLvhtNowhere = 1u << 0,
    kLvhtOnItemLabel = 1u << 1,  // on a cell of an item
    kLvhtAbove = 1u << 2,
    kLvhtBelow = 1u << 3,
    kLvhtOnHeader = 1u << 4,
};

struct ListHitTest {
    int item = -1;
    int column = -1;
    uint32_t flags = kLvhtNowhere;
};

class ListControl : public Control {
public:
    ListControl();
    ControlKind Kind() const override { return ControlKind::ReportList; }

    // Creates the control; `listStyle` holds ListStyle bits.
    bool Create(Window* parent, const Rect& rect, int id, uint32_t listStyle,
                uint32_t controlStyle = kStyleTabStop);
    uint32_t GetListStyle() const { return listStyle_; }
    void ModifyListStyle(uint32_t remove, uint32_t add) {
        listStyle_ = (listStyle_ & ~remove) | add;
        NotifyChanged(kChangeAppearance | kChangeColumns);
    }
    uint32_t GetExtendedStyle() const { return extendedStyle_; }
    void SetExtendedStyle(uint32_t style) {
        extendedStyle_ = style;
        NotifyChanged(kChangeAppearance);
    }
    bool IsFullRowSelect() const { return (extendedStyle_ & kLvsExFullRowSelect) != 0; }

    // Columns. InsertColumn returns the index, -1 when `index` is past the end.
    int InsertColumn(int index, const ListColumn& column);
    int InsertColumn(int index, std::string title, ColumnAlign align = ColumnAlign::Left,
                     int width = -1);
    bool DeleteColumn(int index);
    int GetColumnCount() const { return static_cast<int>(columns_.size()); }
    const ListColumn* GetColumn(int index) const;
    bool SetColumn(int index, const ListColumn& column);
    int GetColumnWidth(int index) const;  // 0 when out of range
    // Derived controls that keep width bookkeeping of their own override it; a person's
    // divider drag goes through it too.
    virtual bool SetColumnWidth(int index, int width);
    // Display order of the header: the column index at each position.
    const std::vector<int>& GetColumnOrder() const { return order_; }
    bool SetColumnOrder(const std::vector<int>& order);  // a permutation of the columns
    void SetHeaderImageList(const ImageList* images) {
        headerImages_ = images;
        NotifyChanged(kChangeImages);
    }
    const ImageList* GetHeaderImageList() const { return headerImages_; }

    // Items.
    int InsertItem(int index, std::string text);  // -1 or past the end appends
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    bool SetItemText(int item, int column, std::string text);
    // Appends an item with the texts of its columns (texts past the last column are dropped);
    // returns its index.
    int AppendItem(std::vector<std::string> texts);
    // Filling many items: BeginFill makes room for `count` more items and gathers the change
    // notifications (and the revision) until EndFill, which sends them as one.
    void BeginFill(int count);
    void EndFill();
    std::string GetItemText(int item, int column) const;
    // The cell's text without a copy (empty when there is no such cell): valid until the item
    // changes or goes.
    const std::string& ItemText(int item, int column) const;
    // Copies at most size - 1 bytes and a terminating zero into `buffer`; returns the bytes
    // copied (0 when the cell does not exist).
    int GetItemText(int item, int column, char* buffer, int size) const;
    bool SetItemData(int item, intptr_t data);
    intptr_t GetItemData(int item) const;

    // States: ListItemState bits. Setting the focus on one item takes it from the others; in
    // a single-selection list selecting one item deselects the others.
    bool SetItemState(int item, uint32_t state, uint32_t mask);
    uint32_t GetItemState(int item, uint32_t mask) const;
    // The next item after `start` (-1: from the top) with all the states in `flags`.
    int GetNextItem(int start, uint32_t flags) const;
    int GetSelectedCount() const;
    int GetSelectionMark() const { return selectionMark_; }

    // Scrolling.
    int ItemHeight() const;
    int HeaderHeight() const;
    int GetCountPerPage() const;  // rows that fit entirely, at least 1
    int GetTopIndex() const { return topIndex_; }
    // Scrolls the least so that `item` is shown; false when it does not exist.
    bool EnsureVisible(int item, bool partialOk = false);
    // Scrolls by pixels: rows by dy / ItemHeight(), columns by dx.
    bool Scroll(Size delta);
    int GetScrollX() const { return scrollX_; }
    int TotalColumnWidth() const;

    // Colours.
    Color GetTextColor() const { return textColor_; }
    void SetTextColor(Color c) { SetColour(textColor_, c); }
    Color GetTextBkColor() const { return textBkColor_; }
    void SetTextBkColor(Color c) { SetColour(textBkColor_, c); }
    Color GetBkColor() const { return bkColor_; }
    void SetBkColor(Color c) { SetColour(bkColor_, c); }

    // The window's font, or the default font when no window along the parents has one.
    const Font& ListFont() const;

    // Redrawing: every call asks the backend to paint again (counted for those who check).
    void Invalidate() {
        ++paintRequests_;
        NotifyChanged(kChangeItemsChanged);
    }
    int PaintRequests() const { return paintRequests_; }

    // Where a client point falls: the header, an item's cell, or nowhere.
    ListHitTest HitTest(Point p) const;
    // The client rectangle of an item's row (full width of the columns).
    Rect GetItemRect(int item) const;

    // User input.
    bool ClickColumnHeader(int column);  // kNotifyColumnClick
    // Selects (Ctrl toggles in a multi-selection list) and focuses the item:
    // kNotifyItemChanged for each item whose state changed.
    bool ClickItem(int item, unsigned modifiers = kClickPlain);
    bool DoubleClickItem(int item);  // click, then kNotifyDoubleClicked
    // On an item: selects it, then kNotifyRightClick; item -1 is the empty area.
    bool RightClickItem(int item, Point screen = {});
    // OnHeaderRightClick decides; by default the parent gets kNotifyHeaderRightClick.
    bool RightClickHeader(int column, Point screen = {});
    bool BeginDrag(int item);  // kNotifyBeginDrag
    // The wheel (kWheelDelta per notch, positive away from the person) scrolls rows.
    bool TurnWheel(int wheelDelta);
    // A scroll bar: vertical in rows (the top index), horizontal in pixels.
    bool ScrollBarInput(ScrollBarKind bar, ScrollAction action, int thumb = 0);
    ScrollInfo GetScrollInfo(ScrollBarKind bar) const;
    // The person drags the header divider after `column` to give it `width` pixels.
    bool DragColumnDivider(int column, int width);

protected:
    // Up, Down, Page Up, Page Down, Home and End move the focus and the selection as a click
    // on the item they reach would; other keys (and keys with modifiers) go to the parent.
    bool OnKeyDown(const KeyEvent& key) override;
    // A right click on the header; returns true when the control handled it itself.
    virtual bool OnHeaderRightClick(int column, Point screen);
    // Keep per-item and per-column state of derived classes in step.
    virtual void OnItemInserted(int /*item*/) {}
    virtual void OnItemDeleted(int /*item*/) {}
    virtual void OnAllItemsDeleted() {}
    virtual void OnColumnInserted(int /*column*/) {}
    virtual void OnColumnDeleted(int /*column*/) {}

private:
    struct Item {
        std::vector<std::string> texts;  // one per column; missing ones are empty
        uint32_t state = 0;
        intptr_t data = 0;
    };

    bool ValidItem(int item) const { return item >= 0 && item < GetItemCount(); }
    // NotifyChanged, or only remembered while a fill lasts.
    void Changed(uint32_t changes);
    // The item a navigation key moves the focus to; -1 for other keys.
    int KeyTarget(uint32_t key) const;
    void ChangeState(int item, uint32_t state, uint32_t mask);
    void ClampTopIndex();
    void SetTopIndex(int top);
    void SetScrollX(int x);
    void SetColour(Color& member, Color c);

    uint32_t listStyle_ = kLvsReport;
    uint32_t extendedStyle_ = 0;
    std::vector<ListColumn> columns_;
    std::vector<int> order_;
    std::vector<Item> items_;
    const ImageList* headerImages_ = nullptr;
    int topIndex_ = 0;
    int scrollX_ = 0;
    int selectionMark_ = -1;
    Color textColor_;
    Color textBkColor_;
    Color bkColor_;
    int paintRequests_ = 0;
    bool filling_ = false;
    uint32_t heldChanges_ = 0;
};

}  // namespace tarnui
