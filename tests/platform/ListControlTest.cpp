#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "ReportRecorder.h"
#include "platform/controls/ControlFactory.h"
#include "platform/controls/ListControl.h"
#include "platform/controls/TreeControl.h"

namespace tarnui {
namespace {

using testing_support::ReportRecorder;

// With the default font rows are 18 pixels high under a 22-pixel header.
constexpr int kRow = 18;
constexpr int kHeader = 22;

class ListControlTest : public testing_support::HeadlessTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create(nullptr, {0, 0, 600, 400}));
        // Five whole rows and part of a sixth.
        ASSERT_TRUE(list.Create(&parent, {0, 0, 300, kHeader + 5 * kRow + 7}, 204,
                                kLvsReport | kLvsSingleSel));
        list.InsertColumn(0, "Name", ColumnAlign::Left, 100);
        list.InsertColumn(1, "Start", ColumnAlign::Right, 80);
        list.InsertColumn(2, "Size", ColumnAlign::Right, 60);
    }
    void Fill(int count) {
        for (int i = 0; i < count; ++i) {
            list.SetItemText(list.InsertItem(i, "item" + std::to_string(i)), 1,
                             std::to_string(i * 16));
        }
    }

    ReportRecorder parent;
    ListControl list;
};

TEST_F(ListControlTest, TemplatesOfTheReportKindsGetTheRealControls) {
    EXPECT_NE(dynamic_cast<ListControl*>(MakeControl(ControlKind::ReportList).get()), nullptr);
    EXPECT_NE(dynamic_cast<TreeControl*>(MakeControl(ControlKind::Tree).get()), nullptr);
    EXPECT_EQ(list.GetTextColor(), GetSysColor(kColorWindowText));
    EXPECT_EQ(list.GetBkColor(), GetSysColor(kColorWindow));
}

TEST_F(ListControlTest, ColumnsKeepTheirCellsWhenColumnsComeAndGo) {
    Fill(2);
    ASSERT_EQ(list.InsertColumn(1, "Extra", ColumnAlign::Left, 40), 1);
    EXPECT_EQ(list.GetItemText(1, 1), "");
    EXPECT_EQ(list.GetItemText(1, 2), "16") << "the old column 1 moved to 2";
    EXPECT_EQ(list.GetColumnOrder(), (std::vector<int>{0, 1, 2, 3}));
    ASSERT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(list.GetItemText(1, 1), "16");
    EXPECT_EQ(list.GetColumn(1)->title, "Start");
    EXPECT_EQ(list.InsertColumn(9, "Past the end"), -1);
    EXPECT_FALSE(list.SetColumnOrder({0, 0, 2})) << "not a permutation";
    EXPECT_FALSE(list.SetItemText(0, 3, "no such column"));
    EXPECT_FALSE(list.SetItemText(2, 0, "no such item"));
    EXPECT_EQ(list.InsertItem(99, "appended"), 2);

    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(list.GetItemText(0, 0, buffer, 4), 3) << "the buffer form copies what fits";
    EXPECT_STREQ(buffer, "ite");
    EXPECT_EQ(list.GetItemText(0, 2, buffer, 4), 0) << "an empty cell";
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(list.GetItemText(5, 0, buffer, 4), 0);
}

TEST_F(ListControlTest, AClickSelectsAndFocusesOneItemAndReportsEveryChange) {
    Fill(4);
    ASSERT_TRUE(list.ClickItem(1));
    ASSERT_TRUE(list.ClickItem(3, kClickControl));
    EXPECT_EQ(list.GetNextItem(-1, kLvniSelected), 3);
    EXPECT_EQ(list.GetNextItem(-1, kLvniFocused), 3);
    EXPECT_EQ(list.GetSelectedCount(), 1) << "single selection ignores Ctrl";
    EXPECT_EQ(list.GetSelectionMark(), 3);
    EXPECT_TRUE(list.HasFocus());
    const auto changes = parent.OfCode(kNotifyItemChanged);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].payload, 1);
    EXPECT_EQ(changes[0].itemChange.newState, kLvisSelected | kLvisFocused);
    EXPECT_EQ(changes[1].payload, 1) << "the old selection loses both states";
    EXPECT_EQ(changes[1].itemChange.oldState, kLvisSelected | kLvisFocused);
    EXPECT_EQ(changes[1].itemChange.newState, 0u);
    EXPECT_EQ(changes[2].payload, 3);
    parent.notes.clear();
    EXPECT_TRUE(list.ClickItem(3));
    EXPECT_TRUE(parent.OfCode(kNotifyItemChanged).empty()) << "nothing changed";

    list.ModifyListStyle(kLvsSingleSel, 0);
    list.ClickItem(0, kClickControl);
    EXPECT_EQ(list.GetSelectedCount(), 2);
    list.ClickItem(3, kClickControl);
    EXPECT_EQ(list.GetSelectedCount(), 1) << "Ctrl toggles in a multi-selection";
    EXPECT_EQ(list.GetNextItem(-1, kLvniSelected), 0);
}

TEST_F(ListControlTest, ProgrammaticStatesFollowTheSelectionRulesSilently) {
    Fill(3);
    list.SetItemState(0, kLvisSelected, kLvisSelected);
    list.SetItemState(2, kLvisSelected | kLvisFocused, kLvisSelected | kLvisFocused);
    EXPECT_EQ(list.GetItemState(0, kLvisSelected), 0u) << "single selection";
    EXPECT_EQ(list.GetItemState(2, kLvisSelected | kLvisFocused), kLvisSelected | kLvisFocused);
    list.SetItemState(-1, 0, kLvisSelected);
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_TRUE(parent.notes.empty()) << "code changes notify nobody";
    list.DeleteItem(2);
    EXPECT_EQ(list.GetSelectionMark(), -1);
}

