// The view frame manager's requests as the host's docking framework keeps them: the sink's
// menu, toolbar, accelerators and command registration, panes by key, and a host without a
// docking framework.
#include <gtest/gtest.h>

#include "platform/commands/Application.h"
#include "src/resources/ResourceIds.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace shelltest {
namespace {

bool HoldsCommand(const std::vector<tarnui::MenuItemTemplate>& items, int command) {
    for (const auto& item : items) {
        if (item.command == command || HoldsCommand(item.items, command)) {
            return true;
        }
    }
    return false;
}

class ViewFrameManagerTest : public ShellTest {
protected:
    ViewFrameManagerTest() : manager_(Host()) {
        EXPECT_TRUE(sinkWindow_.Create(nullptr, {}, 0, 0));
        sinkWindow_.OnCommand(tarnres::kCmdOpenMap, [this] { ++openMap_; });
        sinkWindow_.OnCommand(tarnres::kCmdMoveUp, [this] { ++moveUp_; });
    }

    CViewFrameManager manager_;
    tarnui::Window sinkWindow_;
    int openMap_ = 0;
    int moveUp_ = 0;
};

TEST_F(ViewFrameManagerTest, SinkRequestsReachTheHostUnderTheComponentsIdentifier) {
    ASSERT_TRUE(manager_.HasDockingFramework());
    ASSERT_TRUE(manager_.AddMenuToHost(tarnres::kMenuTools, "Tools"));
    ASSERT_TRUE(manager_.RegisterCommandTarget(&sinkWindow_));
    ASSERT_TRUE(
        manager_.CreateToolbar(tarnres::kToolbarMap, "Map", "{WK_TB00000012_MAP}", &sinkWindow_));
    ASSERT_TRUE(manager_.InstallAccelerators(tarnres::kAccelMap, &sinkWindow_));

    ASSERT_EQ(Docking().Menus().size(), 1u);
    const tarnhost::HostMenuEntry& menu = Docking().Menus()[0];
    EXPECT_EQ(menu.component, kIdTarnMapComponent);
    EXPECT_EQ(menu.hostMenu, "Tools");
    EXPECT_TRUE(HoldsCommand(menu.menu.items, tarnres::kCmdOpenMap));

    ASSERT_EQ(Docking().Toolbars().size(), 1u);
    const tarnhost::ToolbarState& toolbar = Docking().Toolbars()[0];
    EXPECT_EQ(toolbar.component, kIdTarnMapComponent);
    EXPECT_EQ(toolbar.frame, nullptr);
    EXPECT_EQ(toolbar.owner, &sinkWindow_);
    EXPECT_EQ(toolbar.displayName, "Map");
    EXPECT_EQ(toolbar.identifier, "{WK_TB00000012_MAP}");
    EXPECT_EQ(toolbar.commands, (std::vector<int>{tarnres::kCmdOpenMap}));

    ASSERT_EQ(Docking().Accelerators().size(), 1u);
    EXPECT_EQ(Docking().Accelerators()[0].component, kIdTarnMapComponent);
    EXPECT_EQ(Docking().Accelerators()[0].table.id, tarnres::kAccelMap);
    ASSERT_EQ(Docking().CommandTargets().size(), 1u);
    EXPECT_EQ(Docking().CommandTargets()[0].component, kIdTarnMapComponent);

    // The host's menu, toolbar and keys reach the sink window.
    EXPECT_TRUE(Docking().ExecuteCommand(tarnres::kCmdOpenMap));
    EXPECT_EQ(openMap_, 1);
    EXPECT_TRUE(Docking().TranslateAccelerator(tarnui::kKeyUp, tarnui::kModControl));
    EXPECT_EQ(moveUp_, 1);
    EXPECT_FALSE(Docking().TranslateAccelerator(tarnui::kKeyUp, tarnui::kModNone));

    // Forgetting the window takes every request aimed at it back; the menu stays.
    manager_.ForgetWindow(&sinkWindow_);
    EXPECT_TRUE(Docking().Toolbars().empty());
    EXPECT_TRUE(Docking().Accelerators().empty());
    EXPECT_TRUE(Docking().CommandTargets().empty());
    EXPECT_EQ(Docking().Menus().size(), 1u);
    EXPECT_FALSE(Docking().ExecuteCommand(tarnres::kCmdOpenMap));
    EXPECT_EQ(openMap_, 1);
}

TEST_F(ViewFrameManagerTest, ResourcesComeFromTheComponentWhateverTableIsCurrent) {
    // An empty table is current, as when the host calls in.
    tarnui::ResourceTable hostTable;
    tarnui::ScopedResourceContext hostContext(&hostTable);
    EXPECT_TRUE(manager_.AddMenuToHost(tarnres::kMenuTools, "Tools"));
    EXPECT_EQ(tarnui::CurrentResourceTable(), &hostTable);
    // Resources the component's library lacks are refused, and nothing reaches the host.
    EXPECT_FALSE(manager_.AddMenuToHost(4242, "Tools"));
    EXPECT_FALSE(manager_.CreateToolbar(4242, "Map", "{X}", &sinkWindow_));
    EXPECT_FALSE(manager_.InstallAccelerators(4242, &sinkWindow_));
    EXPECT_EQ(Docking().Menus().size(), 1u);
    EXPECT_TRUE(Docking().Toolbars().empty());
    EXPECT_TRUE(Docking().Accelerators().empty());
}

TEST_F(ViewFrameManagerTest, PanesUnderAKeyAreShownTogether) {
    tarnui::Window* first = manager_.CreatePane("{WK_00000001_MAPSCT}ab", "Map Section Information",
                                                0x1A04, kDockBarBottom);
    tarnui::Window* second =
        manager_.CreatePane("{WK_00000001_MAPSCT}ab", "Map Section Information", 0x400, 0);
    tarnui::Window* other = manager_.CreatePane("{WK_00000001_MAPSYM}ab", "Map Symbol Information",
                                                0x1A04, kDockBarBottom);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(first->GetWindowText(), "Map Section Information");
    const tarnhost::PaneState* pane = Docking().FindPane(first);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->component, kIdTarnMapComponent);
    EXPECT_EQ(pane->style, 0x1A04u);
    EXPECT_EQ(pane->dockBar, kDockBarBottom);

