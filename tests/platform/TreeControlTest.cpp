#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "ReportRecorder.h"
#include "platform/controls/TreeControl.h"
#include "platform/graphics/ImageList.h"

namespace tarnui {
namespace {

using testing_support::ReportRecorder;

// Default font: rows of 18 pixels; a header of 22 pixels while it is on; indent 19.
constexpr int kRow = 18;
constexpr int kHeader = 22;
constexpr int kIndent = 19;

class TreeControlTest : public testing_support::HeadlessTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create(nullptr, {0, 0, 600, 400}));
        ASSERT_TRUE(tree.Create(&parent, {0, 0, 300, 4 * kRow + 5}, 207,
                                kTvsHasButtons | kTvsHasLines | kTvsLinesAtRoot));
        tree.ShowHeader(false, false);
        // root
        //   a (a1, a2)
        //   b
        //   c (c1)
        root = tree.InsertItem("root");
        a = tree.InsertItem("a", root);
        b = tree.InsertItem("b", root);
        c = tree.InsertItem("c", root);
        a1 = tree.InsertItem("a1", a);
        a2 = tree.InsertItem("a2", a);
        c1 = tree.InsertItem("c1", c);
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (TreeItem i = tree.GetRootItem(); i != 0; i = tree.GetNextVisibleItem(i)) {
            rows.push_back(tree.GetItemText(i));
        }
        return rows;
    }

    ReportRecorder parent;
    TreeControl tree;
    TreeItem root = 0, a = 0, b = 0, c = 0, a1 = 0, a2 = 0, c1 = 0;
};

TEST_F(TreeControlTest, InsertionPlacesItemsFirstLastOrAfterASibling) {
    const TreeItem first = tree.InsertItem("first", root, kTreeFirst);
    const TreeItem afterB = tree.InsertItem("after b", root, b);
    std::vector<std::string> children;
    for (TreeItem i = tree.GetChildItem(root); i != 0; i = tree.GetNextSiblingItem(i)) {
        children.push_back(tree.GetItemText(i));
    }
    EXPECT_EQ(children, (std::vector<std::string>{"first", "a", "b", "after b", "c"}));
    EXPECT_EQ(tree.GetPrevSiblingItem(a), first);
    EXPECT_EQ(tree.GetParentItem(afterB), root);
    EXPECT_EQ(tree.GetDepth(a1), 2);
    EXPECT_EQ(tree.InsertItem("x", root, a1), 0) << "a1 is not a child of root";
    EXPECT_EQ(tree.InsertItem("x", 12345), 0) << "no such parent";
    EXPECT_EQ(tree.GetNextSiblingItem(root), tree.InsertItem("second top"));
    EXPECT_EQ(tree.GetCount(), 10);
}

TEST_F(TreeControlTest, DeletingASubtreeRelinksTheSiblingsAndNeverReusesHandles) {
    ASSERT_TRUE(tree.DeleteItem(a));
    EXPECT_FALSE(tree.IsValid(a1));
    EXPECT_EQ(tree.GetChildItem(root), b);
    EXPECT_EQ(tree.GetPrevSiblingItem(b), 0);
    EXPECT_TRUE(tree.DeleteItem(c));
    EXPECT_EQ(tree.GetNextSiblingItem(b), 0);
    EXPECT_EQ(tree.GetCount(), 2);
    const TreeItem again = tree.InsertItem("again", root);
    EXPECT_TRUE(again != a && again != c1);
    EXPECT_FALSE(tree.DeleteItem(a)) << "already gone";
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetRootItem(), 0);
}

TEST_F(TreeControlTest, ExpansionDecidesWhichRowsAreShown) {
    EXPECT_EQ(Rows(), (std::vector<std::string>{"root"}));
    tree.Expand(root, TreeExpand::Expand);
    tree.Expand(a, TreeExpand::Toggle);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"root", "a", "a1", "a2", "b", "c"}));
    EXPECT_EQ(tree.GetPrevVisibleItem(b), a2);
    EXPECT_EQ(tree.GetPrevVisibleItem(a), root);
    EXPECT_EQ(tree.GetNextVisibleItem(c1), 0) << "c1 is not shown";
    tree.Expand(a, TreeExpand::Toggle);
    tree.Expand(c, TreeExpand::Expand);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"root", "a", "b", "c", "c1"}));
    EXPECT_TRUE(tree.IsExpanded(c));
    tree.Expand(c, TreeExpand::Collapse);
    EXPECT_FALSE(tree.IsExpanded(c));
    EXPECT_FALSE(tree.Expand(0, TreeExpand::Expand));
}

