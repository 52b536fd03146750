// What a screen backend relies on: change notifications with revisions, the main loop's
// posted messages and timers, text metrics, and the input a person gives with the wheel,
// scroll bars, header dividers and tree drags.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "ReportRecorder.h"
#include "platform/controls/ListControl.h"
#include "platform/printing/PrinterDC.h"

namespace tarnui {
namespace {

using testing_support::ReportRecorder;

class ScreenBackend : public HeadlessBackend {
public:
    std::map<const Window*, uint32_t> changes;
    int posted = 0;
    std::vector<std::string> timers;
    int cellHeight = 0;  // 0: no measurements of its own

    void WindowChanged(Window& w, uint32_t bits) override { changes[&w] |= bits; }
    void MessagesPosted() override { ++posted; }
    void TimerSet(Window&, int id, unsigned ms) override {
        timers.push_back("set " + std::to_string(id) + " " + std::to_string(ms));
    }
    void TimerKilled(Window&, int id) override { timers.push_back("kill " + std::to_string(id)); }
    bool MeasureFont(const Font&, TextMetrics& tm) override {
        tm.height = cellHeight;
        tm.averageCharWidth = 7;
        return cellHeight != 0;
    }
    bool MeasureText(const Font&, std::string_view text, int& width) override {
        width = static_cast<int>(text.size()) * 5;
        return cellHeight != 0;
    }
};

class ScreenContractTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create(nullptr, {0, 0, 400, 300}));
        // Rows of 18 pixels under a 22-pixel header: 10 rows fit in 202 pixels.
        ASSERT_TRUE(list.Create(&parent, {0, 0, 200, 202}, 5, kLvsReport | kLvsSingleSel));
        list.InsertColumn(0, "Name", ColumnAlign::Left, 150);
        list.InsertColumn(1, "Size", ColumnAlign::Right, 150);
        for (int i = 0; i < 100; ++i) {
            list.InsertItem(i, "row" + std::to_string(i));
        }
        backend.changes.clear();
    }
    ScreenBackend backend;
    ScopedBackend use{backend};
    ReportRecorder parent;
    ListControl list;
};

TEST_F(ScreenContractTest, EveryChangeReachesTheBackendAsBitsAndAdvancesTheRevision) {
    struct Step {
        const char* what;
        std::function<void()> change;
        uint32_t bits;
    };
    const std::vector<Step> steps = {
        {"text", [&] { list.SetItemText(3, 1, "0x10"); }, kChangeItemsChanged},
        {"insert", [&] { list.InsertItem(0, "first"); }, kChangeItemsInserted},
        {"delete", [&] { list.DeleteItem(0); }, kChangeItemsRemoved},
        {"click", [&] { list.ClickItem(50); }, kChangeSelection | kChangeFocus | kChangeScroll},
        {"width", [&] { list.SetColumnWidth(1, 90); }, kChangeColumns},
        {"colour", [&] { list.SetTextColor(0x0000FF); }, kChangeAppearance},
        {"hide", [&] { list.ShowWindow(false); }, kChangeShown | kChangeFocus},
        {"move",
         [&] {
             list.MoveWindow({0, 0, 300, 300});
         },
         kChangeGeometry},
    };
    for (const Step& step : steps) {
        backend.changes.clear();
        const uint64_t before = list.Revision();
        step.change();
        EXPECT_EQ(backend.changes[&list], step.bits) << step.what;
        EXPECT_GT(list.Revision(), before) << step.what;
    }
    backend.changes.clear();
    parent.SetWindowText("same");
    parent.SetWindowText("same");
    EXPECT_EQ(backend.changes.size(), 1u) << "text that stays the same changes nothing";
}

TEST_F(ScreenContractTest, AFillReachesTheBackendOnceWithWholeRows) {
    const uint64_t before = list.Revision();
    list.BeginFill(2);
    list.AppendItem({"a", "1", "dropped: past the last column"});
    list.AppendItem({"b"});
    EXPECT_TRUE(backend.changes.empty()) << "nothing is told while the fill lasts";
    EXPECT_EQ(list.Revision(), before);
    list.EndFill();
    EXPECT_EQ(backend.changes[&list], kChangeItemsInserted | kChangeItemsChanged);
    EXPECT_EQ(list.Revision(), before + 1);
    ASSERT_EQ(list.GetItemCount(), 102);
    EXPECT_EQ(list.GetItemText(100, 0), "a");
    EXPECT_EQ(list.GetItemText(100, 1), "1");
    EXPECT_EQ(list.GetItemText(100, 2), "");
    EXPECT_EQ(list.GetItemText(101, 1), "");
    backend.changes.clear();
    list.SetItemText(101, 1, "2");
    EXPECT_EQ(backend.changes[&list], kChangeItemsChanged) << "changes after the fill are told";
}

