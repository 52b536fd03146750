#include "gui/ReportViews.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cstdlib>

#include "gui/KeyMapping.h"
#include "platform/graphics/ImageList.h"

namespace tarngui {

QSize ControlClientSize(const QAbstractItemView& view) {
    QSize size = view.viewport()->size();
    const QHeaderView* header = nullptr;
    if (const auto* table = dynamic_cast<const QTableView*>(&view)) {
        header = table->horizontalHeader();
    } else if (const auto* tree = dynamic_cast<const QTreeView*>(&view)) {
        header = tree->header();
    }
    if (header != nullptr && !header->isHidden()) {
        size.rheight() += header->height();
    }
    return size;
}

QColor ToQColor(tarnui::Color c) {
    return QColor(tarnui::RedOf(c), tarnui::GreenOf(c), tarnui::BlueOf(c));
}

namespace {

QPixmap ToPixmap(const tarnui::Bitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            image.setPixel(x, y, bitmap.Pixel(x, y));
        }
    }
    return QPixmap::fromImage(image);
}

QVariant ImageOf(const tarnui::ImageList* images, int index) {
    if (images == nullptr || index < 0 || index >= images->Count()) {
        return {};
    }
    return QVariant(ToPixmap(*images->Image(index)));
}

unsigned ClickModifiers(Qt::KeyboardModifiers m) {
    unsigned bits = tarnui::kClickPlain;
    if ((m & Qt::ControlModifier) != 0) {
        bits |= tarnui::kClickControl;
    }
    if ((m & Qt::ShiftModifier) != 0) {
        bits |= tarnui::kClickShift;
    }
    return bits;
}

tarnui::Point ScreenPoint(QPoint global) {
    return {global.x(), global.y()};
}

// Keys go to the platform, which routes them from the focused control to its view.
void ForwardKey(QtBackend& backend, tarnui::Window& control, QKeyEvent* e) {
    control.SetFocus();
    const uint32_t key = PlatformKey(*e);
    if (key != 0) {
        backend.PressKey(key, PlatformModifiers(e->modifiers()));
    }
    e->accept();
}

}  // namespace

// ---- list -----------------------------------------------------------------------------------

void ListModel::Detach() {
    beginResetModel();
    list_ = nullptr;
    endResetModel();
}

void ListModel::Reset() {
    beginResetModel();
    endResetModel();
}

void ListModel::RepaintAll() {
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return list_ == nullptr || parent.isValid() ? 0 : list_->GetItemCount();
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return list_ == nullptr || parent.isValid() ? 0 : list_->GetColumnCount();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (list_ == nullptr || !index.isValid()) {
        return {};
    }
    const bool selected = list_->GetItemState(index.row(), tarnui::kLvisSelected) != 0;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(list_->GetItemText(index.row(), index.column()));
        case Qt::ForegroundRole:
            return QVariant(selected ? QApplication::palette().highlightedText().color()
                                     : ToQColor(list_->GetTextColor()));
        case Qt::BackgroundRole:
            return QVariant(selected ? QApplication::palette().highlight().color()
                                     : ToQColor(list_->GetTextBkColor()));
        case Qt::TextAlignmentRole: {
            const tarnui::ListColumn* c = list_->GetColumn(index.column());
            const Qt::Alignment h =
                c == nullptr || c->align == tarnui::ColumnAlign::Left
                    ? Qt::AlignLeft
                    : (c->align == tarnui::ColumnAlign::Right ? Qt::AlignRight : Qt::AlignHCenter);
            return static_cast<int>(h | Qt::AlignVCenter);
        }
        case Qt::FontRole:
            return QVariant(ToQFont(list_->ListFont()));
        default:
            return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (list_ == nullptr || orientation != Qt::Horizontal) {
        return {};
    }
    const tarnui::ListColumn* c = list_->GetColumn(section);
    if (c == nullptr) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return c->showText ? QString::fromStdString(c->title) : QString();
    }
    if (role == Qt::DecorationRole) {
        return ImageOf(list_->GetHeaderImageList(), c->image);
    }
    return {};
}

ListView::ListView(QtBackend& backend, tarnui::ListControl& list, QWidget* parent)
    : QTableView(parent), backend_(backend), list_(&list), model_(&list) {
    // Before the rows come: changing it later resizes every row one by one.
    verticalHeader()->setDefaultSectionSize(list.ItemHeight());
    setModel(&model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (list_ != nullptr) {
            list_->ClickColumnHeader(column);
        }
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (list_ != nullptr && !applying_) {
                    list_->DragColumnDivider(column, width);
                }
            });
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this, [this](QPoint p) {
        if (list_ != nullptr) {
            list_->RightClickHeader(horizontalHeader()->logicalIndexAt(p),
                                    ScreenPoint(horizontalHeader()->mapToGlobal(p)));
        }
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (list_ != nullptr && !applying_) {
            list_->ScrollBarInput(tarnui::ScrollBarKind::Vertical, tarnui::ScrollAction::ThumbTrack,
                                  value);
        }
    });
    backend_.Listen(list, this);
    ApplyAppearance();
    ApplyColumns();
}