TEST_F(TreeControlTest, SelectingExpandsTheAncestorsAndNotifiesOnlyChanges) {
    ASSERT_TRUE(tree.SelectItem(a2));
    EXPECT_TRUE(tree.IsExpanded(root));
    EXPECT_TRUE(tree.IsExpanded(a));
    EXPECT_EQ(tree.GetSelectedItem(), a2);
    tree.SelectItem(a2);
    auto changes = parent.OfCode(kNotifyTreeSelChanged);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].payload, a2);
    EXPECT_EQ(changes[0].selection.oldItem, 0);
    EXPECT_EQ(changes[0].selection.action, TreeAction::ByCode);

    // Collapsing above the selection moves it to the collapsed item.
    tree.Expand(a, TreeExpand::Collapse);
    EXPECT_EQ(tree.GetSelectedItem(), a);
    // Deleting the selection leaves none.
    tree.DeleteItem(a);
    EXPECT_EQ(tree.GetSelectedItem(), 0);
    changes = parent.OfCode(kNotifyTreeSelChanged);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[1].selection.oldItem, a2);
    EXPECT_EQ(changes[1].selection.newItem, a);
    EXPECT_EQ(changes[2].payload, 0);
    EXPECT_FALSE(tree.SelectItem(a)) << "deleted";
}

TEST_F(TreeControlTest, TheFirstVisibleItemFollowsTheVerticalScrollPosition) {
    for (int i = 0; i < 6; ++i) {
        tree.InsertItem("b" + std::to_string(i), b);
    }
    tree.Expand(root, TreeExpand::Expand);
    tree.Expand(b, TreeExpand::Expand);
    // root a b b0..b5 c: 10 rows, 4 whole rows fit.
    EXPECT_EQ(tree.GetVisibleCount(), 4);
    ASSERT_TRUE(tree.SelectSetFirstVisible(b));
    EXPECT_EQ(tree.GetFirstVisibleItem(), b);
    EXPECT_EQ(tree.GetScrollPosVert(), 2);
    tree.SelectSetFirstVisible(c);
    EXPECT_EQ(tree.GetScrollPosVert(), 6) << "the last page stays full";
    EXPECT_EQ(tree.GetItemText(tree.GetFirstVisibleItem()), "b3");
    tree.Expand(b, TreeExpand::Collapse);
    EXPECT_EQ(tree.GetScrollPosVert(), 0) << "four rows left";
    tree.SetScrollPosVert(-3);
    EXPECT_EQ(tree.GetScrollPosVert(), 0);
    tree.SetScrollPosHorz(-5);
    EXPECT_EQ(tree.GetScrollPosHorz(), 0);

    tree.Expand(b, TreeExpand::Expand);
    tree.SelectItem(tree.GetChildItem(b));  // b0, row 3: already shown
    EXPECT_EQ(tree.GetScrollPosVert(), 0);
    tree.EnsureVisible(c);  // row 9
    EXPECT_EQ(tree.GetScrollPosVert(), 6);
}

