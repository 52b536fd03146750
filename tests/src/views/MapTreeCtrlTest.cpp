#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWorkspaceData.h"
#include "ViewsFixture.h"
#include "host/lib/ProfileService.h"
#include "host/lib/Workspace.h"
#include "host/lib/WorkspaceDataService.h"
#include "platform/graphics/ImageList.h"
#include "platform/text/Utf.h"
#include "src/shell/CWorkspaceDataAccessor.h"
#include "src/shell/HostIds.h"
#include "src/views/CMapTreeCtrl.h"
#include "src/views/ColumnHeaderMenu.h"

namespace {

using tarnui::TreeExpand;
using tarnui::TreeItem;
using views_test::FakeWorkspaceData;
using views_test::ViewsTest;

class MapTreeCtrlTest : public ViewsTest {
protected:
    void SetUp() override {
        ViewsTest::SetUp();
        ASSERT_TRUE(tree.Create(&frame, {0, 0, 300, 3 * 18}, 207,
                                tarnui::kTvsHasButtons | tarnui::kTvsLinesAtRoot));
        Build(tree);
    }
    // root (a (a1, a2 (a21)), b (b1), c), all collapsed, header off.
    void Build(CMapTreeCtrl& t) {
        t.ShowHeader(false, false);
        root = t.InsertItem("root");
        a = t.InsertItem("a", root);
        b = t.InsertItem("b", root);
        c = t.InsertItem("c", root);
        a1 = t.InsertItem("a1", a);
        a2 = t.InsertItem("a2", a);
        a21 = t.InsertItem("a21", a2);
        b1 = t.InsertItem("b1", b);
    }
    CWorkspaceDataAccessor Bind(IBraeWorkspaceData* service) {
        return CWorkspaceDataAccessor(service, u"Demo", u"blinky", u"Debug", u"TM32F100",
                                      kIdTarnMapDataSection);
    }
    std::vector<WString> ExpansionKeys(const std::vector<WString>& keys) {
        std::vector<WString> out;
        for (const WString& k : keys) {
            if (k.find(u"Exp") != WString::npos) {
                out.push_back(k);
            }
        }
        return out;
    }

    CMapTreeCtrl tree;
    TreeItem root = 0, a = 0, b = 0, c = 0, a1 = 0, a2 = 0, a21 = 0, b1 = 0;
};

TEST_F(MapTreeCtrlTest, AnImageIndexPastTheListDrawsImageZero) {
    tarnui::ImageList images;
    images.Create(16, 16, true, 4, 1);
    images.Add(tarnui::Bitmap(48, 16, 0xFF00FFFFu));  // three images
    EXPECT_EQ(tree.ImageToDraw(a), -1) << "no image list yet";
    tree.SetImageList(&images);
    const struct {
        int image;
        int drawn;
    } cases[] = {{0, 0}, {2, 2}, {3, 0}, {40, 0}, {-1, -1}};
    for (const auto& k : cases) {
        tree.SetItemImage(b, k.image, 1);
        EXPECT_EQ(tree.ImageToDraw(b), k.drawn) << k.image;
    }
    tree.SetItemImage(b, 1, 9);
    tree.SelectItem(b);
    EXPECT_EQ(tree.ImageToDraw(b), 0) << "the selected image falls back too";
}

TEST_F(MapTreeCtrlTest, TheHeaderMenuCannotHideTheTreeColumn) {
    tree.SetColumnTitle(0, "Section");
    tree.InsertColumn(1, "Size", 60);
    tree.InsertColumn(2, "Address", 80);
    tree.ShowHeader(true);
    script.PopupMenu(kColumnMenuFirstCommand + 0).PopupMenu(kColumnMenuFirstCommand + 1);
    ASSERT_TRUE(tree.RightClickHeader(0));
    EXPECT_EQ(tree.GetColumnWidth(0), 200) << "its entry is disabled";
    ASSERT_TRUE(tree.RightClickHeader(0));
    EXPECT_EQ(tree.GetColumnWidth(1), 0);
    EXPECT_EQ(tree.RememberedWidth(1), 60u);
    const auto menus = backend.EventsOf(tarnui::ShownKind::PopupMenu);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].items,
              (std::vector<std::string>{"Section [x] (disabled)", "Size [x]", "Address [x]"}));
    EXPECT_EQ(menus[0].answer, 0) << "a disabled entry counts as dismissal";
    EXPECT_FALSE(tree.ToggleColumn(0));
    EXPECT_TRUE(tree.ToggleColumn(1));
    EXPECT_EQ(tree.GetColumnWidth(1), 60);
}