ListView::~ListView() {
    if (list_ != nullptr) {
        backend_.Forget(*list_);
    }
}

void ListView::ApplyColumns() {
    applying_ = true;
    for (int c = 0; c < list_->GetColumnCount(); ++c) {
        const int width = list_->GetColumnWidth(c);
        setColumnHidden(c, width == 0);
        if (width > 0) {
            setColumnWidth(c, width);
        }
    }
    applying_ = false;
}

void ListView::ApplyAppearance() {
    const QFont font = ToQFont(list_->ListFont());
    setFont(font);
    if (verticalHeader()->defaultSectionSize() != list_->ItemHeight()) {
        verticalHeader()->setDefaultSectionSize(list_->ItemHeight());
    }
    horizontalHeader()->setFixedHeight(list_->HeaderHeight());
    horizontalHeader()->setVisible((list_->GetListStyle() & tarnui::kLvsNoColumnHeader) == 0);
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(list_->GetBkColor()));
    setPalette(p);
}

void ListView::WindowChanged(uint32_t changes) {
    if (list_ == nullptr) {
        return;
    }
    if ((changes & tarnui::kChangeAppearance) != 0) {
        ApplyAppearance();
    }
    if ((changes & (tarnui::kChangeItemsInserted | tarnui::kChangeItemsRemoved |
                    tarnui::kChangeColumns)) != 0) {
        applying_ = true;
        model_.Reset();
        applying_ = false;
        ApplyColumns();
    } else if ((changes & (tarnui::kChangeItemsChanged | tarnui::kChangeSelection |
                           tarnui::kChangeImages)) != 0) {
        model_.RepaintAll();
        horizontalHeader()->viewport()->update();
    }
    if ((changes & tarnui::kChangeImages) != 0) {
        emit model_.headerDataChanged(Qt::Horizontal, 0, std::max(0, model_.columnCount() - 1));
    }
    ApplyScroll();
    if ((changes & tarnui::kChangeFocus) != 0 && list_->HasFocus() && !hasFocus()) {
        setFocus();
    }
}

void ListView::ApplyScroll() {
    const bool was = applying_;
    applying_ = true;
    verticalScrollBar()->setValue(list_->GetTopIndex());
    horizontalScrollBar()->setValue(list_->GetScrollX());
    applying_ = was;
}

void ListView::updateGeometries() {
    const bool was = applying_;
    applying_ = true;
    QTableView::updateGeometries();
    applying_ = was;
    if (list_ != nullptr) {
        ApplyScroll();
    }
}

void ListView::WindowGone() {
    list_ = nullptr;
    model_.Detach();
}

void ListView::mousePressEvent(QMouseEvent* e) {
    if (list_ == nullptr) {
        return;
    }
    const QModelIndex index = indexAt(e->pos());
    if (e->button() == Qt::LeftButton) {
        if (index.isValid()) {
            list_->ClickItem(index.row(), ClickModifiers(e->modifiers()));
        } else {
            list_->SetFocus();
        }
    }
}

void ListView::mouseDoubleClickEvent(QMouseEvent* e) {
    const QModelIndex index = indexAt(e->pos());
    if (list_ != nullptr && index.isValid() && e->button() == Qt::LeftButton) {
        list_->DoubleClickItem(index.row());
    }
}

void ListView::contextMenuEvent(QContextMenuEvent* e) {
    if (list_ != nullptr) {
        const QModelIndex index = indexAt(e->pos());
        list_->RightClickItem(index.isValid() ? index.row() : -1, ScreenPoint(e->globalPos()));
    }
}

void ListView::keyPressEvent(QKeyEvent* e) {
    if (list_ != nullptr) {
        ForwardKey(backend_, *list_, e);
    }
}

void ListView::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    if (list_ != nullptr) {
        list_->SetFocus();
    }
}

// ---- tree -----------------------------------------------------------------------------------

void TreeModel::Detach() {
    beginResetModel();
    tree_ = nullptr;
    endResetModel();
}

void TreeModel::Reset() {
    beginResetModel();
    endResetModel();
}

void TreeModel::RepaintAll() {
    // Every shown row: the view repaints what lies in its viewport.
    emit layoutChanged();
}

tarnui::TreeItem TreeModel::ItemOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<tarnui::TreeItem>(index.internalId()) : 0;
}

