#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ViewsFixture.h"
#include "host/lib/ProfileService.h"
#include "platform/controls/ReportNotifications.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/text/Utf.h"
#include "src/views/CMapListCtrl.h"
#include "src/views/ColumnHeaderMenu.h"

namespace {

using views_test::ViewsTest;

constexpr const char* kSection = "CTarnMapSectionListInstanceCtrl";
const std::vector<std::string> kTitles = {"Name", "Start Address", "End Address", "Size",
                                          "Overlay"};

class MapListCtrlTest : public ViewsTest {
protected:
    // A list as the section list makes it: five columns 12 pixels per title byte.
    void MakeList(CMapListCtrl& list, uint32_t autoFit = 0, int columns = 5) {
        ASSERT_TRUE(list.Create(tarnui::kLvsReport | tarnui::kLvsSingleSel, {0, 0, 600, 300},
                                &frame, 204, autoFit));
        for (int c = 0; c < columns; ++c) {
            list.InsertColumn(c, kTitles[c], tarnui::ColumnAlign::Left,
                              static_cast<int>(kTitles[c].size()) * 12);
        }
    }
    int32_t Stored(tarnhost::ProfileService& profile, int column) {
        int32_t value = 12345;
        profile.ReadNumber(u"CTarnMapSectionListInstanceCtrl",
                           u"ColWidth" + tarnui::Utf8ToUtf16(std::to_string(column)), &value);
        return value;
    }
};

TEST_F(MapListCtrlTest, TheLabelEditingStyleBecomesTheEditableFlag) {
    CMapListCtrl editable;
    ASSERT_TRUE(
        editable.Create(tarnui::kLvsReport | tarnui::kLvsEditLabels, {0, 0, 10, 10}, &frame, 1, 0));
    EXPECT_TRUE(editable.IsEditable());
    EXPECT_EQ(editable.GetListStyle(), static_cast<uint32_t>(tarnui::kLvsReport));
    CMapListCtrl plain;
    MakeList(plain);
    EXPECT_FALSE(plain.IsEditable());
}

TEST_F(MapListCtrlTest, AutoFitWidensOnlyTheChosenColumnsToTheLongestText) {
    struct Case {
        uint32_t option;
        std::vector<int> widths;  // after the texts below
    };
    // Texts of 20 bytes in column 0, 30 in column 2; the font is 8 pixels per character.
    const Case cases[] = {
        {0, {48, 156, 132}},
        {CMapListCtrl::kAutoFitAll, {160, 156, 240}},
        {CMapListCtrl::kAutoFitColumn0 << 2, {48, 156, 240}},
        {CMapListCtrl::kAutoFitColumn0, {160, 156, 132}},
    };
    for (const Case& k : cases) {
        CMapListCtrl list;
        MakeList(list, k.option);
        EXPECT_FALSE(list.FitsColumn(0)) << "derived at the first insertion";
        list.InsertItem(0, std::string(20, 'n'));
        list.SetItemText(0, 2, std::string(30, 'e'));
        list.SetItemText(0, 2, std::string(5, 'e'));  // shorter texts never narrow
        list.InsertItem(1, "short");
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(list.GetColumnWidth(c), k.widths[c]) << "option " << k.option << " col " << c;
        }
        const bool fitsAny = k.option != 0;
        EXPECT_EQ(list.LongestText(0) == 20 || list.LongestText(2) == 30, fitsAny);
    }
}

TEST_F(MapListCtrlTest, EveryTextSetRecordsTheWindowTextColourOfItsCell) {
    CMapListCtrl list;
    MakeList(list);
    const tarnui::Color before = tarnui::GetSysColor(tarnui::kColorWindowText);
    const tarnui::Color first = tarnui::Rgb(10, 20, 30), second = tarnui::Rgb(40, 50, 60);
    tarnui::SetSysColor(tarnui::kColorWindowText, first);
    list.InsertItem(0, "P");
    list.SetItemText(0, 3, "0x10");
    tarnui::SetSysColor(tarnui::kColorWindowText, second);
    list.InsertItem(0, "C");  // the first row moves down with its colours
    list.SetItemText(1, 1, "00001000");
    tarnui::SetSysColor(tarnui::kColorWindowText, before);
    EXPECT_EQ(list.GetCellColor(1, 0), first);
    EXPECT_EQ(list.GetCellColor(1, 3), first);
    EXPECT_EQ(list.GetCellColor(1, 1), second);
    EXPECT_EQ(list.GetCellColor(0, 0), second);
    EXPECT_EQ(list.GetCellColor(1, 2), list.GetTextColor()) << "never set";
    list.DeleteItem(0);
    EXPECT_EQ(list.GetCellColor(0, 3), first);
}

TEST_F(MapListCtrlTest, ItemTextsComeBackWholeWhateverTheirLength) {
    CMapListCtrl list;
    MakeList(list);
    for (size_t length : {0u, 2998u, 2999u, 3000u, 5999u, 12001u}) {
        std::string text(length, 'x');
        if (length > 0) {
            text.back() = 'E';
        }
        list.DeleteAllItems();
        list.InsertItem(0, "row");
        list.SetItemText(0, 4, text);
        EXPECT_EQ(list.GetItemText(0, 4), text) << length;
    }
}

