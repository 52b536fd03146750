// The view base classes: flags, window creation, resizing, F1 and the frame commands every
// view carries, against the substitute host's docking framework.
#include <gtest/gtest.h>

#include "platform/graphics/Font.h"
#include "src/resources/ResourceIds.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace shelltest {
namespace {

using tarnui::CommandUI;

class ViewFrameworkTest : public ShellTest {
protected:
    ViewFrameworkTest() : manager_(Host()), sink_(MakeSink(&manager_)) {}
    ~ViewFrameworkTest() override { sink_.reset(); }

    uint32_t FrameState(const RecordingView& view) {
        return Docking().FindPane(view.Frame())->state;
    }

    CViewFrameManager manager_;
    std::unique_ptr<CUiDebugCommandSink> sink_;
};

TEST_F(ViewFrameworkTest, SetFlagsAnswersTheBitsWhenSettingAndTheRestWhenClearing) {
    RecordingView view("v", nullptr, Host(), nullptr, nullptr);
    EXPECT_EQ(view.GetFlags(), 0u);
    struct Step {
        uint32_t bits;
        int on;
        uint32_t answer;
        uint32_t flags;
    };
    const Step steps[] = {
        {0x05, 1, 0x05, 0x05},  // setting answers the bits passed
        {0x30, 7, 0x30, 0x35},  // any non-zero "on" sets
        {0x01, 0, 0x34, 0x34},  // clearing answers the remaining flags
        {0x80, 0, 0x34, 0x34},  // clearing an absent bit changes nothing
        {0x04, 1, 0x04, 0x34},  // setting a present bit still answers the bits
    };
    for (const Step& step : steps) {
        EXPECT_EQ(view.SetFlags(step.bits, step.on), step.answer) << step.bits << "/" << step.on;
        EXPECT_EQ(view.GetFlags(), step.flags);
    }
    EXPECT_EQ(view.TestFlags(0x14), 0x14u);
}

TEST_F(ViewFrameworkTest, ViewWindowIsAVisibleChildOfItsPaneWithTheCourierFont) {
    RecordingView* view = OpenView(*sink_, manager_, "list");
    tarnui::Window* pane = view->Frame();
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(view->GetStyle(), 0x50000000u);
    EXPECT_EQ(view->MessageTarget(), sink_.get());
    EXPECT_EQ(view->GetWindowRect(), pane->GetClientRect());
    ASSERT_NE(view->GetFont(), nullptr);
    EXPECT_EQ(view->GetFont()->face, "Courier New");
    EXPECT_EQ(view->GetFont()->height, 11);
    EXPECT_EQ(view->GetFont()->width, 8);
    EXPECT_EQ(view->ItemHeight(), tarnui::GetTextMetrics(view->ViewFont()).height);
    EXPECT_FALSE(view->CreateViewWindow(nullptr, sink_.get()));
}

TEST_F(ViewFrameworkTest, ResizingMakesTheFirstChildFillTheClientArea) {
    RecordingView* view = OpenView(*sink_, manager_, "list");
    tarnui::Window first;
    tarnui::Window second;
    ASSERT_TRUE(first.Create(view, {5, 5, 10, 10}));
    ASSERT_TRUE(second.Create(view, {1, 1, 2, 2}));
    // The host's pane passes its size on to the view, the view to its first child.
    view->Frame()->MoveWindow({0, 0, 300, 200});
    EXPECT_EQ(view->GetWindowRect(), (tarnui::Rect{0, 0, 300, 200}));
    EXPECT_EQ(first.GetWindowRect(), (tarnui::Rect{0, 0, 300, 200}));
    EXPECT_EQ(second.GetWindowRect(), (tarnui::Rect{1, 1, 2, 2}));
}

class HelpView : public RecordingView {
public:
    using RecordingView::RecordingView;
    int HelpContextId() const override { return 4711; }
    std::string HelpFile(int command, int context) const override {
        lastCommand = command;
        lastContext = context;
        return kViewHelpFile;
    }
    mutable int lastCommand = -1;
    mutable int lastContext = -1;
};

TEST_F(ViewFrameworkTest, F1OpensTheViewsHtmlHelpAndShiftF1EntersContextMode) {
    HelpView view("help", nullptr, Host(), nullptr, nullptr);
    EXPECT_TRUE(view.OnHelpKey(false));
    EXPECT_EQ(view.lastCommand, 15);
    EXPECT_EQ(view.lastContext, 4711);
    EXPECT_TRUE(view.OnHelpKey(true));
    const auto help = backend_.EventsOf(tarnui::ShownKind::Help);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].help.kind, tarnui::HelpKind::Html);
    EXPECT_EQ(help[0].help.file, "Map.chm");
    EXPECT_EQ(help[0].help.window, "F1HelpWindow");
    EXPECT_EQ(help[0].help.command, 15);
    EXPECT_EQ(help[0].help.data, 4711u);
    EXPECT_EQ(help[1].help.kind, tarnui::HelpKind::ContextMode);

    // A view without a help file opens none.
    RecordingView plain("plain", nullptr, Host(), nullptr, nullptr);
    EXPECT_EQ(plain.HelpContextId(), 0);
    EXPECT_FALSE(plain.OnHelpKey(false));
    EXPECT_EQ(backend_.EventsOf(tarnui::ShownKind::Help).size(), 2u);

    // The answer is whether the help window opened.
    backend_.Script().Help(false);
    EXPECT_FALSE(view.OnHelpKey(false));
}