    EXPECT_EQ(manager_.QueryFrameState(first) & kFrameShown, 0u);
    EXPECT_FALSE(first->IsWindowVisible());
    const uint32_t answer = manager_.ShowWindowForKey("{WK_00000001_MAPSCT}ab");
    EXPECT_NE(answer & kFrameShown, 0u);
    EXPECT_NE(manager_.QueryFrameState(first) & kFrameShown, 0u);
    EXPECT_NE(manager_.QueryFrameState(second) & kFrameShown, 0u);
    EXPECT_TRUE(second->IsWindowVisible());
    EXPECT_EQ(manager_.QueryFrameState(other) & kFrameShown, 0u);
    EXPECT_EQ(manager_.ShowWindowForKey("{WK_00000001_MAPSCT}zz"), 0u);
    EXPECT_EQ(manager_.PaneCount(), 3u);
}

TEST_F(ViewFrameManagerTest, FramesOfAnotherComponentAreNotOurs) {
    tarnui::Window* ours = manager_.CreatePane("{K}", "ours", 0x400, 0);
    tarnui::Window* theirs = nullptr;
    const TarnId otherComponent{{1, 2, 3}};
    ASSERT_EQ(Docking().CreatePane(otherComponent, u"{K}", u"theirs", 0x400, 0, &theirs),
              kStatusOk);
    EXPECT_FALSE(manager_.RequestFrameState(theirs, kFrameShown));
    EXPECT_EQ(manager_.QueryFrameState(theirs), 0u);
    EXPECT_EQ(Docking().FindPane(theirs)->state & kFrameShown, 0u);
    // Showing our key leaves their pane of the same key alone.
    manager_.ShowWindowForKey("{K}");
    EXPECT_NE(Docking().FindPane(ours)->state & kFrameShown, 0u);
    EXPECT_EQ(Docking().FindPane(theirs)->state & kFrameShown, 0u);
}

TEST(ViewFrameManagerWithoutDocking, EveryRequestFailsQuietly) {
    tarnhost::BraeHost bareHost;
    CViewFrameManager manager(&bareHost);
    tarnui::Window window;
    ASSERT_TRUE(window.Create(nullptr, {}, 0, 0));
    EXPECT_FALSE(manager.HasDockingFramework());
    EXPECT_EQ(manager.CreatePane("{K}", "c", 0x400, 0), nullptr);
    EXPECT_FALSE(manager.RequestFrameState(&window, kFrameShown));
    EXPECT_EQ(manager.QueryFrameState(&window), 0u);
    EXPECT_EQ(manager.ShowWindowForKey("{K}"), 0u);
    EXPECT_FALSE(manager.AddMenuToHost(tarnres::kMenuTools, "Tools"));
    EXPECT_FALSE(manager.RegisterCommandTarget(&window));
    EXPECT_FALSE(manager.CreateToolbar(tarnres::kToolbarMap, "Map", "{X}", &window));
    EXPECT_FALSE(manager.CreateFrameToolbar(&window, &window));
    EXPECT_FALSE(manager.InstallAccelerators(tarnres::kAccelMap, &window));
    EXPECT_FALSE(manager.IsToolbarShown(&window));
    EXPECT_FALSE(manager.ShowToolbar(&window, true));
    EXPECT_FALSE(manager.CustomizeToolbar(&window));
    EXPECT_FALSE(manager.Detach(&window));
    manager.ForgetWindow(&window);
    tarnui::CommandUI ui;
    ui.enabled = true;
    manager.UpdateHideCommand(&window, ui);
    EXPECT_FALSE(ui.enabled);
    // Companions are the manager's own bookkeeping and exist without the host's framework.
    EXPECT_FALSE(manager.CreateCompanions(&window).Empty());
    manager.ForgetWindow(&window);
    EXPECT_EQ(manager.CompanionCount(), 0u);
}

}  // namespace
}  // namespace shelltest