QModelIndex TreeModel::IndexOf(tarnui::TreeItem item) const {
    if (tree_ == nullptr || item == 0 || !tree_->IsValid(item)) {
        return {};
    }
    if (cursor_.item == item && cursor_.revision == tree_->Revision()) {
        return createIndex(cursor_.row, 0, static_cast<quintptr>(item));
    }
    int row = 0;
    for (tarnui::TreeItem s = tree_->GetPrevSiblingItem(item); s != 0;
         s = tree_->GetPrevSiblingItem(s)) {
        ++row;
    }
    return createIndex(row, 0, static_cast<quintptr>(item));
}

tarnui::TreeItem TreeModel::ChildAt(tarnui::TreeItem parent, int row) const {
    const uint64_t revision = tree_->Revision();
    int at = 0;
    tarnui::TreeItem item = parent != 0 ? tree_->GetChildItem(parent) : tree_->GetRootItem();
    if (cursor_.revision == revision && cursor_.parent == parent && cursor_.item != 0 &&
        std::abs(row - cursor_.row) < row) {
        at = cursor_.row;
        item = cursor_.item;
    }
    for (; item != 0 && at < row; ++at) {
        item = tree_->GetNextSiblingItem(item);
    }
    for (; item != 0 && at > row; --at) {
        item = tree_->GetPrevSiblingItem(item);
    }
    if (item != 0) {
        cursor_ = {revision, parent, row, item};
    }
    return item;
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (tree_ == nullptr || row < 0) {
        return {};
    }
    const tarnui::TreeItem item = ChildAt(parent.isValid() ? ItemOf(parent) : 0, row);
    return item != 0 ? createIndex(row, column, static_cast<quintptr>(item)) : QModelIndex();
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    if (tree_ == nullptr || !child.isValid()) {
        return {};
    }
    return IndexOf(tree_->GetParentItem(ItemOf(child)));
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (tree_ == nullptr || parent.column() > 0) {
        return 0;
    }
    const tarnui::TreeItem of = parent.isValid() ? ItemOf(parent) : 0;
    if (count_.revision == tree_->Revision() && count_.parent == of) {
        return count_.count;
    }
    int rows = 0;
    for (tarnui::TreeItem item = of != 0 ? tree_->GetChildItem(of) : tree_->GetRootItem();
         item != 0; item = tree_->GetNextSiblingItem(item)) {
        ++rows;
    }
    count_ = {tree_->Revision(), of, rows};
    return rows;
}

int TreeModel::columnCount(const QModelIndex&) const {
    return tree_ == nullptr ? 0 : tree_->GetColumnCount();
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const tarnui::TreeItem item = ItemOf(index);
    if (tree_ == nullptr || item == 0) {
        return {};
    }
    const bool selected = tree_->GetSelectedItem() == item || tree_->GetDropHilightItem() == item;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(tree_->GetItemText(item, index.column()));
        case Qt::DecorationRole:
            return index.column() == 0 ? ImageOf(tree_->GetImageList(), tree_->ImageToDraw(item))
                                       : QVariant();
        case Qt::ForegroundRole:
            return QVariant(selected ? QApplication::palette().highlightedText().color()
                                     : ToQColor(tree_->GetTextColor()));
        case Qt::BackgroundRole:
            if (selected && index.column() == 0) {
                return QApplication::palette().highlight().color();
            }
            return {};
        case Qt::FontRole:
            return QVariant(ToQFont(tree_->GetItemFont()));
        default:
            return {};
    }
}

QVariant TreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (tree_ == nullptr || orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return QString::fromStdString(tree_->GetColumnTitle(section));
}

TreeView::TreeView(QtBackend& backend, tarnui::TreeControl& tree, QWidget* parent)
    : QTreeView(parent), backend_(backend), tree_(&tree), model_(&tree) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setRootIsDecorated((tree.GetTreeStyle() & tarnui::kTvsLinesAtRoot) != 0);
    setIndentation(tree.GetIndent());
    setHeaderHidden(!tree.IsHeaderShown());
    backend_.Listen(tree, this);
    ApplyAppearance();
    ApplyExpansion({});
}

TreeView::~TreeView() {
    if (tree_ != nullptr) {
        backend_.Forget(*tree_);
    }
}

void TreeView::ApplyAppearance() {
    setFont(ToQFont(tree_->GetItemFont()));
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(tree_->GetBkColor()));
    setPalette(p);
    setHeaderHidden(!tree_->IsHeaderShown());
    for (int c = 0; c < tree_->GetColumnCount(); ++c) {
        if (tree_->GetColumnWidth(c) > 0) {
            setColumnWidth(c, tree_->GetColumnWidth(c));
        }
    }
}