TEST_F(MapListCtrlTest, TheHeaderMenuHidesAndShowsColumns) {
    CMapListCtrl list;
    MakeList(list);
    script.PopupMenu(kColumnMenuFirstCommand + 2)
        .PopupMenu(0)
        .PopupMenu(kColumnMenuFirstCommand + 2);

    ASSERT_TRUE(list.RightClickHeader(1, {100, 10}));
    EXPECT_EQ(list.GetColumnWidth(2), 0);
    EXPECT_EQ(list.RememberedWidth(2), 132u);
    const auto menus = backend.EventsOf(tarnui::ShownKind::PopupMenu);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].items,
              (std::vector<std::string>{"Name [x]", "Start Address [x]", "End Address [x]",
                                        "Size [x]", "Overlay [x]"}));

    ASSERT_TRUE(list.RightClickHeader(0));  // dismissed
    EXPECT_EQ(backend.EventsOf(tarnui::ShownKind::PopupMenu).at(1).items.at(2), "End Address")
        << "unchecked while hidden";
    EXPECT_EQ(list.GetColumnWidth(2), 0);
    const int paints = list.PaintRequests();
    ASSERT_TRUE(list.RightClickHeader(4));
    EXPECT_EQ(list.GetColumnWidth(2), 132);
    EXPECT_GT(list.PaintRequests(), paints) << "redrawn";

    // A right click on an item is the parent's business; the header's is not.
    int headerNotes = 0;
    frame.OnNotification(204, tarnui::kNotifyHeaderRightClick,
                         [&](const tarnui::Notification&) { ++headerNotes; });
    script.PopupMenu(0);
    list.RightClickHeader(0);
    EXPECT_EQ(headerNotes, 0);
}

TEST_F(MapListCtrlTest, ADividerDragIsRememberedLikeAWidthTheViewSets) {
    CMapListCtrl list;
    MakeList(list);
    ASSERT_TRUE(list.DragColumnDivider(1, 77));
    EXPECT_EQ(list.RememberedWidth(1), 77u);
    ASSERT_TRUE(list.DragColumnDivider(1, 0));  // dragged shut: hidden, old width kept
    EXPECT_FALSE(list.IsColumnShown(1));
    ASSERT_TRUE(list.ToggleColumn(1));
    EXPECT_EQ(list.GetColumnWidth(1), 77);
}

TEST_F(MapListCtrlTest, AHiddenColumnTravelsToTheNextWindowOfTheClass) {
    tarnhost::ProfileService profile(dir.Path().string());
    {
        CMapListCtrl first;
        MakeList(first);
        first.RestoreColumnLayout(&profile, kSection);  // nothing stored yet
        EXPECT_EQ(first.GetColumnWidth(3), 48);
        first.SetColumnWidth(0, 77);
        script.PopupMenu(kColumnMenuFirstCommand + 3);
        first.RightClickHeader(3);
        ASSERT_EQ(first.GetColumnWidth(3), 0);
        first.SaveColumnLayout(&profile, kSection);  // as the view does when destroyed
    }
    EXPECT_EQ(Stored(profile, 0), 77);
    EXPECT_EQ(Stored(profile, 3), -48);
    EXPECT_EQ(Stored(profile, 4), 84);

    tarnhost::ProfileService nextRun(dir.Path().string());
    CMapListCtrl second;
    MakeList(second);
    second.RestoreColumnLayout(&nextRun, kSection);
    EXPECT_EQ(second.GetColumnWidth(0), 77);
    EXPECT_EQ(second.GetColumnWidth(3), 0);
    EXPECT_EQ(second.RememberedWidth(3), 48u);
    script.PopupMenu(kColumnMenuFirstCommand + 3);
    second.RightClickHeader(0);
    EXPECT_EQ(second.GetColumnWidth(3), 48) << "the old width comes back";
}

TEST_F(MapListCtrlTest, MinusOneIsThirtyPixelsAndOneColumnIsNoLayout) {
    tarnhost::ProfileService profile(dir.Path().string());
    CMapListCtrl list;
    MakeList(list);
    list.SetColumnWidth(1, 1);
    list.ToggleColumn(1);  // hidden with a remembered width of 1: saved as -1
    list.SaveColumnLayout(&profile, kSection);
    EXPECT_EQ(Stored(profile, 1), 30);

    profile.WriteNumber(u"CTarnMapSectionListInstanceCtrl", u"ColWidth2", -1);
    profile.WriteNumber(u"CTarnMapSectionListInstanceCtrl", u"ColWidth4", 0);
    CMapListCtrl next;
    MakeList(next);
    next.RestoreColumnLayout(&profile, kSection);
    EXPECT_EQ(next.GetColumnWidth(1), 30);
    EXPECT_EQ(next.GetColumnWidth(2), 30);
    EXPECT_EQ(next.GetColumnWidth(4), 0);
    script.PopupMenu(kColumnMenuFirstCommand + 4);
    next.RightClickHeader(0);
    EXPECT_GT(next.GetColumnWidth(4), 0) << "a column hidden without a width can be shown again";

    tarnhost::TempDir otherDir;
    tarnhost::ProfileService empty(otherDir.Path().string());
    CMapListCtrl single;
    MakeList(single, 0, 1);
    single.SetColumnWidth(0, 99);
    single.SaveColumnLayout(&empty, "Single");
    int32_t value = 7;
    EXPECT_FALSE(Succeeded(empty.ReadNumber(u"Single", u"ColWidth0", &value)));
    empty.WriteNumber(u"Single", u"ColWidth0", 5);
    single.RestoreColumnLayout(&empty, "Single");
    EXPECT_EQ(single.GetColumnWidth(0), 99);
}

}  // namespace