TEST_F(MapTreeCtrlTest, TheExpansionWalkWritesDepthFirstThroughExpandedItems) {
    tree.Expand(root, TreeExpand::Expand);
    tree.Expand(a, TreeExpand::Expand);
    tree.Expand(a2, TreeExpand::Expand);
    FakeWorkspaceData data;
    CWorkspaceDataAccessor accessor = Bind(&data);
    tree.SaveInstanceState(accessor, "MapSctTreeWnd0");
    // root a a1 a2 a21 b c; b1 lies under the collapsed b and is not walked.
    const std::vector<int32_t> expected = {1, 1, 0, 1, 0, 0, 0};
    std::vector<WString> keys;
    for (size_t n = 0; n < expected.size(); ++n) {
        keys.push_back(u"MapSctTreeWnd0Exp" + tarnui::Utf8ToUtf16(std::to_string(n)));
        EXPECT_EQ(data.numbers[keys.back()], expected[n]) << n;
    }
    keys.insert(keys.end(), {u"MapSctTreeWnd0ScrollHorz", u"MapSctTreeWnd0ScrollVert"});
    EXPECT_EQ(data.writes, keys);
    EXPECT_EQ(data.last.section, u"{AFE1390A-CE18-FF34-7319-4530377840E4}");
    EXPECT_EQ(data.last.workspace, u"Demo");
    EXPECT_EQ(data.last.device, u"TM32F100");
}

TEST_F(MapTreeCtrlTest, StateRoundTripsThroughTheWorkspaceDataService) {
    auto workspace = tarnhost::Workspace::ForListing("/nonexistent/demo.map");
    tarnhost::WorkspaceDataService service(*workspace);
    CWorkspaceDataAccessor accessor = Bind(&service);
    const auto addSixUnderC = [this](CMapTreeCtrl& t) {
        for (int i = 0; i < 6; ++i) {
            t.InsertItem("c" + std::to_string(i), c);
        }
    };
    addSixUnderC(tree);
    tree.Expand(root, TreeExpand::Expand);
    tree.Expand(a, TreeExpand::Expand);
    tree.Expand(c, TreeExpand::Expand);
    tree.SetScrollPosVert(4);
    tree.SetScrollPosHorz(15);
    tree.SaveInstanceState(accessor, "MapSctTreeWnd1");

    CMapTreeCtrl copy;  // the same shape, with b expanded; the saved state collapses it
    ASSERT_TRUE(copy.Create(&frame, {0, 0, 300, 3 * 18}, 208, tarnui::kTvsHasButtons));
    Build(copy);
    addSixUnderC(copy);
    copy.Expand(b, TreeExpand::Expand);
    copy.RestoreInstanceState(accessor, "MapSctTreeWnd1");
    EXPECT_TRUE(copy.IsExpanded(root));
    EXPECT_TRUE(copy.IsExpanded(a));
    EXPECT_FALSE(copy.IsExpanded(b));
    EXPECT_TRUE(copy.IsExpanded(c));
    EXPECT_EQ(copy.GetScrollPosVert(), 4);
    EXPECT_EQ(copy.GetScrollPosHorz(), 15);
    EXPECT_EQ(copy.GetItemText(copy.GetFirstVisibleItem()), "b");

    // Another prefix has nothing stored: everything reads as 0.
    copy.RestoreInstanceState(accessor, "MapSctTreeWnd9");
    EXPECT_FALSE(copy.IsExpanded(root));
    EXPECT_EQ(copy.GetScrollPosVert(), 0);
    EXPECT_EQ(copy.GetScrollPosHorz(), 0);
}

TEST_F(MapTreeCtrlTest, RestoringIntoASmallerTreeReadsOnlyTheKeysTheWalkReaches) {
    FakeWorkspaceData data;
    for (int n = 0; n < 7; ++n) {
        data.numbers[u"PExp" + tarnui::Utf8ToUtf16(std::to_string(n))] = 1;
    }
    data.numbers[u"PExp2"] = 0;
    CMapTreeCtrl small;
    ASSERT_TRUE(small.Create(&frame, {0, 0, 300, 100}, 209, 0));
    const TreeItem r = small.InsertItem("root");
    const TreeItem x = small.InsertItem("x", r);
    const TreeItem x1 = small.InsertItem("x1", x);
    small.InsertItem("x11", x1);
    small.Expand(x1, TreeExpand::Expand);
    CWorkspaceDataAccessor accessor = Bind(&data);
    small.RestoreInstanceState(accessor, "P");
    EXPECT_EQ(ExpansionKeys(data.reads), (std::vector<WString>{u"PExp0", u"PExp1", u"PExp2"}));
    EXPECT_TRUE(small.IsExpanded(x));
    EXPECT_FALSE(small.IsExpanded(x1)) << "stored 0 collapses an expanded item";
}