TEST_F(TreeControlTest, HitTestingTellsButtonIconLabelAndSpace) {
    ImageList images;
    images.Create(16, 16, true, 2, 1);
    images.Add(Bitmap(32, 16, 0xFF00FF00u));
    tree.SetImageList(&images);
    tree.Expand(root, TreeExpand::Expand);
    // Row 1: "a" at depth 1, lines at root: icon from 38, label from 54 ("a": 8 + 4 wide).
    const int y = kRow + 3;
    struct Case {
        int x;
        uint32_t flags;
    };
    const Case cases[] = {
        {2, kTvhtOnIndent}, {20, kTvhtOnButton}, {37, kTvhtOnButton}, {38, kTvhtOnIcon},
        {53, kTvhtOnIcon},  {54, kTvhtOnLabel},  {65, kTvhtOnLabel},  {66, kTvhtOnRight},
    };
    for (const Case& k : cases) {
        const TreeHitTest hit = tree.HitTest({k.x, y});
        EXPECT_EQ(hit.flags, k.flags) << "x " << k.x;
        EXPECT_EQ(hit.item, a) << "x " << k.x;
    }
    EXPECT_EQ(tree.HitTest({20, 2 * kRow + 3}).flags, kTvhtOnIndent) << "b has no button";
    EXPECT_EQ(tree.HitTest({60, 3 * kRow + 17}).item, c);
    EXPECT_EQ(tree.HitTest({60, 4 * kRow + 1}).flags, kTvhtNowhere) << "no fifth row";
    EXPECT_EQ(tree.HitTest({60, 200}).flags, kTvhtBelow);

    tree.ShowHeader(true);
    EXPECT_EQ(tree.HeaderHeight(), kHeader);
    EXPECT_EQ(tree.HitTest({60, 5}).flags, kTvhtOnHeader);
    EXPECT_EQ(tree.HitTest({60, 5}).column, 0);
    EXPECT_EQ(tree.HitTest({60, kHeader + kRow + 3}).item, a) << "rows move down";
    tree.SetScrollPosHorz(kIndent);
    EXPECT_EQ(tree.HitTest({20, kHeader + kRow + 3}).flags, kTvhtOnIcon) << "scrolled left";
}

TEST_F(TreeControlTest, ClicksSelectToggleAndNotify) {
    tree.Expand(root, TreeExpand::Expand);
    ASSERT_TRUE(tree.ClickButton(a));
    EXPECT_TRUE(tree.IsExpanded(a));
    ASSERT_TRUE(tree.ClickItem(a2));
    EXPECT_EQ(tree.GetSelectedItem(), a2);
    const auto expanded = parent.OfCode(kNotifyTreeItemExpanded);
    ASSERT_EQ(expanded.size(), 1u);
    EXPECT_EQ(expanded[0].expansion.item, a);
    EXPECT_TRUE(expanded[0].expansion.expanded);
    const auto selected = parent.OfCode(kNotifyTreeSelChanged);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0].selection.action, TreeAction::ByMouse);

    EXPECT_FALSE(tree.ClickButton(b)) << "no children, no button";
    EXPECT_FALSE(tree.ClickItem(c1)) << "not shown";
    EXPECT_TRUE(tree.ClickAt({290, kRow + 3})) << "right of the label";
    EXPECT_EQ(tree.GetSelectedItem(), a2);
}

TEST_F(TreeControlTest, ADoubleClickTheParentLeavesTogglesTheItem) {
    tree.Expand(root, TreeExpand::Expand);
    ASSERT_TRUE(tree.DoubleClickItem(c));
    EXPECT_FALSE(tree.IsExpanded(c)) << "the parent handled it";
    const auto doubles = parent.OfCode(kNotifyDoubleClicked);
    ASSERT_EQ(doubles.size(), 1u);
    EXPECT_EQ(doubles[0].payload, c);
    EXPECT_EQ(tree.HitTest(doubles[0].point).item, c);

    parent.handleDoubleClicks = false;
    ASSERT_TRUE(tree.DoubleClickItem(c));
    EXPECT_TRUE(tree.IsExpanded(c));
    ASSERT_TRUE(tree.RightClickItem(b));
    ASSERT_TRUE(tree.RightClickAt({200, 3 * kRow + 2}));
    const auto rights = parent.OfCode(kNotifyRightClick);
    ASSERT_EQ(rights.size(), 2u);
    EXPECT_EQ(rights[0].payload, b);
    EXPECT_EQ(rights[1].payload, 0) << "right of c1's label";
}