void TreeView::ApplyExpansion(const QModelIndex& parent) {
    const int rows = model_.rowCount(parent);
    for (int r = 0; r < rows; ++r) {
        const QModelIndex index = model_.index(r, 0, parent);
        const bool expanded = tree_->IsExpanded(model_.ItemOf(index));
        setExpanded(index, expanded);
        if (expanded) {
            ApplyExpansion(index);
        }
    }
}

void TreeView::WindowChanged(uint32_t changes) {
    if (tree_ == nullptr) {
        return;
    }
    applying_ = true;
    if ((changes & (tarnui::kChangeItemsInserted | tarnui::kChangeItemsRemoved)) != 0) {
        model_.Reset();
    } else if ((changes & (tarnui::kChangeItemsChanged | tarnui::kChangeSelection |
                           tarnui::kChangeImages)) != 0) {
        viewport()->update();
    }
    if ((changes & (tarnui::kChangeAppearance | tarnui::kChangeColumns)) != 0) {
        ApplyAppearance();
    }
    if ((changes & (tarnui::kChangeItemsInserted | tarnui::kChangeItemsRemoved |
                    tarnui::kChangeExpansion)) != 0) {
        ApplyExpansion({});
    }
    if ((changes & (tarnui::kChangeSelection | tarnui::kChangeScroll)) != 0) {
        const tarnui::TreeItem first = tree_->GetFirstVisibleItem();
        if (first != 0) {
            scrollTo(model_.IndexOf(first), QAbstractItemView::PositionAtTop);
        }
    }
    applying_ = false;
    if ((changes & tarnui::kChangeFocus) != 0 && tree_->HasFocus() && !hasFocus()) {
        setFocus();
    }
}

void TreeView::WindowGone() {
    tree_ = nullptr;
    model_.Detach();
}

void TreeView::mousePressEvent(QMouseEvent* e) {
    const QModelIndex index = indexAt(e->pos());
    const tarnui::TreeItem item = model_.ItemOf(index);
    if (tree_ == nullptr || e->button() != Qt::LeftButton) {
        return;
    }
    pressedAt_ = e->pos();
    pressedItem_ = item;
    if (item == 0) {
        tree_->SetFocus();
    } else if (e->pos().x() < visualRect(index).left()) {
        tree_->ClickButton(item);
    } else {
        tree_->ClickItem(item);
    }
}

tarnui::Point TreeView::PlatformPointAt(QPoint pos) const {
    const tarnui::TreeItem item = model_.ItemOf(indexAt(pos));
    const tarnui::Rect label = item != 0 ? tree_->GetItemRect(item, true) : tarnui::Rect{};
    if (label.IsEmpty()) {
        return {-1, -1};
    }
    return {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
}

void TreeView::mouseMoveEvent(QMouseEvent* e) {
    if (tree_ == nullptr || (e->buttons() & Qt::LeftButton) == 0) {
        return;
    }
    if (!tree_->IsDragging()) {
        if (pressedItem_ != 0 &&
            (e->pos() - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
            tree_->BeginDrag(pressedItem_);
        }
        return;
    }
    // The control's rows may lie elsewhere than Qt's: bring the item into its view first.
    const tarnui::TreeItem item = model_.ItemOf(indexAt(e->pos()));
    if (item != 0) {
        tree_->EnsureVisible(item);
    }
    tree_->DragOver(PlatformPointAt(e->pos()));
}

void TreeView::mouseReleaseEvent(QMouseEvent* e) {
    if (tree_ != nullptr && tree_->IsDragging() && e->button() == Qt::LeftButton) {
        const tarnui::TreeItem item = model_.ItemOf(indexAt(e->pos()));
        if (item != 0) {
            tree_->EnsureVisible(item);
        }
        tree_->Drop(PlatformPointAt(e->pos()));
    }
    pressedItem_ = 0;
}

void TreeView::mouseDoubleClickEvent(QMouseEvent* e) {
    const tarnui::TreeItem item = model_.ItemOf(indexAt(e->pos()));
    if (tree_ != nullptr && item != 0 && e->button() == Qt::LeftButton) {
        tree_->DoubleClickItem(item);
    }
}

void TreeView::contextMenuEvent(QContextMenuEvent* e) {
    const tarnui::TreeItem item = model_.ItemOf(indexAt(e->pos()));
    if (tree_ != nullptr && item != 0) {
        tree_->RightClickItem(item);
    }
}

void TreeView::keyPressEvent(QKeyEvent* e) {
    if (tree_ != nullptr) {
        ForwardKey(backend_, *tree_, e);
    }
}

void TreeView::focusInEvent(QFocusEvent* e) {
    QTreeView::focusInEvent(e);
    if (tree_ != nullptr) {
        tree_->SetFocus();
    }
}

}  // namespace tarngui
