// A multi-column tree control: items in a hierarchy, each with one text per column, an image
// and a selected image; expansion, a selection (the caret), a drop-target highlight, a
// first visible item and scroll positions; a column header that can be switched on and off.
// A backend renders this state; a person's clicks come back through the user-input
// operations, which notify the parent (ReportNotifications.h).
//
// Geometry: rows are GetItemHeight() pixels high below the header (HeaderHeight(), 0 while
// the header is off). An item at depth d (top level 0) starts its icon at
// (d + 1) * GetIndent() with the lines-at-root style, d * GetIndent() without it, less the
// horizontal scroll position; its button lies in the indent step just before, its label
// follows the icon (GetImageList()'s image width, none without an image list) and is as
// wide as its column-0 text in the item font, plus 4.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/Control.h"
#include "platform/controls/ScrollInput.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/windows/Geometry.h"

namespace tarnui {

class ImageList;

// An item handle; 0 is no item. Handles are never reused by one control.
using TreeItem = intptr_t;
// Insertion places: as `parent`, the top level; as `after`, first or last among siblings.
inline constexpr TreeItem kTreeRoot = -0x10000;
inline constexpr TreeItem kTreeFirst = -0x0FFFF;
inline constexpr TreeItem kTreeLast = -0x0FFFE;

enum TreeStyle : uint32_t {
    kTvsHasButtons = 1u << 0,
    kTvsHasLines = 1u << 1,
    kTvsLinesAtRoot = 1u << 2,
    kTvsEditLabels = 1u << 3,
    kTvsShowSelAlways = 1u << 4,
    kTvsClientEdge = 1u << 5,
};

enum class TreeExpand { Expand, Collapse, Toggle };

// Why the selection changed.
enum class TreeAction { ByCode, ByMouse };

struct TreeSelectionChange {
    TreeItem oldItem = 0;
    TreeItem newItem = 0;
    TreeAction action = TreeAction::ByCode;
};

struct TreeExpansionChange {
    TreeItem item = 0;
    bool expanded = false;
};

enum TreeHitFlags : uint32_t {
    kTvhtNowhere = 1u << 0,
    kTvhtOnIcon = 1u << 1,
    kTvhtOnLabel = 1u << 2,
    kTvhtOnIndent = 1u << 3,
    kTvhtOnButton = 1u << 4,
    kTvhtOnRight = 1u << 5,
    kTvhtAbove = 1u << 6,
    kTvhtBelow = 1u << 7,
    kTvhtOnHeader = 1u << 8,
    kTvhtOnItem = kTvhtOnIcon | kTvhtOnLabel,
};

struct TreeHitTest {
    TreeItem item = 0;
    uint32_t flags = kTvhtNowhere;
    int column = -1;  // the header column under the point, when kTvhtOnHeader
};

struct TreeColumn {
    std::string title;
    int width = 0;
};

class TreeControl : public Control {
public:
    TreeControl();
    ~TreeControl() override;
    ControlKind Kind() const override { return ControlKind::Tree; }

    // Creates the control; `treeStyle` holds TreeStyle bits.
    bool Create(Window* parent, const Rect& rect, int id, uint32_t treeStyle,
                uint32_t controlStyle = kStyleTabStop);
    uint32_t GetTreeStyle() const { return treeStyle_; }
    void ModifyTreeStyle(uint32_t remove, uint32_t add) {
        treeStyle_ = (treeStyle_ & ~remove) | add;
        NotifyChanged(kChangeAppearance);
    }

    // Items. InsertItem returns the new item, 0 when `parent` or `after` is not valid
    // (`after` must be kTreeFirst, kTreeLast or a child of `parent`). The text is copied into
    // the item's slot, whose storage a refill of an emptied tree takes over.
    TreeItem InsertItem(std::string_view text, int image, int selectedImage,
                        TreeItem parent = kTreeRoot, TreeItem after = kTreeLast);
    TreeItem InsertItem(std::string_view text, TreeItem parent = kTreeRoot,
                        TreeItem after = kTreeLast);
    // Deletes the item and its descendants; kTreeRoot deletes everything.
    bool DeleteItem(TreeItem item);
    bool DeleteAllItems() { return DeleteItem(kTreeRoot); }
    int GetCount() const { return count_; }
    bool IsValid(TreeItem item) const { return Find(item) != nullptr; }