TEST_F(TreeControlTest, DisabledTreesRefuseInputAndTheHeaderMenuNeedsTheHeader) {
    tree.Expand(root, TreeExpand::Expand);
    const std::vector<std::pair<const char*, std::function<bool()>>> inputs = {
        {"click", [&] { return tree.ClickItem(a); }},
        {"button", [&] { return tree.ClickButton(a); }},
        {"double", [&] { return tree.DoubleClickItem(a); }},
        {"right", [&] { return tree.RightClickItem(a); }},
        {"drag", [&] { return tree.BeginDrag(a); }},
        {"header", [&] { return tree.RightClickHeader(0); }},
    };
    tree.ShowHeader(true);
    tree.EnableWindow(false);
    for (const auto& [name, input] : inputs) {
        EXPECT_FALSE(input()) << name;
    }
    EXPECT_TRUE(parent.notes.empty());
    tree.EnableWindow(true);
    ASSERT_TRUE(tree.BeginDrag(b));
    EXPECT_EQ(parent.OfCode(kNotifyBeginDrag).at(0).payload, b);
    tree.ShowHeader(false);
    EXPECT_FALSE(tree.RightClickHeader(0));
    tree.ShowHeader(true);
    EXPECT_TRUE(tree.RightClickHeader(0, {3, 4}));
    EXPECT_EQ(parent.OfCode(kNotifyHeaderRightClick).at(0).point, (Point{3, 4}));
    EXPECT_FALSE(tree.RightClickHeader(1)) << "one column only";
}

TEST_F(TreeControlTest, ColumnsHoldTextsBesideTheTreeColumn) {
    EXPECT_EQ(tree.GetColumnCount(), 1);
    EXPECT_EQ(tree.InsertColumn(0, "before the tree", 50), -1);
    ASSERT_EQ(tree.InsertColumn(1, "Size", 60), 1);
    ASSERT_TRUE(tree.SetItemText(a, 1, "0x10"));
    ASSERT_EQ(tree.InsertColumn(1, "Start", 70), 1);
    EXPECT_EQ(tree.GetItemText(a, 2), "0x10");
    EXPECT_EQ(tree.GetColumnTitle(2), "Size");
    EXPECT_EQ(tree.TotalColumnWidth(), 200 + 70 + 60);
    EXPECT_FALSE(tree.DeleteColumn(0));
    EXPECT_TRUE(tree.DeleteColumn(1));
    EXPECT_EQ(tree.GetItemText(a, 1), "0x10");
    EXPECT_FALSE(tree.SetItemText(a, 2, "no column"));
}

TEST_F(TreeControlTest, ImagesDropTargetAndDragImage) {
    ImageList images;
    images.Create(16, 16, true, 2, 1);
    images.Add(Bitmap(32, 16, 0xFF0000FFu));
    tree.SetImageList(&images);
    tree.SetItemImage(a, 1, 0);
    EXPECT_EQ(tree.ImageToDraw(a), 1);
    tree.SelectItem(a);
    EXPECT_EQ(tree.ImageToDraw(a), 0) << "the selected image";
    tree.SetItemImage(b, 5, 5);
    EXPECT_EQ(tree.ImageToDraw(b), -1) << "not in the list";

    ASSERT_TRUE(tree.SelectDropTarget(c1));
    EXPECT_EQ(tree.GetDropHilightItem(), c1);
    tree.DeleteItem(c);
    EXPECT_EQ(tree.GetDropHilightItem(), 0) << "deleted with its subtree";

    const auto drag = tree.CreateDragImage(b);
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(drag->ImageWidth(), 16 + 8 + 4);
    EXPECT_EQ(drag->ImageHeight(), kRow);
    EXPECT_EQ(tree.CreateDragImage(c), nullptr);
}

TEST_F(TreeControlTest, ItemHeightFollowsTheFontAndRedrawCanBeHeld) {
    tree.SetItemHeight(30);
    EXPECT_EQ(tree.GetItemHeight(), 30);
    tree.SetItemHeight(0);
    EXPECT_EQ(tree.GetItemHeight(), kRow);
    tree.SetItemFont(Font{"Courier New", 20, 10});
    EXPECT_EQ(tree.GetItemHeight(), 22);
    tree.SetRedraw(false);
    const int paints = tree.PaintRequests();
    tree.Invalidate();
    EXPECT_EQ(tree.PaintRequests(), paints);
    tree.SetRedraw(true);
    EXPECT_EQ(tree.PaintRequests(), paints + 1);
}

}  // namespace
}  // namespace tarnui
