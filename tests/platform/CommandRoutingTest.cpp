#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "platform/commands/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/ListBox.h"
#include "platform/windows/Window.h"

namespace tarnui {
namespace {

using testing_support::HeadlessTest;

class CommandRoutingTest : public HeadlessTest {
protected:
    void SetUp() override {
        Application::SetCurrent(&app);
        ASSERT_TRUE(frame.Create(nullptr, {}, 0, kWsVisible, "frame"));
        ASSERT_TRUE(view.Create(&frame, {}, 100, kWsChild | kWsVisible, "view"));
    }
    void TearDown() override { Application::SetCurrent(nullptr); }

    Application app{"TarnMap"};
    Window frame, view;
    std::vector<std::string> ran;
};

TEST_F(CommandRoutingTest, ACommandRunsAtTheFirstTargetAlongViewFrameApplication) {
    app.OnCommand(10, [&] { ran.push_back("app 10"); });
    frame.OnCommand(10, [&] { ran.push_back("frame 10"); });
    app.OnCommand(11, [&] { ran.push_back("app 11"); });
    view.OnCommandRange(20, 29, [&](int id) { ran.push_back("view " + std::to_string(id)); });

    EXPECT_TRUE(view.ExecuteCommand(10));
    EXPECT_TRUE(view.ExecuteCommand(11));
    EXPECT_TRUE(view.ExecuteCommand(25));
    EXPECT_FALSE(view.ExecuteCommand(99));
    EXPECT_EQ(ran, (std::vector<std::string>{"frame 10", "app 11", "view 25"}));
}

TEST_F(CommandRoutingTest, UpdateHandlersDecideEnableCheckAndTextAlongTheChain) {
    bool printable = false;
    view.OnCommand(32833, [&] { ran.push_back("print"); });
    view.OnUpdateCommand(32833, [&](CommandUI& ui) {
        ui.Enable(printable);
        ui.SetCheck(printable);
        ui.SetText(printable ? "Print..." : "Nothing to print");
    });
    CommandUI off = view.QueryCommand(32833);
    EXPECT_FALSE(off.enabled || off.checked);
    EXPECT_EQ(off.text.value_or(""), "Nothing to print");
    EXPECT_FALSE(view.ExecuteCommand(32833)) << "a disabled command does not run";
    printable = true;
    CommandUI on = view.QueryCommand(32833);
    EXPECT_TRUE(on.enabled && on.checked);
    EXPECT_TRUE(view.ExecuteCommand(32833));
    EXPECT_EQ(ran, std::vector<std::string>{"print"});

    // Without an update handler a command is enabled exactly when someone handles it.
    app.OnCommand(40, [] {});
    EXPECT_TRUE(view.QueryCommand(40).enabled) << "handled at the end of the chain";
    EXPECT_FALSE(view.QueryCommand(41).enabled) << "nobody handles it";
    frame.OnUpdateCommand(40, [](CommandUI& ui) { ui.Enable(false); });
    EXPECT_FALSE(view.QueryCommand(40).enabled) << "an update handler further along decides";
}

TEST_F(CommandRoutingTest, AnExplicitNextTargetReplacesTheParentAndLoopsEnd) {
    Window sink;
    ASSERT_TRUE(sink.Create(nullptr, {}, 0, 0, "sink"));
    sink.OnCommand(7, [&] { ran.push_back("sink"); });
    frame.OnCommand(7, [&] { ran.push_back("frame"); });
    view.SetNextCommandTarget(&sink);
    EXPECT_TRUE(view.ExecuteCommand(7));
    EXPECT_EQ(ran, std::vector<std::string>{"sink"});

    sink.SetNextCommandTarget(&view);  // view -> sink -> view ...
    EXPECT_FALSE(view.ExecuteCommand(8)) << "a looping chain ends instead of spinning";
}

TEST_F(CommandRoutingTest, ControlsNotifyTheirParentWithIdCodeAndPayload) {
    ListBox list;
    ASSERT_TRUE(list.CreateControl(&view, {}, 204, kStyleNone));
    for (const char* s : {"a", "b", "c"}) {
        list.AddString(s);
    }
    std::vector<Notification> seen;
    view.OnNotification(204, kNotifyDoubleClicked,
                        [&](const Notification& n) { seen.push_back(n); });
    EXPECT_TRUE(list.DoubleClickItem(2));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].controlId, 204);
    EXPECT_EQ(seen[0].payload, 2);
    EXPECT_EQ(seen[0].from, &list);
    EXPECT_EQ(list.GetCurSel(), 2) << "the click before the double click selected the item";
    EXPECT_FALSE(list.NotifyParent(kNotifySelChange)) << "no handler for that code";
}

TEST_F(CommandRoutingTest, DisabledOrHiddenControlsIgnoreUserInput) {
    Button button;
    ASSERT_TRUE(button.CreateControl(&view, {}, 3, kStyleNone, "&Set All"));
    int clicks = 0;
    view.OnNotification(3, kNotifyClicked, [&](const Notification&) { ++clicks; });
    EXPECT_TRUE(button.Click());
    button.EnableWindow(false);
    EXPECT_FALSE(button.Click());
    button.EnableWindow(true);
    view.ShowWindow(false);
    EXPECT_FALSE(button.Click()) << "its parent is hidden";
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace tarnui