TEST_F(ScreenContractTest, PostedMessagesAndTimersAreHandedToTheMainLoop) {
    parent.PostMessage(kMsgUser + 1);
    parent.PostMessage(kMsgUser + 2);
    EXPECT_EQ(backend.posted, 1) << "one wake-up per batch";
    EXPECT_EQ(Window::PumpMessages(), 2);
    parent.PostMessage(kMsgUser + 3);
    EXPECT_EQ(backend.posted, 2);
    Window::PumpMessages();

    list.SetTimer(7, 250);
    list.SetTimer(8, 40);
    list.KillTimer(7);
    list.KillTimer(7);
    list.DestroyWindow();
    EXPECT_EQ(backend.timers,
              (std::vector<std::string>{"set 7 250", "set 8 40", "kill 7", "kill 8"}));
}

TEST_F(ScreenContractTest, ScreenTextIsMeasuredByTheBackendAndPrintersKeepTheFixedCell) {
    EXPECT_EQ(list.ItemHeight(), 18);
    backend.cellHeight = 20;
    EXPECT_EQ(list.ItemHeight(), 22);
    EXPECT_EQ(GetTextExtent(DefaultFont(), "abc"), (Size{15, 20}));
    EXPECT_EQ(list.HitTest({10, 26 + 22 * 2 + 1}).item, 2);
    PrinterDC printer(HeadlessScript::HeadlessPrinter());
    printer.SelectFont(DefaultFont());
    EXPECT_EQ(printer.GetTextMetrics().height, kDefaultFontHeight);
    EXPECT_EQ(printer.GetTextExtent("abc"), FixedCellExtent(DefaultFont(), "abc"));
}

TEST_F(ScreenContractTest, WheelAndScrollBarsMoveTheListWithinItsRange) {
    struct Step {
        std::function<bool()> input;
        int top;
    };
    const std::vector<Step> steps = {
        {[&] { return list.TurnWheel(-kWheelDelta); }, 3},
        {[&] { return list.TurnWheel(2 * kWheelDelta); }, 0},
        {[&] { return list.ScrollBarInput(ScrollBarKind::Vertical, ScrollAction::PageDown); }, 10},
        {[&] { return list.ScrollBarInput(ScrollBarKind::Vertical, ScrollAction::LineUp); }, 9},
        {[&] { return list.ScrollBarInput(ScrollBarKind::Vertical, ScrollAction::Bottom); }, 90},
        {[&] { return list.TurnWheel(-kWheelDelta); }, 90},
        {[&] { return list.ScrollBarInput(ScrollBarKind::Vertical, ScrollAction::ThumbTrack, 42); },
         42},
    };
    for (const Step& step : steps) {
        EXPECT_TRUE(step.input());
        EXPECT_EQ(list.GetTopIndex(), step.top);
    }
    EXPECT_EQ(list.GetScrollInfo(ScrollBarKind::Vertical).max, 90);
    ASSERT_TRUE(list.ScrollBarInput(ScrollBarKind::Horizontal, ScrollAction::Bottom));
    EXPECT_EQ(list.GetScrollX(), 100);
    list.EnableWindow(false);
    EXPECT_FALSE(list.TurnWheel(kWheelDelta));
    EXPECT_FALSE(list.DragColumnDivider(0, 80));
}

