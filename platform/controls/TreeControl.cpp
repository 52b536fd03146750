#include "platform/controls/TreeControl.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "platform/controls/ReportNotifications.h"
#include "platform/graphics/ImageList.h"

namespace tarnui {

namespace {
constexpr int kDefaultColumnWidth = 200;
constexpr int kLabelPadding = 4;
}  // namespace

TreeControl::TreeControl()
    : columns_{{std::string(), kDefaultColumnWidth}},
      textColor_(GetSysColor(kColorWindowText)),
      bkColor_(GetSysColor(kColorWindow)),
      textBkColor_(GetSysColor(kColorWindow)) {}

TreeControl::~TreeControl() = default;

bool TreeControl::Create(Window* parent, const Rect& rect, int id, uint32_t treeStyle,
                         uint32_t controlStyle) {
    treeStyle_ = treeStyle;
    return CreateControl(parent, rect, id, controlStyle);
}

TreeControl::Node* TreeControl::Find(TreeItem item) {
    return const_cast<Node*>(std::as_const(*this).Find(item));
}

const TreeControl::Node* TreeControl::Find(TreeItem item) const {
    if (item < base_) {
        return nullptr;
    }
    const auto slot = static_cast<size_t>(item - base_);
    if (slot >= slots_) {
        return nullptr;
    }
    const Node& node = blocks_[slot >> kBlockBits][slot & (kBlockSize - 1)];
    return node.id != 0 ? &node : nullptr;
}

TreeControl::Node& TreeControl::NewSlot() {
    if ((slots_ >> kBlockBits) == blocks_.size()) {
        blocks_.push_back(std::make_unique<Node[]>(kBlockSize));
    }
    Node& node = blocks_[slots_ >> kBlockBits][slots_ & (kBlockSize - 1)];
    // It may still hold an item from before the tree was last emptied; the caller sets the
    // links, the text and the images.
    node.more.reset();
    node.expanded = false;
    node.data = 0;
    node.firstChild = node.lastChild = 0;
    ++slots_;
    return node;
}

void TreeControl::DropAllSlots() {
    // The blocks stay for the next items, which clear each slot as they take it: emptying a
    // large tree that is filled again at once costs no pass over it.
    slots_ = 0;
    base_ = nextId_;
    count_ = 0;
}

// ---- items --------------------------------------------------------------------------------

TreeItem TreeControl::InsertItem(std::string_view text, TreeItem parent, TreeItem after) {
    return InsertItem(text, 0, 0, parent, after);
}

TreeItem TreeControl::InsertItem(std::string_view text, int image, int selectedImage,
                                 TreeItem parent, TreeItem after) {
    Node* parentNode = nullptr;
    if (parent != kTreeRoot && parent != 0) {
        parentNode = Find(parent);
        if (parentNode == nullptr) {
            return 0;
        }
    } else {
        parent = 0;
    }
    TreeItem& first = parentNode != nullptr ? parentNode->firstChild : firstTop_;
    TreeItem& last = parentNode != nullptr ? parentNode->lastChild : lastTop_;
    Node* prevNode = nullptr;  // slots stay put while items are added
    if (after == kTreeLast) {
        prevNode = last != 0 ? Find(last) : nullptr;
    } else if (after != kTreeFirst) {
        prevNode = Find(after);
        if (prevNode == nullptr || prevNode->parent != parent) {
            return 0;
        }
    }

    Node* node = &NewSlot();
    node->id = nextId_++;
    node->parent = parent;
    node->text.assign(text);
    node->image = image;
    node->selectedImage = selectedImage;
    node->prev = prevNode != nullptr ? prevNode->id : 0;
    node->next = prevNode != nullptr ? prevNode->next : first;
    const TreeItem id = node->id;
    if (node->next != 0) {
        Find(node->next)->prev = id;
    } else {
        last = id;
    }
    if (prevNode != nullptr) {
        prevNode->next = id;
    } else {
        first = id;
    }
    ++count_;
    NotifyChanged(kChangeItemsInserted);
    return id;
}

bool TreeControl::IsWithin(TreeItem item, TreeItem ancestor) const {
    for (const Node* n = Find(item); n != nullptr; n = Find(n->parent)) {
        if (n->id == ancestor) {
            return true;
        }
    }
    return false;
}

void TreeControl::EraseSubtree(TreeItem item) {
    Node* node = Find(item);
    for (TreeItem child = node->firstChild; child != 0;) {
        const TreeItem next = Find(child)->next;
        EraseSubtree(child);
        child = next;
    }
    *node = Node{};
    --count_;
}

bool TreeControl::DeleteItem(TreeItem item) {
    if (item == kTreeRoot) {
        const bool hadSelection = selected_ != 0;
        DropAllSlots();
        firstTop_ = lastTop_ = 0;
        dropTarget_ = 0;
        scrollVert_ = 0;
        ClampScroll();
        if (hadSelection) {
            ChangeSelection(0, TreeAction::ByCode);
        }
        NotifyChanged(kChangeItemsRemoved);
        return true;
    }
    Node* node = Find(item);
    if (node == nullptr) {
        return false;
    }
    const bool selectionGoes = selected_ != 0 && IsWithin(selected_, item);
    if (dropTarget_ != 0 && IsWithin(dropTarget_, item)) {
        dropTarget_ = 0;
    }
    Node* parent = Find(node->parent);
    TreeItem& first = parent != nullptr ? parent->firstChild : firstTop_;
    TreeItem& last = parent != nullptr ? parent->lastChild : lastTop_;
    if (node->prev != 0) {
        Find(node->prev)->next = node->next;
    } else {
        first = node->next;
    }
    if (node->next != 0) {
        Find(node->next)->prev = node->prev;
    } else {
        last = node->prev;
    }
    EraseSubtree(item);
    if (count_ == 0) {
        DropAllSlots();
    }
    ClampScroll();
    if (selectionGoes) {
        ChangeSelection(0, TreeAction::ByCode);
    }
    NotifyChanged(kChangeItemsRemoved);
    return true;
}

// ---- navigation ---------------------------------------------------------------------------

TreeItem TreeControl::GetParentItem(TreeItem item) const {
    const Node* n = Find(item);
    return n != nullptr ? n->parent : 0;
}

TreeItem TreeControl::GetChildItem(TreeItem item) const {
    if (item == kTreeRoot) {
        return firstTop_;
    }
    const Node* n = Find(item);
    return n != nullptr ? n->firstChild : 0;
}

TreeItem TreeControl::GetNextSiblingItem(TreeItem item) const {
    const Node* n = Find(item);
    return n != nullptr ? n->next : 0;
}

TreeItem TreeControl::GetPrevSiblingItem(TreeItem item) const {
    const Node* n = Find(item);
    return n != nullptr ? n->prev : 0;
}

int TreeControl::GetDepth(TreeItem item) const {
    int depth = -1;
    for (const Node* n = Find(item); n != nullptr; n = Find(n->parent)) {
        ++depth;
    }
    return depth;
}

bool TreeControl::IsShown(TreeItem item) const {
    const Node* n = Find(item);
    if (n == nullptr) {
        return false;
    }
    for (const Node* p = Find(n->parent); p != nullptr; p = Find(p->parent)) {
        if (!p->expanded) {
            return false;
        }
    }
    return true;
}

TreeItem TreeControl::GetNextVisibleItem(TreeItem item) const {
    const Node* n = Find(item);
    if (n == nullptr || !IsShown(item)) {
        return 0;
    }
    return NextShownItem(n);
}

TreeItem TreeControl::NextShownItem(const Node* n) const {
    if (n->expanded && n->firstChild != 0) {
        return n->firstChild;
    }
    for (; n != nullptr; n = Find(n->parent)) {
        if (n->next != 0) {
            return n->next;
        }
    }
    return 0;
}

TreeItem TreeControl::GetPrevVisibleItem(TreeItem item) const {
    const Node* n = Find(item);
    if (n == nullptr || !IsShown(item)) {
        return 0;
    }
    if (n->prev == 0) {
        return n->parent;
    }
    const Node* p = Find(n->prev);
    while (p->expanded && p->lastChild != 0) {
        p = Find(p->lastChild);
    }
    return p->id;
}

std::vector<TreeItem> TreeControl::VisibleRows() const {
    std::vector<TreeItem> rows;
    for (TreeItem item = firstTop_; item != 0; item = NextShownItem(Find(item))) {
        rows.push_back(item);
    }
    return rows;
}

int TreeControl::VisibleRowCount(int limit) const {
    int count = 0;
    for (TreeItem item = firstTop_; item != 0 && count < limit; item = NextShownItem(Find(item))) {
        ++count;
    }
    return count;
}

int TreeControl::RowOf(TreeItem item) const {
    if (!IsShown(item)) {
        return -1;
    }
    int row = 0;
    for (TreeItem i = firstTop_; i != 0; i = NextShownItem(Find(i)), ++row) {
        if (i == item) {
            return row;
        }
    }
    return -1;
}

// ---- texts, images, data --------------------------------------------------------------------

bool TreeControl::SetItemText(TreeItem item, int column, std::string text) {
    Node* n = Find(item);
    if (n == nullptr || column < 0 || column >= GetColumnCount()) {
        return false;
    }
    if (column == 0) {
        n->text = std::move(text);
    } else {
        if (static_cast<int>(n->MoreCount()) < column) {
            n->More().resize(column);
        }
        n->More()[column - 1] = std::move(text);
    }
    NotifyChanged(kChangeItemsChanged);
    return true;
}

std::string TreeControl::GetItemText(TreeItem item, int column) const {
    const Node* n = Find(item);
    if (n == nullptr || column < 0 || column > static_cast<int>(n->MoreCount())) {
        return {};
    }
    return column == 0 ? n->text : (*n->more)[column - 1];
}

const std::string& TreeControl::ItemText(TreeItem item) const {
    static const std::string kNone;
    const Node* n = Find(item);
    return n != nullptr ? n->text : kNone;
}

bool TreeControl::SetItemImage(TreeItem item, int image, int selectedImage) {
    Node* n = Find(item);
    if (n == nullptr) {
        return false;
    }
    n->image = image;
    n->selectedImage = selectedImage;
    NotifyChanged(kChangeImages);
    return true;
}

bool TreeControl::GetItemImage(TreeItem item, int& image, int& selectedImage) const {
    const Node* n = Find(item);
    if (n == nullptr) {
        return false;
    }
    image = n->image;
    selectedImage = n->selectedImage;
    return true;
}

bool TreeControl::SetItemData(TreeItem item, intptr_t data) {
    Node* n = Find(item);
    if (n == nullptr) {
        return false;
    }
    n->data = data;
    NotifyChanged(kChangeItemsChanged);
    return true;
}

intptr_t TreeControl::GetItemData(TreeItem item) const {
    const Node* n = Find(item);
    return n != nullptr ? n->data : 0;
}

int TreeControl::ImageToDraw(TreeItem item) const {
    const Node* n = Find(item);
    if (n == nullptr || images_ == nullptr) {
        return -1;
    }
    const int index = item == selected_ ? n->selectedImage : n->image;
    return index >= 0 && index < images_->Count() ? index : -1;
}

// ---- expansion and selection ----------------------------------------------------------------

bool TreeControl::Expand(TreeItem item, TreeExpand action) {
    Node* n = Find(item);
    if (n == nullptr) {
        return false;
    }
    switch (action) {
        case TreeExpand::Expand:
            n->expanded = true;
            break;
        case TreeExpand::Collapse:
            n->expanded = false;
            break;
        case TreeExpand::Toggle:
            n->expanded = !n->expanded;
            break;
    }
    if (!n->expanded) {
        FixSelectionAfterCollapse(item);
        ClampScroll();
    }
    NotifyChanged(kChangeExpansion);
    return true;
}

bool TreeControl::IsExpanded(TreeItem item) const {
    const Node* n = Find(item);
    return n != nullptr && n->expanded;
}

void TreeControl::FixSelectionAfterCollapse(TreeItem item) {
    // A selection hidden by the collapse moves to the collapsed item.
    if (selected_ != 0 && selected_ != item && IsWithin(selected_, item)) {
        ChangeSelection(item, TreeAction::ByCode);
    }
}

void TreeControl::ChangeSelection(TreeItem item, TreeAction action) {
    const TreeItem old = selected_;
    selected_ = item;
    if (old != item) {
        NotifyChanged(kChangeSelection);
        const TreeSelectionChange change{old, item, action};
        NotifyParent(kNotifyTreeSelChanged, item, &change);
    }
}

bool TreeControl::SelectItem(TreeItem item) {
    if (item != 0 && !IsValid(item)) {
        return false;
    }
    if (item != 0) {
        EnsureVisible(item);
    }
    ChangeSelection(item, TreeAction::ByCode);
    return true;
}

bool TreeControl::SelectDropTarget(TreeItem item) {
    if (item != 0 && !IsValid(item)) {
        return false;
    }
    dropTarget_ = item;
    NotifyChanged(kChangeSelection);
    return true;
}

bool TreeControl::EnsureVisible(TreeItem item) {
    if (!IsValid(item)) {
        return false;
    }
    bool expanded = false;
    for (Node* p = Find(GetParentItem(item)); p != nullptr; p = Find(p->parent)) {
        expanded = expanded || !p->expanded;
        p->expanded = true;
    }
    if (expanded) {
        NotifyChanged(kChangeExpansion);
    }
    const int row = RowOf(item);
    if (row < scrollVert_) {
        scrollVert_ = row;
    } else if (row >= scrollVert_ + GetVisibleCount()) {
        scrollVert_ = row - GetVisibleCount() + 1;
    }
    ClampScroll();
    return true;
}

bool TreeControl::SelectSetFirstVisible(TreeItem item) {
    if (!IsValid(item)) {
        return false;
    }
    EnsureVisible(item);
    scrollVert_ = RowOf(item);
    ClampScroll();
    return true;
}

TreeItem TreeControl::GetFirstVisibleItem() const {
    TreeItem item = firstTop_;
    for (int row = 0; item != 0 && row < scrollVert_; ++row) {
        item = GetNextVisibleItem(item);
    }
    return item;
}

int TreeControl::GetVisibleCount() const {
    return std::max(1, (GetClientRect().Height() - HeaderHeight()) / GetItemHeight());
}

int TreeControl::MaxScrollVert() const {
    return std::max(0, VisibleRowCount() - GetVisibleCount());
}

void TreeControl::ClampScroll() {
    // Rows are counted only as far as the position needs: with that many the position
    // stands, and a large tree scrolled to the top is not walked at all.
    const int rowsNeeded = scrollVert_ + GetVisibleCount();
    if (scrollVert_ <= 0) {
        scrollVert_ = 0;
    } else if (const int rows = VisibleRowCount(rowsNeeded); rows < rowsNeeded) {
        scrollVert_ = std::max(0, rows - GetVisibleCount());
    }
    if (scrollVert_ != shownScrollVert_) {
        shownScrollVert_ = scrollVert_;
        NotifyChanged(kChangeScroll);
    }
}

void TreeControl::SetScrollPosVert(int rows) {
    scrollVert_ = rows;
    ClampScroll();
}

void TreeControl::SetScrollPosHorz(int pixels) {
    if (std::max(0, pixels) != scrollHorz_) {
        scrollHorz_ = std::max(0, pixels);
        NotifyChanged(kChangeScroll);
    }
}

// ---- columns and header -------------------------------------------------------------------

int TreeControl::InsertColumn(int index, std::string title, int width) {
    if (index < 1 || index > GetColumnCount()) {
        return -1;
    }
    columns_.insert(columns_.begin() + index, TreeColumn{std::move(title), std::max(0, width)});
    ForEachNode([index](Node& node) {
        if (static_cast<int>(node.MoreCount()) >= index) {
            node.more->insert(node.more->begin() + (index - 1), std::string());
        }
    });
    NotifyChanged(kChangeColumns);
    return index;
}

bool TreeControl::DeleteColumn(int index) {
    if (index < 1 || index >= GetColumnCount()) {
        return false;
    }
    columns_.erase(columns_.begin() + index);
    ForEachNode([index](Node& node) {
        if (static_cast<int>(node.MoreCount()) >= index) {
            node.more->erase(node.more->begin() + (index - 1));
        }
    });
    NotifyChanged(kChangeColumns);
    return true;
}

int TreeControl::GetColumnWidth(int column) const {
    return column >= 0 && column < GetColumnCount() ? columns_[column].width : 0;
}

bool TreeControl::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) {
        return false;
    }
    columns_[column].width = std::max(0, width);
    NotifyChanged(kChangeColumns);
    return true;
}