    // Navigation; 0 when there is none.
    TreeItem GetRootItem() const { return firstTop_; }  // the first top-level item
    TreeItem GetParentItem(TreeItem item) const;
    TreeItem GetChildItem(TreeItem item) const;  // first child; kTreeRoot: GetRootItem()
    TreeItem GetNextSiblingItem(TreeItem item) const;
    TreeItem GetPrevSiblingItem(TreeItem item) const;
    bool ItemHasChildren(TreeItem item) const { return GetChildItem(item) != 0; }
    int GetDepth(TreeItem item) const;  // top level 0; -1 for no item
    // The next and previous item in the order rows are shown (through expanded items).
    TreeItem GetNextVisibleItem(TreeItem item) const;
    TreeItem GetPrevVisibleItem(TreeItem item) const;
    // Whether every ancestor of the item is expanded.
    bool IsShown(TreeItem item) const;

    // Texts, images and data.
    bool SetItemText(TreeItem item, std::string text) { return SetItemText(item, 0, text); }
    std::string GetItemText(TreeItem item) const { return GetItemText(item, 0); }
    bool SetItemText(TreeItem item, int column, std::string text);
    std::string GetItemText(TreeItem item, int column) const;
    // The column-0 text without a copy; empty for no item. Valid until the item changes.
    const std::string& ItemText(TreeItem item) const;
    bool SetItemImage(TreeItem item, int image, int selectedImage);
    bool GetItemImage(TreeItem item, int& image, int& selectedImage) const;
    bool SetItemData(TreeItem item, intptr_t data);
    intptr_t GetItemData(TreeItem item) const;
    void SetImageList(const ImageList* images) {
        images_ = images;
        NotifyChanged(kChangeImages);
    }
    const ImageList* GetImageList() const { return images_; }
    // The image a backend draws for the item (its selected image while it is the
    // selection): the index when the image list holds it, -1 (none) otherwise.
    virtual int ImageToDraw(TreeItem item) const;

    // Expansion. Expanding an item without children only records the state.
    bool Expand(TreeItem item, TreeExpand action);
    bool IsExpanded(TreeItem item) const;

    // Selection and highlight. SelectItem makes the item the caret, expanding its ancestors
    // and scrolling it into view; the parent gets kNotifyTreeSelChanged when it changed.
    bool SelectItem(TreeItem item);  // 0 clears the selection
    TreeItem GetSelectedItem() const { return selected_; }
    bool SelectDropTarget(TreeItem item);  // 0 clears the highlight
    TreeItem GetDropHilightItem() const { return dropTarget_; }
    // Scrolls so that the item is the first visible one (as far as the rows allow).
    bool SelectSetFirstVisible(TreeItem item);
    TreeItem GetFirstVisibleItem() const;
    bool EnsureVisible(TreeItem item);
    int GetVisibleCount() const;  // rows that fit entirely, at least 1

    // Scroll positions: vertical in rows, horizontal in pixels.
    int GetScrollPosVert() const { return scrollVert_; }
    int GetScrollPosHorz() const { return scrollHorz_; }
    void SetScrollPosVert(int rows);
    void SetScrollPosHorz(int pixels);

    // Columns: column 0 (the tree column) always exists.
    int InsertColumn(int index, std::string title, int width);  // index 1..count; -1 fails
    bool DeleteColumn(int index);                               // never column 0
    int GetColumnCount() const { return static_cast<int>(columns_.size()); }
    int GetColumnWidth(int column) const;  // 0 when out of range
    // Derived controls that keep width bookkeeping of their own override it; a person's
    // divider drag goes through it too.
    virtual bool SetColumnWidth(int column, int width);
    std::string GetColumnTitle(int column) const;
    bool SetColumnTitle(int column, std::string title);
    int TotalColumnWidth() const;
    // The column header; `redraw` false changes it without repainting.
    void ShowHeader(bool show, bool redraw = true);
    bool IsHeaderShown() const { return headerShown_; }
    int HeaderHeight() const;