TEST_F(ScreenContractTest, ATreeDragTellsTheParentWhereItIsAndEndsOnceWithTheHighlightGone) {
    TreeControl tree;
    ASSERT_TRUE(tree.Create(&parent, {0, 0, 200, 200}, 9, kTvsHasButtons | kTvsLinesAtRoot));
    const TreeItem a = tree.InsertItem("a");
    const TreeItem b = tree.InsertItem("b");
    auto middleOf = [&](TreeItem item) {
        const Rect r = tree.GetItemRect(item, true);
        return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    EXPECT_FALSE(tree.DragOver(middleOf(b))) << "no drag yet";
    ASSERT_TRUE(tree.BeginDrag(a));
    ASSERT_TRUE(tree.DragOver(middleOf(b)));
    ASSERT_TRUE(tree.DragOver({190, 190}));
    tree.SelectDropTarget(b);
    ASSERT_TRUE(tree.Drop(middleOf(b)));
    EXPECT_EQ(tree.GetDropHilightItem(), 0);
    EXPECT_FALSE(tree.Drop(middleOf(b)));

    ASSERT_TRUE(tree.BeginDrag(b));
    tree.SetFocus();
    EXPECT_TRUE(PressKey(kKeyEscape));
    EXPECT_FALSE(tree.IsDragging());

    std::vector<std::pair<int, intptr_t>> seen;
    for (const auto& note : parent.notes) {
        seen.push_back({note.code, note.payload});
    }
    const std::vector<std::pair<int, intptr_t>> expected = {
        {kNotifyBeginDrag, a}, {kNotifyDragOver, b},  {kNotifyDragOver, 0},
        {kNotifyDrop, b},      {kNotifyBeginDrag, b}, {kNotifyDragCancel, 0}};
    EXPECT_EQ(seen, expected);
}

TEST_F(ScreenContractTest, ArrowKeysWalkTheTreeAndCtrlArrowsAreLeftToTheParent) {
    TreeControl tree;
    ASSERT_TRUE(tree.Create(&parent, {0, 0, 200, 200}, 9, kTvsHasButtons | kTvsLinesAtRoot));
    const TreeItem root = tree.InsertItem("root");
    const TreeItem a = tree.InsertItem("a", root);
    const TreeItem b = tree.InsertItem("b", root);
    tree.SetFocus();
    struct Step {
        uint32_t key;
        unsigned modifiers;
        bool handled;
        TreeItem selected;
        bool rootExpanded;
    };
    const Step steps[] = {
        {kKeyDown, kModNone, true, root, false}, {kKeyRight, kModNone, true, root, true},
        {kKeyRight, kModNone, true, a, true},    {kKeyDown, kModNone, true, b, true},
        {kKeyDown, kModControl, false, b, true}, {kKeyLeft, kModNone, true, root, true},
        {kKeyLeft, kModNone, true, root, false}, {kKeyEnd, kModNone, true, root, false},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(KeyDown(step.key, step.modifiers), step.handled) << step.key;
        EXPECT_EQ(tree.GetSelectedItem(), step.selected) << step.key;
        EXPECT_EQ(tree.IsExpanded(root), step.rootExpanded) << step.key;
    }
}

TEST_F(ScreenContractTest, NavigationKeysMoveTheListsFocusAsClicksAndPageByWhatIsShown) {
    const int page = list.GetCountPerPage();
    list.SetFocus();
    struct Step {
        uint32_t key;
        unsigned modifiers;
        bool handled;
        int focused;
        int top;
    };
    const Step steps[] = {
        {kKeyDown, kModNone, true, 0, 0},  // nothing focused: the first row
        {kKeyDown, kModNone, true, 1, 0},
        {kKeyUp, kModNone, true, 0, 0},
        {kKeyUp, kModNone, true, 0, 0},
        {kKeyPageDown, kModNone, true, page - 1, 0},  // to the last row shown
        {kKeyPageDown, kModNone, true, 2 * page - 2, page - 1},
        {kKeyPageUp, kModNone, true, page - 1, page - 1},  // to the top row shown
        {kKeyPageUp, kModNone, true, 0, 0},
        {kKeyEnd, kModNone, true, 99, 100 - page},
        {kKeyDown, kModNone, true, 99, 100 - page},
        {kKeyHome, kModNone, true, 0, 0},
        {kKeyDown, kModShift, false, 0, 0},
        {kKeyLeft, kModNone, false, 0, 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(KeyDown(step.key, step.modifiers), step.handled) << step.key;
        EXPECT_EQ(list.GetNextItem(-1, kLvniFocused), step.focused) << step.key;
        EXPECT_EQ(list.GetNextItem(-1, kLvniSelected), step.focused) << step.key;
        EXPECT_EQ(list.GetSelectedCount(), 1) << step.key;
        EXPECT_EQ(list.GetTopIndex(), step.top) << step.key;
    }
    // Each move told the parent as a click does: the row left and the row reached.
    EXPECT_EQ(parent.OfCode(kNotifyItemChanged).size(), 2u * 8 + 1);

    list.EnableWindow(false);
    EXPECT_FALSE(KeyDown(kKeyDown, kModNone));
}

TEST_F(ScreenContractTest, PageKeysWalkATreeByAPageOfShownRows) {
    TreeControl tree;
    ASSERT_TRUE(tree.Create(&parent, {0, 0, 200, 100}, 9, kTvsHasButtons | kTvsLinesAtRoot));
    std::vector<TreeItem> items;
    for (int i = 0; i < 30; ++i) {
        items.push_back(tree.InsertItem("item " + std::to_string(i)));
    }
    const int page = tree.GetVisibleCount();
    tree.SetFocus();
    ASSERT_TRUE(KeyDown(kKeyPageDown, kModNone));
    EXPECT_EQ(tree.GetSelectedItem(), items[0]) << "nothing selected: the first row";
    ASSERT_TRUE(KeyDown(kKeyPageDown, kModNone));
    EXPECT_EQ(tree.GetSelectedItem(), items[static_cast<size_t>(page - 1)]);
    ASSERT_TRUE(KeyDown(kKeyEnd, kModNone));
    ASSERT_TRUE(KeyDown(kKeyPageUp, kModNone));
    EXPECT_EQ(tree.GetSelectedItem(), items[static_cast<size_t>(30 - page)]);
    EXPECT_EQ(tree.GetFirstVisibleItem(), items[static_cast<size_t>(30 - page)]);
}

}  // namespace
}  // namespace tarnui