std::string TreeControl::GetColumnTitle(int column) const {
    return column >= 0 && column < GetColumnCount() ? columns_[column].title : std::string();
}

bool TreeControl::SetColumnTitle(int column, std::string title) {
    if (column < 0 || column >= GetColumnCount()) {
        return false;
    }
    columns_[column].title = std::move(title);
    NotifyChanged(kChangeColumns);
    return true;
}

int TreeControl::TotalColumnWidth() const {
    return std::accumulate(columns_.begin(), columns_.end(), 0,
                           [](int sum, const TreeColumn& c) { return sum + c.width; });
}

void TreeControl::ShowHeader(bool show, bool redraw) {
    headerShown_ = show;
    ClampScroll();
    if (redraw) {
        Invalidate();
    }
    NotifyChanged(kChangeColumns);
}

int TreeControl::HeaderHeight() const {
    return headerShown_ ? tarnui::GetTextMetrics(GetItemFont()).height + 6 : 0;
}

// ---- geometry -----------------------------------------------------------------------------

int TreeControl::GetItemHeight() const {
    if (itemHeight_ > 0) {
        return itemHeight_;
    }
    return std::max(1, tarnui::GetTextMetrics(GetItemFont()).height + 2);
}

void TreeControl::SetItemHeight(int height) {
    itemHeight_ = std::max(0, height);
    ClampScroll();
    NotifyChanged(kChangeAppearance);
}

