// Report lists and trees as Qt item views over models that read the platform control on
// demand: no row is copied, the model only answers for the cells the view paints. A person's
// clicks, keys, wheel turns, scroll bar moves and divider drags go back through the control's
// input operations; the control's changes come in through the backend and reset, repaint or
// scroll the view.
#pragma once

#include <QAbstractItemModel>
#include <QTableView>
#include <QTreeView>

#include "gui/QtBackend.h"
#include "platform/controls/ListControl.h"
#include "platform/controls/TreeControl.h"

namespace tarngui {

class ListModel : public QAbstractTableModel {
public:
    explicit ListModel(tarnui::ListControl* list) : list_(list) {}
    void Detach();
    void Reset();
    void RepaintAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    tarnui::ListControl* list_;
};

class ListView : public QTableView, private ChangeListener {
public:
    ListView(QtBackend& backend, tarnui::ListControl& list, QWidget* parent = nullptr);
    ~ListView() override;
    tarnui::ListControl* Control() const { return list_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    // Qt lays the view out again: the rows shown stay the control's, whatever Qt chose.
    void updateGeometries() override;

private:
    void WindowChanged(uint32_t changes) override;
    void WindowGone() override;
    void ApplyScroll();
    void ApplyColumns();
    void ApplyAppearance();

    QtBackend& backend_;
    tarnui::ListControl* list_;
    ListModel model_;
    bool applying_ = false;
};

class TreeModel : public QAbstractItemModel {
public:
    explicit TreeModel(tarnui::TreeControl* tree) : tree_(tree) {}
    void Detach();
    void Reset();
    void RepaintAll();
    QModelIndex IndexOf(tarnui::TreeItem item) const;
    tarnui::TreeItem ItemOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The child at a row of a parent (0: the top level). Qt asks for the children of one
    // parent in order, so while the tree is unchanged each answer is a step from the last one
    // (the tree links siblings; it has no index by row).
    tarnui::TreeItem ChildAt(tarnui::TreeItem parent, int row) const;

    struct ChildCursor {
        uint64_t revision = ~uint64_t{0};
        tarnui::TreeItem parent = 0;
        int row = 0;
        tarnui::TreeItem item = 0;
    };
    struct ChildCount {
        uint64_t revision = ~uint64_t{0};
        tarnui::TreeItem parent = 0;
        int count = 0;
    };
    tarnui::TreeControl* tree_;
    mutable ChildCursor cursor_;
    mutable ChildCount count_;
};

class TreeView : public QTreeView, private ChangeListener {
public:
    TreeView(QtBackend& backend, tarnui::TreeControl& tree, QWidget* parent = nullptr);
    ~TreeView() override;
    tarnui::TreeControl* Control() const { return tree_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void WindowChanged(uint32_t changes) override;
    void WindowGone() override;
    void ApplyExpansion(const QModelIndex& parent);
    // The platform point of the item under a widget position (its label's middle), so the
    // control's own hit test finds that item; a point outside every item otherwise.
    tarnui::Point PlatformPointAt(QPoint pos) const;
    void ApplyAppearance();

    QtBackend& backend_;
    tarnui::TreeControl* tree_;
    TreeModel model_;
    bool applying_ = false;
    QPoint pressedAt_;
    tarnui::TreeItem pressedItem_ = 0;
};

// The client size the platform control needs for its rows and pages to be the ones the
// view shows: the viewport and the header above it.
QSize ControlClientSize(const QAbstractItemView& view);

// A Qt colour from the platform's 0x00BBGGRR.
QColor ToQColor(tarnui::Color c);

}  // namespace tarngui
