// The command sink re-reads only the models an open Map window shows and refreshes the views
// each kind of change concerns.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/src/shell/ShellTestSupport.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

class SinkReload : public MapSinkTest {
protected:
    SinkReload() {
        for (const char* name : {"demo.tarnws", "blinky.map"}) {
            fs::copy_file(fs::path(TARN_SOURCE_DIR) / "examples/demo" / name, dir_.Path() / name);
        }
        std::string error;
        auto workspace = tarnhost::Workspace::Open(dir_ / "demo.tarnws", &error);
        EXPECT_NE(workspace, nullptr) << error;
        Start(std::move(workspace));
    }

    void OpenView(const std::string& name, int kind) {
        tarnui::Window* pane = frames_->CreatePane("{KEY}" + name, name, 0x400, 0);
        auto view = std::make_unique<RecordingView>(name, &journal_, host_->Host(), frames_.get(),
                                                    sink_.get());
        view->SetKind(kind);
        ASSERT_TRUE(view->CreateViewWindow(pane, sink_.get()));
        sink_->AddView(std::move(view));
    }

    int Sections() { return sink_->DataManager().GetSectionCount(); }
    int Areas() { return sink_->DataManager().GetMemoryAreaCount(); }
    int Groups() {
        LinkerSectionRows rows;
        return sink_->DataManager().GetLinkerSections(rows);
    }
};

TEST_F(SinkReload, NothingIsReadWhileNoMapWindowIsOpen) {
    for (int kind = 0; kind <= 4; ++kind) {
        sink_->Reload(kind);
    }
    EXPECT_EQ(Sections(), 0);
    EXPECT_EQ(Areas(), 0);
    EXPECT_EQ(Groups(), 0);
}

TEST_F(SinkReload, ASymbolWindowReadsOnlyTheLinkMap) {
    OpenView("symbols", kViewSymbolList);
    sink_->Reload(kReloadMemoryMap);
    sink_->Reload(kReloadLinkerSections);
    EXPECT_EQ(Areas(), 0);
    EXPECT_EQ(Groups(), 0);
    sink_->Reload(kReloadLinkMap);
    EXPECT_EQ(Sections(), 20);
    sink_->Reload(kReloadAll);
    EXPECT_EQ(Areas(), 0);
    EXPECT_EQ(Groups(), 0);
}

TEST_F(SinkReload, ASectionWindowReadsEveryModel) {
    OpenView("list", kViewSectionList);
    sink_->Reload(kReloadMemoryMap);
    EXPECT_EQ(Areas(), 5);
    EXPECT_EQ(Groups(), 0);
    sink_->Reload(kReloadLinkerSections);
    EXPECT_EQ(Groups(), 6);
    EXPECT_EQ(Sections(), 0);
    sink_->Reload(kReloadAll);
    EXPECT_EQ(Sections(), 20);
}

TEST_F(SinkReload, RefreshReachesTheViewsOfTheChange) {
    OpenView("tree", kViewSectionSettingTree);
    OpenView("list", kViewSectionList);
    OpenView("sections", kViewSectionTree);
    OpenView("symbols", kViewSymbolList);
    journal_.clear();
    sink_->Refresh(kReloadLinkMap);
    EXPECT_EQ(journal_,
              (std::vector<std::string>{"list: refresh", "sections: refresh", "symbols: refresh"}));
    journal_.clear();
    sink_->Refresh(kReloadAll);
    EXPECT_EQ(journal_, (std::vector<std::string>{"tree: refresh", "list: refresh",
                                                  "sections: refresh", "symbols: refresh"}));
    journal_.clear();
    sink_->Refresh(kReloadMemoryMap);
    EXPECT_TRUE(journal_.empty());
}

TEST_F(SinkReload, TheSinkWindowOffersTheMapCommandToTheHost) {
    const tarnhost::DockingFramework& docking = host_->Docking();
    ASSERT_EQ(docking.Menus().size(), 1u);
    EXPECT_EQ(docking.Menus()[0].hostMenu, "Tools");
    EXPECT_EQ(docking.Menus()[0].component, kIdTarnMapComponent);
    ASSERT_EQ(docking.CommandTargets().size(), 1u);
    EXPECT_EQ(docking.CommandTargets()[0].target, sink_.get());
    ASSERT_EQ(docking.Toolbars().size(), 1u);
    EXPECT_EQ(docking.Toolbars()[0].identifier, "{WK_TB00000012_MAP}");
    EXPECT_EQ(docking.Toolbars()[0].displayName, "Map");
    EXPECT_EQ(docking.Toolbars()[0].commands, std::vector<int>{32770});
    ASSERT_EQ(docking.Accelerators().size(), 1u);
    EXPECT_EQ(docking.Accelerators()[0].table.id, 9000);
    EXPECT_EQ(docking.Accelerators()[0].target, sink_.get());
}

TEST_F(SinkReload, LinkerOptionQueryKeepsTheCapabilities) {
    sink_->RunLinkerOptionQuery();
    EXPECT_TRUE(sink_->LinkerOptionsAvailable());
    EXPECT_EQ(sink_->LinkerOptionFlags(), 0x3Fu);
    sink_->DataManager().SetContext(u"Other", u"", u"", u"");
    sink_->RunLinkerOptionQuery();
    EXPECT_FALSE(sink_->LinkerOptionsAvailable());
    EXPECT_EQ(sink_->LinkerOptionFlags(), 0u);
}

}  // namespace
}  // namespace shelltest