int TreeControl::IconWidth() const {
    return images_ != nullptr && images_->IsCreated() ? images_->ImageWidth() : 0;
}

int TreeControl::ItemLeft(int depth) const {
    const int steps = depth + ((treeStyle_ & kTvsLinesAtRoot) != 0 ? 1 : 0);
    return steps * indent_ - scrollHorz_;
}

Rect TreeControl::GetItemRect(TreeItem item, bool textOnly) const {
    const int row = RowOf(item);
    if (row < 0) {
        return {};
    }
    const int top = HeaderHeight() + (row - scrollVert_) * GetItemHeight();
    if (!textOnly) {
        return {-scrollHorz_, top, TotalColumnWidth() - scrollHorz_, top + GetItemHeight()};
    }
    const int left = ItemLeft(GetDepth(item)) + IconWidth();
    const int width = GetTextExtent(GetItemFont(), GetItemText(item)).cx + kLabelPadding;
    return {left, top, left + width, top + GetItemHeight()};
}

TreeHitTest TreeControl::HitTest(Point p) const {
    TreeHitTest hit;
    if (p.y < 0) {
        hit.flags = kTvhtAbove;
        return hit;
    }
    if (p.y < HeaderHeight()) {
        hit.flags = kTvhtOnHeader;
        for (int c = 0, x = -scrollHorz_; c < GetColumnCount(); x += columns_[c].width, ++c) {
            if (p.x >= x && p.x < x + columns_[c].width) {
                hit.column = c;
            }
        }
        return hit;
    }
    if (GetClientRect().Height() > 0 && p.y >= GetClientRect().Height()) {
        hit.flags = kTvhtBelow;
        return hit;
    }
    const int row = scrollVert_ + (p.y - HeaderHeight()) / GetItemHeight();
    TreeItem item = GetFirstVisibleItem();
    for (int r = scrollVert_; item != 0 && r < row; ++r) {
        item = GetNextVisibleItem(item);
    }
    if (item == 0) {
        hit.flags = kTvhtNowhere;
        return hit;
    }
    hit.item = item;
    const int left = ItemLeft(GetDepth(item));
    const Rect label = GetItemRect(item, true);
    const bool buttons = (treeStyle_ & kTvsHasButtons) != 0 && ItemHasChildren(item) &&
                         (GetDepth(item) > 0 || (treeStyle_ & kTvsLinesAtRoot) != 0);
    if (p.x >= label.right) {
        hit.flags = kTvhtOnRight;
    } else if (p.x >= label.left) {
        hit.flags = kTvhtOnLabel;
    } else if (p.x >= left) {
        hit.flags = kTvhtOnIcon;
    } else if (buttons && p.x >= left - indent_) {
        hit.flags = kTvhtOnButton;
    } else {
        hit.flags = kTvhtOnIndent;
    }
    return hit;
}

