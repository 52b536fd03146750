// The substitute host's docking framework: frame states, panes, toolbars, menus, accelerators
// and command targets, kept per component.
#include <gtest/gtest.h>

#include "host/lib/DockingFramework.h"
#include "host/lib/SubstituteHost.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"

namespace tarnhost {
namespace {

const TarnId kComponent{{0xC0, 0x01}};
const TarnId kOtherComponent{{0xC0, 0x02}};

class DockingFrameworkTest : public ::testing::Test {
protected:
    tarnui::Window* NewPane(int32_t dockBar, const WString& key = u"{K}") {
        tarnui::Window* pane = nullptr;
        EXPECT_EQ(docking_.CreatePane(kComponent, key, u"Caption", 0x1A04, dockBar, &pane),
                  kStatusOk);
        return pane;
    }
    uint32_t State(tarnui::Window* pane) {
        uint32_t state = 0;
        EXPECT_EQ(docking_.QueryFrameState(kComponent, pane, &state), kStatusOk);
        return state;
    }

    DockingFramework docking_;
};

// Hidden and captioned as asked: tests/src/shell/ViewFrameManagerTest.cpp.
TEST_F(DockingFrameworkTest, PanesStartDockableOrAmongTheDocuments) {
    tarnui::Window* docked = NewPane(kDockBarBottom);
    tarnui::Window* document = NewPane(0);
    EXPECT_EQ(State(docked), kFrameDockable);
    EXPECT_EQ(State(document), kFrameInDocumentArea);
    EXPECT_EQ(docked->GetWindowRect(), DockingFramework::kPaneRect);
}

TEST_F(DockingFrameworkTest, FrameRequestsChangeTheState) {
    tarnui::Window* pane = NewPane(0);
    struct Step {
        uint32_t request;
        uint32_t state;
        bool visible;
        bool active;
    };
    const Step steps[] = {
        {kFrameShowAndActivate, kFrameInDocumentArea | kFrameShown, true, true},
        {kFrameToggleDocking, kFrameDockable | kFrameShown, true, true},
        {kFrameToggleDocking, kFrameInDocumentArea | kFrameShown, true, true},
        {kFrameHide, kFrameInDocumentArea, false, false},
        {kFrameActivate, kFrameInDocumentArea, false, false},  // a hidden frame stays back
        {kFrameShown, kFrameInDocumentArea | kFrameShown, true, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.request);
        ASSERT_EQ(docking_.RequestFrameState(kComponent, pane, step.request), kStatusOk);
        EXPECT_EQ(State(pane), step.state);
        EXPECT_EQ(pane->IsWindowVisible(), step.visible);
        EXPECT_EQ(docking_.ActivePane() != nullptr, step.active);
    }
}

TEST_F(DockingFrameworkTest, RequestsOfAnotherComponentOrUnknownFramesFail) {
    tarnui::Window* pane = NewPane(0);
    tarnui::Window stranger;
    uint32_t state = 0;
    EXPECT_LT(docking_.RequestFrameState(kOtherComponent, pane, kFrameShown), 0);
    EXPECT_LT(docking_.QueryFrameState(kOtherComponent, pane, &state), 0);
    EXPECT_LT(docking_.RequestFrameState(kComponent, &stranger, kFrameShown), 0);
    EXPECT_LT(docking_.ClosePane(kOtherComponent, pane), 0);
    EXPECT_EQ(docking_.Panes().size(), 1u);
}

TEST_F(DockingFrameworkTest, ClosingAPaneDestroysItsWindowsAndItsToolbar) {
    tarnui::Window* pane = NewPane(kDockBarBottom);
    tarnui::Window content;
    ASSERT_TRUE(content.Create(pane, pane->GetClientRect()));
    int32_t toolbar = 0;
    ASSERT_EQ(docking_.CreateToolbar(kComponent, pane, &content, u"bar", u"", &toolbar), kStatusOk);
    ASSERT_EQ(docking_.ClosePane(kComponent, pane), kStatusOk);
    EXPECT_TRUE(docking_.Panes().empty());
    EXPECT_FALSE(content.IsCreated());
    EXPECT_EQ(docking_.FindToolbar(toolbar), nullptr);
}

TEST_F(DockingFrameworkTest, APersonClosingAnEmptyPaneClosesIt) {
    tarnui::Window* pane = NewPane(0);
    EXPECT_TRUE(docking_.UserClosesPane(pane));
    EXPECT_TRUE(docking_.Panes().empty());
    EXPECT_FALSE(docking_.UserClosesPane(pane));
}

TEST_F(DockingFrameworkTest, ToolbarsStartShownAndBelongToTheirComponent) {
    int32_t handle = 0;
    ASSERT_EQ(docking_.CreateToolbar(kComponent, nullptr, nullptr, u"Map", u"{TB}", &handle),
              kStatusOk);
    int32_t shown = 0;
    ASSERT_EQ(docking_.IsToolbarShown(kComponent, handle, &shown), kStatusOk);
    EXPECT_EQ(shown, 1);
    // Another component cannot touch it; a frame that is no pane gets none.
    EXPECT_LT(docking_.ShowToolbar(kOtherComponent, handle, 0), 0);
    EXPECT_LT(docking_.IsToolbarShown(kOtherComponent, handle, &shown), 0);
    tarnui::Window stranger;
    EXPECT_LT(docking_.CreateToolbar(kComponent, &stranger, nullptr, u"", u"", &handle), 0);
}

TEST_F(DockingFrameworkTest, MenusAndRegistrationsAreKeptOnce) {
    tarnui::MenuTemplate menu;
    menu.id = 201;
    menu.items.push_back({"Ma&p...", 32770, false, {}});
    ASSERT_EQ(docking_.AddMenu(kComponent, menu, u"Tools"), kStatusOk);
    ASSERT_EQ(docking_.AddMenu(kComponent, menu, u"Tools"), kStatusOk);
    ASSERT_EQ(docking_.AddMenu(kComponent, menu, u"View"), kStatusOk);
    EXPECT_EQ(docking_.Menus().size(), 2u);

    tarnui::Window target;
    int32_t first = 0;
    int32_t again = 0;
    int32_t other = 0;
    ASSERT_EQ(docking_.RegisterCommandTarget(kComponent, &target, &first), kStatusOk);
    ASSERT_EQ(docking_.RegisterCommandTarget(kComponent, &target, &again), kStatusOk);
    ASSERT_EQ(docking_.RegisterCommandTarget(kOtherComponent, &target, &other), kStatusOk);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
    EXPECT_EQ(docking_.CommandTargets().size(), 2u);
    // Forgetting is per component.
    ASSERT_EQ(docking_.ForgetWindow(kComponent, &target), kStatusOk);
    ASSERT_EQ(docking_.CommandTargets().size(), 1u);
    EXPECT_EQ(docking_.CommandTargets()[0].component, kOtherComponent);
}

TEST_F(DockingFrameworkTest, CommandsGoToTheFirstTargetThatHasThemEnabled) {
    tarnui::Window disabled;
    tarnui::Window enabled;
    int ranDisabled = 0;
    int ranEnabled = 0;
    disabled.OnCommand(7, [&] { ++ranDisabled; });
    disabled.OnUpdateCommand(7, [](tarnui::CommandUI& ui) { ui.Enable(false); });
    enabled.OnCommand(7, [&] { ++ranEnabled; });
    int32_t handle = 0;
    docking_.RegisterCommandTarget(kComponent, &disabled, &handle);
    docking_.RegisterCommandTarget(kComponent, &enabled, &handle);
    EXPECT_TRUE(docking_.ExecuteCommand(7));
    EXPECT_EQ(ranDisabled, 0);
    EXPECT_EQ(ranEnabled, 1);
    EXPECT_FALSE(docking_.ExecuteCommand(8));
    EXPECT_FALSE(docking_.QueryCommand(8).enabled);
}

TEST_F(DockingFrameworkTest, TheLatestAcceleratorTableWins) {
    tarnui::Window older;
    tarnui::Window newer;
    int ranOlder = 0;
    int ranNewer = 0;
    older.OnCommand(1, [&] { ++ranOlder; });
    newer.OnCommand(2, [&] { ++ranNewer; });
    tarnui::AcceleratorTable first{10, {{'A', tarnui::kModControl, 1}}};
    tarnui::AcceleratorTable second{11, {{'A', tarnui::kModControl, 2}}};
    ASSERT_EQ(docking_.InstallAccelerators(kComponent, first, &older), kStatusOk);
    ASSERT_EQ(docking_.InstallAccelerators(kComponent, second, &newer), kStatusOk);
    EXPECT_TRUE(docking_.TranslateAccelerator('A', tarnui::kModControl));
    EXPECT_EQ(ranNewer, 1);
    EXPECT_EQ(ranOlder, 0);
    EXPECT_FALSE(docking_.TranslateAccelerator('B', tarnui::kModControl));
}

}  // namespace
}  // namespace tarnhost