TEST_F(ListControlTest, EachUserInputSendsItsNotificationOnlyWhileTheListTakesInput) {
    Fill(3);
    struct Input {
        const char* name;
        std::function<bool()> run;
        int code;
        intptr_t payload;
    };
    const Point at{50, 60}, onHeader{70, 8};
    const std::vector<Input> inputs = {
        {"column", [&] { return list.ClickColumnHeader(2); }, kNotifyColumnClick, 2},
        {"double", [&] { return list.DoubleClickItem(1); }, kNotifyDoubleClicked, 1},
        {"right", [&] { return list.RightClickItem(2, at); }, kNotifyRightClick, 2},
        {"header", [&] { return list.RightClickHeader(1, onHeader); }, kNotifyHeaderRightClick, 1},
        {"drag", [&] { return list.BeginDrag(0); }, kNotifyBeginDrag, 0},
    };
    parent.EnableWindow(false);
    for (const Input& in : inputs) {
        EXPECT_FALSE(in.run()) << in.name << " while the parent is disabled";
    }
    EXPECT_TRUE(parent.notes.empty());
    parent.EnableWindow(true);
    for (const Input& in : inputs) {
        ASSERT_TRUE(in.run()) << in.name;
        ASSERT_EQ(parent.OfCode(in.code).size(), 1u) << in.name;
        EXPECT_EQ(parent.OfCode(in.code)[0].payload, in.payload) << in.name;
    }
    EXPECT_EQ(parent.OfCode(kNotifyRightClick)[0].point, at);
    EXPECT_EQ(parent.OfCode(kNotifyHeaderRightClick)[0].point, onHeader);
    EXPECT_EQ(list.GetNextItem(-1, kLvniSelected), 2) << "a right click selects its item";
    ASSERT_TRUE(list.RightClickItem(-1));
    EXPECT_EQ(parent.OfCode(kNotifyRightClick).at(1).payload, -1);

    EXPECT_FALSE(list.ClickColumnHeader(3));
    EXPECT_FALSE(list.ClickItem(3));
    EXPECT_FALSE(list.RightClickItem(7));
    list.ModifyListStyle(0, kLvsNoColumnHeader);
    EXPECT_FALSE(list.ClickColumnHeader(0)) << "no header to click";
    EXPECT_FALSE(list.RightClickHeader(0));
}

TEST_F(ListControlTest, ScrollingKeepsTheTopIndexWithinTheWholeRows) {
    Fill(12);
    EXPECT_EQ(list.GetCountPerPage(), 5) << "the partial sixth row does not count";
    EXPECT_TRUE(list.EnsureVisible(8));
    EXPECT_EQ(list.GetTopIndex(), 4);
    EXPECT_TRUE(list.EnsureVisible(9, true));
    EXPECT_EQ(list.GetTopIndex(), 4) << "partly shown is enough";
    EXPECT_TRUE(list.EnsureVisible(2));
    EXPECT_EQ(list.GetTopIndex(), 2);
    list.Scroll({0, 3 * kRow + 5});
    EXPECT_EQ(list.GetTopIndex(), 5);
    list.Scroll({0, 100 * kRow});
    EXPECT_EQ(list.GetTopIndex(), 7) << "the last page stays full";
    list.Scroll({0, -100 * kRow});
    EXPECT_EQ(list.GetTopIndex(), 0);
    list.Scroll({500, 0});
    EXPECT_EQ(list.GetScrollX(), 0) << "240 pixels of columns fit into 300";
    list.SetColumnWidth(0, 400);
    list.Scroll({500, 0});
    EXPECT_EQ(list.GetScrollX(), 240);

    list.EnsureVisible(11);
    for (int i = 0; i < 6; ++i) {
        list.DeleteItem(11 - i);
    }
    EXPECT_EQ(list.GetTopIndex(), 1) << "six items left, five per page";
    EXPECT_FALSE(list.EnsureVisible(6));
}

TEST_F(ListControlTest, HitTestingFindsHeaderCellsAndEmptySpace) {
    Fill(3);
    list.SetColumnWidth(1, 0);  // a hidden column takes no room
    EXPECT_EQ(list.HitTest({10, 5}).flags, kLvhtOnHeader);
    EXPECT_EQ(list.HitTest({110, 5}).column, 2);
    const ListHitTest cell = list.HitTest({120, kHeader + kRow + 2});
    EXPECT_EQ(cell.flags, kLvhtOnItemLabel);
    EXPECT_EQ(cell.item, 1);
    EXPECT_EQ(cell.column, 2);
    EXPECT_EQ(list.HitTest({10, kHeader + 3 * kRow + 1}).flags, kLvhtNowhere) << "past the items";
    EXPECT_EQ(list.HitTest({170, kHeader + 1}).flags, kLvhtNowhere) << "right of the columns";
    EXPECT_EQ(list.HitTest({10, -1}).flags, kLvhtAbove);
    EXPECT_EQ(list.GetItemRect(2), (Rect{0, kHeader + 2 * kRow, 160, kHeader + 3 * kRow}));
}

}  // namespace
}  // namespace tarnui