// ---- colours, fonts, drawing ----------------------------------------------------------------

const Font& TreeControl::WindowFont() const {
    const Font* font = GetFont();
    return font != nullptr ? *font : DefaultFont();
}

void TreeControl::SetItemFont(const Font& font) {
    itemFont_ = std::make_unique<Font>(font);
    ClampScroll();
    NotifyChanged(kChangeAppearance);
}

void TreeControl::SetLabelFont(const Font& font) {
    labelFont_ = std::make_unique<Font>(font);
    NotifyChanged(kChangeAppearance);
}

const Font& TreeControl::GetItemFont() const {
    return itemFont_ != nullptr ? *itemFont_ : WindowFont();
}

const Font& TreeControl::GetLabelFont() const {
    return labelFont_ != nullptr ? *labelFont_ : WindowFont();
}

std::unique_ptr<ImageList> TreeControl::CreateDragImage(TreeItem item) const {
    if (!IsValid(item)) {
        return nullptr;
    }
    const Rect label = GetItemRect(item, true);
    const int labelWidth = label.IsEmpty()
                               ? GetTextExtent(GetItemFont(), GetItemText(item)).cx + kLabelPadding
                               : label.Width();
    const int width = IconWidth() + labelWidth;
    const int height = GetItemHeight();
    // The label as an opaque box in the text colour on the label background; the icon,
    // when there is one, in front of it.
    Bitmap picture(width, height, 0xFF000000u | textBkColor_);
    if (const int index = ImageToDraw(item); index >= 0) {
        const Bitmap* icon = images_->Image(index);
        for (int y = 0; y < std::min(height, icon->Height()); ++y) {
            for (int x = 0; x < icon->Width(); ++x) {
                picture.SetPixel(x, y, icon->Pixel(x, y));
            }
        }
    }
    auto drag = std::make_unique<ImageList>();
    drag->Create(width, height, true, 1, 1);
    drag->Add(picture);
    return drag;
}