TEST_F(MapTreeCtrlTest, ColumnWidthsAreInstanceStateOnlyWithSeveralColumns) {
    FakeWorkspaceData data;
    CWorkspaceDataAccessor accessor = Bind(&data);
    tree.SaveInstanceState(accessor, "One");
    EXPECT_EQ(data.numbers.count(u"OneColWidth0"), 0u);

    tree.InsertColumn(1, "Size", 60);
    tree.InsertColumn(2, "Address", 80);
    tree.ToggleColumn(1);
    tree.SaveInstanceState(accessor, "Three");
    EXPECT_EQ(data.numbers[u"ThreeColWidth0"], 200);
    EXPECT_EQ(data.numbers[u"ThreeColWidth1"], -60);
    EXPECT_EQ(data.numbers[u"ThreeColWidth2"], 80);

    tree.ToggleColumn(1);
    data.numbers.erase(u"ThreeColWidth2");
    tree.SetColumnWidth(2, 33);
    tree.RestoreInstanceState(accessor, "Three");
    EXPECT_EQ(tree.GetColumnWidth(1), 0);
    EXPECT_EQ(tree.RememberedWidth(1), 60u);
    EXPECT_EQ(tree.GetColumnWidth(2), 33) << "a width not stored stays";
}

TEST_F(MapTreeCtrlTest, TheColumnLayoutNeverHidesTheTreeColumn) {
    tarnhost::ProfileService profile(dir.Path().string());
    tree.SaveColumnLayout(&profile, "CTarnMapSectionTreeInstanceCtrl");
    int32_t value = 0;
    EXPECT_FALSE(
        Succeeded(profile.ReadNumber(u"CTarnMapSectionTreeInstanceCtrl", u"ColWidth0", &value)))
        << "one column, no layout";

    tree.InsertColumn(1, "Size", 60);
    profile.WriteNumber(u"CTarnMapSectionTreeInstanceCtrl", u"ColWidth0", -150);
    profile.WriteNumber(u"CTarnMapSectionTreeInstanceCtrl", u"ColWidth1", -45);
    tree.RestoreColumnLayout(&profile, "CTarnMapSectionTreeInstanceCtrl");
    EXPECT_EQ(tree.GetColumnWidth(0), 150);
    EXPECT_EQ(tree.GetColumnWidth(1), 0);
    EXPECT_EQ(tree.RememberedWidth(1), 45u);
    tree.SaveColumnLayout(&profile, "CTarnMapSectionTreeInstanceCtrl");
    ASSERT_EQ(profile.ReadNumber(u"CTarnMapSectionTreeInstanceCtrl", u"ColWidth1", &value),
              kStatusOk);
    EXPECT_EQ(value, -45);
}

TEST_F(MapTreeCtrlTest, TheAccessorAddsContextAndSectionAndReadsDefaults) {
    FakeWorkspaceData data;
    CWorkspaceDataAccessor accessor = Bind(&data);
    ASSERT_TRUE(accessor.WriteString("MapCtrlTARN_MAP_FIND_SYMBOL_LIST", "abc+d+e"));
    EXPECT_EQ(data.strings[u"MapCtrlTARN_MAP_FIND_SYMBOL_LIST"], u"abc+d+e");
    EXPECT_EQ(data.last.project, u"blinky");
    EXPECT_EQ(data.last.configuration, u"Debug");
    std::string text;
    EXPECT_TRUE(accessor.ReadString("MapCtrlTARN_MAP_FIND_SYMBOL_LIST", "none", text));
    EXPECT_EQ(text, "abc+d+e");
    EXPECT_FALSE(accessor.ReadString("Missing", "none", text));
    EXPECT_EQ(text, "none");
    int32_t number = 0;
    EXPECT_FALSE(accessor.ReadNumber("Missing", 42, number));
    EXPECT_EQ(number, 42) << "the default, whatever the service left";
    CWorkspaceDataAccessor unbound(nullptr, u"", u"", u"", u"", kIdTarnMapDataSection);
    EXPECT_FALSE(unbound.WriteNumber("x", 1));
    EXPECT_FALSE(unbound.ReadNumber("x", 5, number));
    EXPECT_EQ(number, 5);
}

}  // namespace