    // Geometry.
    int GetItemHeight() const;
    void SetItemHeight(int height);  // below 1: back to the font's cell height + 2
    int GetIndent() const { return indent_; }
    void SetIndent(int indent) { indent_ = indent > 0 ? indent : indent_; }
    // The item's row (textOnly false) or its label, in client coordinates; empty when the
    // item is not shown.
    Rect GetItemRect(TreeItem item, bool textOnly) const;
    TreeHitTest HitTest(Point p) const;

    // Colours and fonts. The item font draws the items; the label font is used while a label
    // is edited. Both default to the window's font.
    Color GetTextColor() const { return textColor_; }
    void SetTextColor(Color c) { SetColour(textColor_, c); }
    Color GetBkColor() const { return bkColor_; }
    void SetBkColor(Color c) { SetColour(bkColor_, c); }
    Color GetTextBkColor() const { return textBkColor_; }
    void SetTextBkColor(Color c) { SetColour(textBkColor_, c); }
    void SetItemFont(const Font& font);
    void SetLabelFont(const Font& font);
    const Font& GetItemFont() const;
    const Font& GetLabelFont() const;

    // A one-image list showing the item's icon and label, for dragging; null when the item
    // does not exist.
    std::unique_ptr<ImageList> CreateDragImage(TreeItem item) const;

    // Redrawing: SetRedraw(false) suspends painting until SetRedraw(true).
    void SetRedraw(bool on);
    bool IsRedrawOn() const { return redraw_; }
    void Invalidate();
    int PaintRequests() const { return paintRequests_; }

    // User input. Clicks at a client point act on what HitTest finds there: a button toggles
    // the item (kNotifyTreeItemExpanded), an icon or label selects it (kNotifyTreeSelChanged).
    // The item forms click at the middle of the item's label, scrolling it into view first;
    // they refuse an item that is not shown.
    bool ClickAt(Point p);
    bool ClickItem(TreeItem item);
    bool ClickButton(TreeItem item);
    // kNotifyDoubleClicked (payload: item under the point, data: the point); when the
    // parent does not handle it, an item with children is toggled.
    bool DoubleClickAt(Point p);
    bool DoubleClickItem(TreeItem item);
    // kNotifyRightClick (payload: item under the point or 0, data: the point).
    bool RightClickAt(Point p);
    bool RightClickItem(TreeItem item);
    // A right click on the header (refused while it is off): OnHeaderRightClick decides, by
    // default the parent gets kNotifyHeaderRightClick.
    bool RightClickHeader(int column, Point screen = {});
    bool BeginDrag(TreeItem item);  // kNotifyBeginDrag (payload: item)
    // While a drag is on (from BeginDrag until a drop or cancel): moving over a client point
    // sends kNotifyDragOver, releasing sends kNotifyDrop, Escape or leaving the window
    // kNotifyDragCancel (payload: the item under the point or 0, data: const Point*). The
    // parent highlights the target and moves the item; the drop highlight is cleared when the
    // drag ends.
    bool DragOver(Point p);
    bool Drop(Point p);
    bool CancelDrag();
    bool IsDragging() const { return dragging_; }
    // The wheel (kWheelDelta per notch, positive away from the person) scrolls rows.
    bool TurnWheel(int wheelDelta);
    // A scroll bar: vertical in rows, horizontal in pixels.
    bool ScrollBarInput(ScrollBarKind bar, ScrollAction action, int thumb = 0);
    ScrollInfo GetScrollInfo(ScrollBarKind bar) const;
    // The person drags the header divider after `column` to give it `width` pixels.
    bool DragColumnDivider(int column, int width);

protected:
    virtual bool OnHeaderRightClick(int column, Point screen);
    // Escape while dragging cancels the drag. Without modifiers the arrows, Home and End
    // move the selection (as clicks), Page Up and Page Down by a page of rows, Left and Right
    // collapse and expand or go to the parent and the first child.
    bool OnKeyDown(const KeyEvent& key) override;

private:
    struct Node {
        TreeItem id = 0;
        TreeItem parent = 0;
        TreeItem firstChild = 0, lastChild = 0;
        TreeItem prev = 0, next = 0;
        std::string text;  // column 0
        // Columns 1 on, as far as any was set; most trees have one column, so the texts of
        // the others are kept apart and a slot stays small.
        std::unique_ptr<std::vector<std::string>> more;
        intptr_t data = 0;
        int image = 0, selectedImage = 0;
        bool expanded = false;