TEST_F(ViewFrameworkTest, F1PressedInAControlOfTheViewReachesTheViewsHelp) {
    HelpView view("help", nullptr, Host(), nullptr, nullptr);
    tarnui::Window pane;
    ASSERT_TRUE(pane.Create(nullptr, {0, 0, 100, 100}));
    ASSERT_TRUE(view.CreateViewWindow(&pane, sink_.get()));
    tarnui::Window control;
    ASSERT_TRUE(control.Create(&view, {0, 0, 10, 10}, 1, tarnui::kWsChild | tarnui::kWsVisible));
    control.SetFocus();
    EXPECT_TRUE(tarnui::PressKey(tarnui::kKeyF1));
    EXPECT_TRUE(tarnui::PressKey(tarnui::kKeyF1, tarnui::kModShift));
    EXPECT_FALSE(tarnui::PressKey(tarnui::kKeyF1, tarnui::kModControl));
    const auto help = backend_.EventsOf(tarnui::ShownKind::Help);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].help.data, 4711u);
    EXPECT_EQ(help[1].help.kind, tarnui::HelpKind::ContextMode);
}

// Docking: checked unless the frame sits among the documents without being dockable.
TEST_F(ViewFrameworkTest, AllowDockingIsCheckedByTheFrameStateAndTogglesIt) {
    RecordingView* docked = OpenView(*sink_, manager_, "docked", false, kDockBarBottom);
    RecordingView* document = OpenView(*sink_, manager_, "document", false, 0);
    for (int command : {tarnres::kCmdAllowDocking, tarnres::kCmdHostAllowDocking}) {
        SCOPED_TRACE(command);
        CommandUI ui = docked->QueryCommand(command);
        EXPECT_TRUE(ui.enabled);
        EXPECT_TRUE(ui.checked);
        ui = document->QueryCommand(command);
        EXPECT_TRUE(ui.enabled);
        EXPECT_FALSE(ui.checked);

        ASSERT_TRUE(document->ExecuteCommand(command));
        EXPECT_EQ(FrameState(*document) & (kFrameInDocumentArea | kFrameDockable), kFrameDockable);
        EXPECT_TRUE(document->QueryCommand(command).checked);
        ASSERT_TRUE(document->ExecuteCommand(command));
        EXPECT_FALSE(document->QueryCommand(command).checked);
    }
}

TEST_F(ViewFrameworkTest, HideWindowIsEnabledWhileTheFrameIsShownAndHidesIt) {
    RecordingView* view = OpenView(*sink_, manager_, "list");
    for (int command : {tarnres::kCmdHideWindow, tarnres::kCmdHostHideWindow}) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(view->QueryCommand(command).enabled);  // panes start hidden
        ASSERT_TRUE(manager_.RequestFrameState(view->Frame(), kFrameShowAndActivate));
        EXPECT_EQ(Docking().ActivePane(), Docking().FindPane(view->Frame()));
        EXPECT_TRUE(view->QueryCommand(command).enabled);
        EXPECT_TRUE(view->Frame()->IsWindowVisible());
        ASSERT_TRUE(view->ExecuteCommand(command));
        EXPECT_EQ(FrameState(*view) & kFrameShown, 0u);
        EXPECT_FALSE(view->Frame()->IsWindowVisible());
        EXPECT_FALSE(view->QueryCommand(command).enabled);
    }
}