void TreeControl::SetRedraw(bool on) {
    redraw_ = on;
    if (on) {
        Invalidate();
    }
}

void TreeControl::Invalidate() {
    if (redraw_) {
        ++paintRequests_;
        NotifyChanged(kChangeItemsChanged);
    }
}

// ---- user input ---------------------------------------------------------------------------

bool TreeControl::ClickAt(Point p) {
    if (!AcceptsInput()) {
        return false;
    }
    SetFocus();
    const TreeHitTest hit = HitTest(p);
    if ((hit.flags & kTvhtOnButton) != 0) {
        Expand(hit.item, TreeExpand::Toggle);
        const TreeExpansionChange change{hit.item, IsExpanded(hit.item)};
        NotifyParent(kNotifyTreeItemExpanded, hit.item, &change);
    } else if ((hit.flags & kTvhtOnItem) != 0) {
        ChangeSelection(hit.item, TreeAction::ByMouse);
    }
    return true;
}

namespace {
Point MiddleOf(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
}  // namespace

bool TreeControl::ClickItem(TreeItem item) {
    if (!AcceptsInput() || !IsShown(item)) {
        return false;
    }
    EnsureVisible(item);
    return ClickAt(MiddleOf(GetItemRect(item, true)));
}

bool TreeControl::ClickButton(TreeItem item) {
    if (!AcceptsInput() || !IsShown(item) || !ItemHasChildren(item) ||
        (treeStyle_ & kTvsHasButtons) == 0 ||
        (GetDepth(item) == 0 && (treeStyle_ & kTvsLinesAtRoot) == 0)) {
        return false;
    }
    EnsureVisible(item);
    const Rect row = GetItemRect(item, false);
    const int left = ItemLeft(GetDepth(item));
    return ClickAt({left - indent_ / 2, (row.top + row.bottom) / 2});
}

bool TreeControl::DoubleClickAt(Point p) {
    if (!ClickAt(p)) {
        return false;
    }
    const TreeHitTest hit = HitTest(p);
    if (!NotifyParent(kNotifyDoubleClicked, hit.item, &p) && (hit.flags & kTvhtOnItem) != 0 &&
        ItemHasChildren(hit.item)) {
        Expand(hit.item, TreeExpand::Toggle);
        const TreeExpansionChange change{hit.item, IsExpanded(hit.item)};
        NotifyParent(kNotifyTreeItemExpanded, hit.item, &change);
    }
    return true;
}

bool TreeControl::DoubleClickItem(TreeItem item) {
    if (!AcceptsInput() || !IsShown(item)) {
        return false;
    }
    EnsureVisible(item);
    return DoubleClickAt(MiddleOf(GetItemRect(item, true)));
}

bool TreeControl::RightClickAt(Point p) {
    if (!AcceptsInput()) {
        return false;
    }
    SetFocus();
    const TreeHitTest hit = HitTest(p);
    NotifyParent(kNotifyRightClick, (hit.flags & kTvhtOnItem) != 0 ? hit.item : 0, &p);
    return true;
}

bool TreeControl::RightClickItem(TreeItem item) {
    if (!AcceptsInput() || !IsShown(item)) {
        return false;
    }
    EnsureVisible(item);
    return RightClickAt(MiddleOf(GetItemRect(item, true)));
}

bool TreeControl::RightClickHeader(int column, Point screen) {
    if (!AcceptsInput() || !headerShown_ || column < -1 || column >= GetColumnCount()) {
        return false;
    }
    if (!OnHeaderRightClick(column, screen)) {
        NotifyParent(kNotifyHeaderRightClick, column, &screen);
    }
    return true;
}

bool TreeControl::OnHeaderRightClick(int /*column*/, Point /*screen*/) {
    return false;
}

bool TreeControl::BeginDrag(TreeItem item) {
    if (!AcceptsInput() || !IsShown(item)) {
        return false;
    }
    dragging_ = true;
    NotifyParent(kNotifyBeginDrag, item);
    return true;
}

bool TreeControl::DragOver(Point p) {
    if (!dragging_ || !AcceptsInput()) {
        return false;
    }
    const TreeHitTest hit = HitTest(p);
    const TreeItem item = (hit.flags & kTvhtOnItem) != 0 ? hit.item : 0;
    NotifyParent(kNotifyDragOver, item, &p);
    return true;
}

bool TreeControl::EndDrag(Point p, int code) {
    if (!dragging_) {
        return false;
    }
    dragging_ = false;
    const TreeHitTest hit = HitTest(p);
    const TreeItem item = code == kNotifyDrop && (hit.flags & kTvhtOnItem) != 0 ? hit.item : 0;
    NotifyParent(code, item, &p);
    SelectDropTarget(0);
    return true;
}

bool TreeControl::Drop(Point p) {
    return AcceptsInput() ? EndDrag(p, kNotifyDrop) : CancelDrag();
}

bool TreeControl::CancelDrag() {
    return EndDrag({}, kNotifyDragCancel);
}

bool TreeControl::TurnWheel(int wheelDelta) {
    if (!AcceptsInput()) {
        return false;
    }
    return ScrollBarInput(ScrollBarKind::Vertical, ScrollAction::ThumbTrack,
                          scrollVert_ + WheelRows(wheelDelta));
}

ScrollInfo TreeControl::GetScrollInfo(ScrollBarKind bar) const {
    if (bar == ScrollBarKind::Vertical) {
        return {scrollVert_, MaxScrollVert(), GetVisibleCount()};
    }
    const int page = GetClientRect().Width();
    return {scrollHorz_, std::max(0, TotalColumnWidth() - page), page};
}

bool TreeControl::ScrollBarInput(ScrollBarKind bar, ScrollAction action, int thumb) {
    if (!AcceptsInput()) {
        return false;
    }
    const ScrollInfo info = GetScrollInfo(bar);
    if (bar == ScrollBarKind::Vertical) {
        SetScrollPosVert(ScrollTarget(info, 1, action, thumb));
    } else {
        SetScrollPosHorz(ScrollTarget(info, tarnui::GetTextMetrics(GetItemFont()).averageCharWidth,
                                      action, thumb));
    }
    return true;
}

bool TreeControl::DragColumnDivider(int column, int width) {
    if (!AcceptsInput() || !headerShown_ || column < 0 || column >= GetColumnCount()) {
        return false;
    }
    return SetColumnWidth(column, std::max(0, width));
}

void TreeControl::SetColour(Color& member, Color c) {
    member = c;
    NotifyChanged(kChangeAppearance);
}

bool TreeControl::OnKeyDown(const KeyEvent& key) {
    if (dragging_ && key.key == kKeyEscape) {
        return CancelDrag();
    }
    if (key.modifiers != kModNone || !AcceptsInput()) {
        return false;  // Ctrl+arrows and the like are the parent's
    }
    const TreeItem at = selected_ != 0 ? selected_ : firstTop_;
    if (at == 0) {
        return false;
    }
    auto lastShown = [this] {
        TreeItem item = firstTop_;
        for (TreeItem next = item; next != 0; next = GetNextVisibleItem(next)) {
            item = next;
        }
        return item;
    };
    TreeItem target = 0;
    switch (key.key) {
        case kKeyUp:
            target = selected_ != 0 ? GetPrevVisibleItem(at) : at;
            break;
        case kKeyDown:
            target = selected_ != 0 ? GetNextVisibleItem(at) : at;
            break;
        case kKeyHome:
            target = firstTop_;
            break;
        case kKeyEnd:
            target = lastShown();
            break;
        case kKeyPageUp:
        case kKeyPageDown: {
            // A page of rows less one, so that the item left stays in sight.
            target = at;
            for (int n = 1; selected_ != 0 && n < GetVisibleCount(); ++n) {
                const TreeItem next =
                    key.key == kKeyPageUp ? GetPrevVisibleItem(target) : GetNextVisibleItem(target);
                if (next == 0) {
                    break;
                }
                target = next;
            }
            break;
        }
        case kKeyLeft:
            if (IsExpanded(at) && ItemHasChildren(at)) {
                return ClickButton(at);
            }
            target = GetParentItem(at);
            break;
        case kKeyRight:
            if (ItemHasChildren(at) && !IsExpanded(at)) {
                return ClickButton(at);
            }
            target = GetChildItem(at);
            break;
        default:
            return false;
    }
    if (target != 0) {
        ClickItem(target);
    }
    return true;
}

}  // namespace tarnui