        std::vector<std::string>& More() {
            if (more == nullptr) {
                more = std::make_unique<std::vector<std::string>>();
            }
            return *more;
        }
        size_t MoreCount() const { return more != nullptr ? more->size() : 0; }
    };

    // Items live in fixed-size blocks indexed by handle - base_ (so their addresses stay put
    // while items are added); a deleted item's slot stays empty (id 0) until the tree is
    // emptied, when base_ moves on to the next handle and the slots are taken again from the
    // first (memory is kept like a vector's capacity until the control goes).
    static constexpr size_t kBlockBits = 10;
    static constexpr size_t kBlockSize = size_t{1} << kBlockBits;
    Node* Find(TreeItem item);
    const Node* Find(TreeItem item) const;
    Node& NewSlot();
    void DropAllSlots();
    template <typename Visit>
    void ForEachNode(Visit visit) {
        for (size_t slot = 0; slot < slots_; ++slot) {
            Node& node = blocks_[slot >> kBlockBits][slot & (kBlockSize - 1)];
            if (node.id != 0) {
                visit(node);
            }
        }
    }
    void EraseSubtree(TreeItem item);
    bool IsWithin(TreeItem item, TreeItem ancestor) const;  // item == ancestor or below it
    // The visible rows, top to bottom (scroll position 0 first).
    std::vector<TreeItem> VisibleRows() const;
    // The visible rows, counted up to `limit` at most.
    int VisibleRowCount(int limit = std::numeric_limits<int>::max()) const;
    // The row after a shown item, walking down through expanded items and up to the next
    // sibling of an ancestor.
    TreeItem NextShownItem(const Node* node) const;
    int RowOf(TreeItem item) const;  // -1 when not shown
    int MaxScrollVert() const;
    void ClampScroll();
    void ChangeSelection(TreeItem item, TreeAction action);
    void FixSelectionAfterCollapse(TreeItem item);
    int IconWidth() const;
    const Font& WindowFont() const;
    int ItemLeft(int depth) const;
    void SetColour(Color& member, Color c);
    bool EndDrag(Point p, int code);

    uint32_t treeStyle_ = 0;
    std::vector<std::unique_ptr<Node[]>> blocks_;
    size_t slots_ = 0;  // slots in use, live or deleted: nextId_ - base_
    TreeItem base_ = 1;
    int count_ = 0;  // live items
    TreeItem firstTop_ = 0, lastTop_ = 0;
    TreeItem nextId_ = 1;
    TreeItem selected_ = 0;
    TreeItem dropTarget_ = 0;
    const ImageList* images_ = nullptr;
    std::vector<TreeColumn> columns_;
    bool headerShown_ = true;
    int itemHeight_ = 0;  // 0: from the font
    int indent_ = 19;
    int scrollVert_ = 0;
    int shownScrollVert_ = 0;  // the position last told to the backend
    bool dragging_ = false;
    int scrollHorz_ = 0;
    Color textColor_;
    Color bkColor_;
    Color textBkColor_;
    std::unique_ptr<Font> itemFont_;
    std::unique_ptr<Font> labelFont_;
    bool redraw_ = true;
    int paintRequests_ = 0;
};

}  // namespace tarnui