TEST_F(ViewFrameworkTest, ToolbarCommandsFollowTheFramesToolbar) {
    RecordingView* view = OpenView(*sink_, manager_, "list");
    // No toolbar yet.
    EXPECT_FALSE(view->QueryCommand(tarnres::kCmdDisplayToolbar).enabled);
    EXPECT_FALSE(view->QueryCommand(tarnres::kCmdCustomizeToolbar).enabled);

    ASSERT_TRUE(view->CreateToolbar(tarnres::kToolbarSectionList));
    const tarnhost::ToolbarState* toolbar = Docking().ToolbarOfFrame(view->Frame());
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->owner, view);
    EXPECT_EQ(toolbar->component, kIdTarnMapComponent);
    EXPECT_TRUE(toolbar->loaded);
    EXPECT_EQ(toolbar->commands,
              ResourceLibrary()->Table().toolbars.at(tarnres::kToolbarSectionList).commands);
    EXPECT_EQ(view->Companions().toolbar->Handle(), toolbar->handle);
    // The view is a target of the component's commands.
    ASSERT_EQ(Docking().CommandTargets().size(), 1u);
    EXPECT_EQ(Docking().CommandTargets()[0].target, view);
    EXPECT_EQ(view->Companions().commands->Handle(), Docking().CommandTargets()[0].handle);

    CommandUI display = view->QueryCommand(tarnres::kCmdDisplayToolbar);
    EXPECT_TRUE(display.enabled);
    EXPECT_TRUE(display.checked);
    EXPECT_TRUE(view->QueryCommand(tarnres::kCmdCustomizeToolbar).enabled);
    ASSERT_TRUE(view->ExecuteCommand(tarnres::kCmdCustomizeToolbar));
    EXPECT_EQ(Docking().ToolbarOfFrame(view->Frame())->customiseRequests, 1);

    // Display toolbar hides a shown toolbar and shows a hidden one; the host's menus reach
    // the same command through the registered target.
    ASSERT_TRUE(Docking().ExecuteCommand(tarnres::kCmdDisplayToolbar));
    EXPECT_FALSE(Docking().ToolbarOfFrame(view->Frame())->shown);
    EXPECT_FALSE(view->QueryCommand(tarnres::kCmdDisplayToolbar).checked);
    EXPECT_FALSE(view->QueryCommand(tarnres::kCmdCustomizeToolbar).enabled);
    ASSERT_TRUE(view->ExecuteCommand(tarnres::kCmdDisplayToolbar));
    EXPECT_TRUE(Docking().ToolbarOfFrame(view->Frame())->shown);
    EXPECT_TRUE(Docking().QueryCommand(tarnres::kCmdDisplayToolbar).checked);
}

TEST_F(ViewFrameworkTest, BeforeDestroyMakesTheHostForgetTheViewAndReleasesItsCompanions) {
    RecordingView* view = OpenView(*sink_, manager_, "list");
    ASSERT_TRUE(view->CreateToolbar(tarnres::kToolbarSymbolList));
    EXPECT_FALSE(manager_.CompanionsOf(view).Empty());
    view->BeforeDestroy();
    EXPECT_TRUE(view->Companions().Empty());
    EXPECT_TRUE(manager_.CompanionsOf(view).Empty());
    EXPECT_TRUE(Docking().CommandTargets().empty());
    EXPECT_EQ(Docking().ToolbarOfFrame(view->Frame()), nullptr);
}

TEST_F(ViewFrameworkTest, ViewWithoutFrameManagerHasNoCompanionsToolbarOrFrameRequests) {
    tarnui::Window parent;
    ASSERT_TRUE(parent.Create(nullptr, {0, 0, 100, 80}));
    RecordingView view("lonely", nullptr, Host(), nullptr, sink_.get());
    ASSERT_TRUE(view.CreateViewWindow(&parent, sink_.get()));
    EXPECT_TRUE(view.Companions().Empty());
    EXPECT_EQ(view.FrameManager(), nullptr);
    EXPECT_FALSE(view.CreateToolbar(tarnres::kToolbarSectionList));

    // Every frame command runs and asks nothing of the host.
    for (int command : {tarnres::kCmdAllowDocking, tarnres::kCmdHostAllowDocking,
                        tarnres::kCmdHideWindow, tarnres::kCmdHostHideWindow,
                        tarnres::kCmdDisplayToolbar, tarnres::kCmdCustomizeToolbar}) {
        view.HandleCommand(command);
    }
    EXPECT_TRUE(Docking().Panes().empty());
    EXPECT_TRUE(Docking().Toolbars().empty());
    EXPECT_TRUE(Docking().CommandTargets().empty());
    EXPECT_TRUE(view.IsVisibleFlag());

    EXPECT_TRUE(view.QueryCommand(tarnres::kCmdAllowDocking).enabled);
    EXPECT_FALSE(view.QueryCommand(tarnres::kCmdHideWindow).enabled);
    EXPECT_FALSE(view.QueryCommand(tarnres::kCmdDisplayToolbar).enabled);
    EXPECT_FALSE(view.QueryCommand(tarnres::kCmdCustomizeToolbar).enabled);
    view.BeforeDestroy();  // nothing to forget
}

TEST_F(ViewFrameworkTest, SinkWindowAsksTheManagerToForgetItWhenDestroyed) {
    ASSERT_TRUE(manager_.RegisterCommandTarget(sink_.get()));
    EXPECT_FALSE(sink_->Companions().Empty());
    EXPECT_EQ(sink_->Companions().commands->Handle(), Docking().CommandTargets()[0].handle);
    sink_->DestroyWindow();
    EXPECT_TRUE(Docking().CommandTargets().empty());
    EXPECT_TRUE(manager_.CompanionsOf(sink_.get()).Empty());
}

}  // namespace
}  // namespace shelltest
