// The section tree's display and persistence, which the golden scripts cannot see: its images,
// the item height that follows the font, colours, the header that is on only while printing,
// and the expansion state kept in the workspace.
#include <gtest/gtest.h>

#include <memory>

#include "src/resources/ResourceIds.h"
#include "src/shell/CWorkspaceDataAccessor.h"
#include "src/shell/framework/NamedColours.h"
#include "src/shell/sink/MapViewFactory.h"
#include "src/views/CTarnMapSectionTreeInstanceCtrl.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"
#include "src/views/ViewFont.h"
#include "tests/src/shell/ShellTestSupport.h"
#include "tests/src/views/FakeWorkspaceData.h"

namespace {

class SectionTreeViewTest : public shelltest::MapSinkTest {
protected:
    SectionTreeViewTest() {
        Start(tarnhost::Workspace::ForListing(TARN_TEST_DATA_DIR "/listings/small.map"));
        // The symbol list first, then its tree, each in a shown pane.
        auto symbols = MakeListView(kViewSymbolList, *sink_);
        companion = static_cast<CTarnMapSymbolListInstanceCtrl*>(symbols.get());
        Place(std::move(symbols));
        tree = static_cast<CTarnMapSectionTreeInstanceCtrl*>(
            Place(std::make_unique<CTarnMapSectionTreeInstanceCtrl>(
                host_->Host(), frames_.get(), sink_.get(), &sink_->DataManager(), kViewSectionTree,
                companion)));
        sink_->Reload(kReloadLinkMap);
        sink_->Refresh(kReloadLinkMap);
    }

    CTarnMapSymbolListInstanceCtrl* companion = nullptr;
    CTarnMapSectionTreeInstanceCtrl* tree = nullptr;
};

TEST_F(SectionTreeViewTest, ShowsItsImagesInItsFontAndColours) {
    CMapTreeCtrl& ctrl = tree->TreeCtrl();
    ASSERT_EQ(ctrl.GetImageList(), &tree->Images());
    EXPECT_EQ(tree->Images().Count(), 2);
    EXPECT_EQ(tree->Images().ImageWidth(), 16);
    const tarnui::TreeItem root = ctrl.GetRootItem();
    const tarnui::TreeItem section = ctrl.GetChildItem(root);
    EXPECT_EQ(ctrl.ImageToDraw(root), 0);
    EXPECT_EQ(ctrl.ImageToDraw(section), 1);
    EXPECT_FALSE(ctrl.IsHeaderShown());

    tree->SetViewFont("Arial", 20);
    const tarnui::Font expected = MakePointFont("Arial", 200);
    EXPECT_EQ(ctrl.GetItemFont(), expected);
    EXPECT_EQ(ctrl.GetItemHeight(), tarnui::GetTextMetrics(expected).height + 4);

    tree->SetViewColors("Text", 3, 25);
    EXPECT_EQ(ctrl.GetTextColor(), 0xFF0000u);
    EXPECT_EQ(ctrl.GetBkColor(), ResolveBackgroundColour(0));
    EXPECT_EQ(ctrl.GetTextBkColor(), ResolveBackgroundColour(0));
}

// The heading lines are printed, and the header is off again afterwards.
TEST_F(SectionTreeViewTest, PrintsWithItsHeaderOnlyWhilePrinting) {
    backend_.Script().PrintDialog(true);
    tree->PrintView();
    ASSERT_EQ(backend_.Documents().size(), 1u);
    const auto& texts = backend_.Documents()[0].pages.at(0).texts;
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[1].text.substr(0, 10), "----------");
    EXPECT_EQ(texts[2].text.substr(0, 19), "[-]-- Link map list");
    EXPECT_FALSE(tree->TreeCtrl().IsHeaderShown());
    EXPECT_TRUE(tree->TreeCtrl().IsRedrawOn());
}

// A collapsed root is saved as one expansion key and restored into a later tree.
TEST_F(SectionTreeViewTest, KeepsItsExpansionInTheWorkspace) {
    views_test::FakeWorkspaceData data;
    CWorkspaceDataAccessor accessor(&data, u"W", u"P", u"C", u"D", kIdTarnMapComponent);
    CMapTreeCtrl& ctrl = tree->TreeCtrl();
    ctrl.Expand(ctrl.GetRootItem(), tarnui::TreeExpand::Collapse);
    tree->SaveInstanceSettings(accessor, "MapSctTreeWnd0");
    int32_t value = -1;
    EXPECT_TRUE(accessor.ReadNumber("MapSctTreeWnd0Exp0", -1, value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(accessor.ReadNumber("MapSctTreeWnd0Exp1", -1, value));

    accessor.WriteNumber("MapSctTreeWnd0Exp0", 1);
    tree->LoadInstanceSettings(accessor, "MapSctTreeWnd0");
    EXPECT_TRUE(ctrl.IsExpanded(ctrl.GetRootItem()));
}

// A person may close the symbol list's pane alone: the tree then drives nothing and its
// forwarded commands are disabled.
TEST_F(SectionTreeViewTest, OutlivesItsClosedSymbolList) {
    CMapTreeCtrl& ctrl = tree->TreeCtrl();
    ASSERT_TRUE(ctrl.ClickItem(ctrl.GetChildItem(ctrl.GetRootItem())));
    EXPECT_EQ(companion->Section(), "P");
    EXPECT_TRUE(tree->QueryCommand(tarnres::kCmdFilter).enabled);

    EXPECT_EQ(sink_->ViewClosing(companion), 1);
    EXPECT_EQ(tree->Companion(), nullptr);
    EXPECT_TRUE(ctrl.ClickItem(ctrl.GetRootItem()));
    EXPECT_FALSE(tree->QueryCommand(tarnres::kCmdFilter).enabled);
    tree->ExecuteCommand(tarnres::kCmdFind);
    EXPECT_TRUE(backend_.EventsOf(tarnui::ShownKind::Dialog).empty());
}

}  // namespace
