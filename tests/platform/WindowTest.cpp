#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "platform/windows/Window.h"

namespace tarnui {
namespace {

using testing_support::HeadlessTest;

// Logs its life into a shared journal.
class LoggingWindow : public Window {
public:
    LoggingWindow(std::string name, std::vector<std::string>& log)
        : name_(std::move(name)), log_(log) {}
    ~LoggingWindow() override { DestroyWindow(); }

    bool failCreate = false;
    std::vector<std::pair<MessageId, std::pair<MessageParam, MessageParam>>> messages;
    std::vector<int> timerFires;
    Size lastSize;

protected:
    bool OnCreate() override {
        log_.push_back("create " + name_);
        return !failCreate;
    }
    void OnDestroy() override {
        // The parent link still holds while the window is destroyed.
        log_.push_back("destroy " + name_ +
                       (GetParent() ? " in " + GetParent()->GetWindowText() : ""));
    }
    MessageResult OnMessage(MessageId msg, MessageParam w, MessageParam l) override {
        messages.push_back({msg, {w, l}});
        return w + l;
    }
    void OnTimer(int id) override { timerFires.push_back(id); }
    void OnSize(int w, int h) override { lastSize = {w, h}; }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class WindowTest : public HeadlessTest {
protected:
    std::vector<std::string> log;
};

TEST_F(WindowTest, DestroyingAParentDestroysChildrenFirstMostRecentFirst) {
    LoggingWindow root("root", log), a("a", log), b("b", log), a1("a1", log);
    ASSERT_TRUE(root.Create(nullptr, {0, 0, 100, 100}, 0, kWsVisible, "root"));
    ASSERT_TRUE(a.Create(&root, {}, 1, kWsChild | kWsVisible, "a"));
    ASSERT_TRUE(a1.Create(&a, {}, 3, kWsChild | kWsVisible, "a1"));
    ASSERT_TRUE(b.Create(&root, {}, 2, kWsChild | kWsVisible, "b"));
    log.clear();

    EXPECT_TRUE(root.DestroyWindow());
    EXPECT_EQ(log, (std::vector<std::string>{"destroy b in root", "destroy a1 in a",
                                             "destroy a in root", "destroy root"}));
    EXPECT_FALSE(a.IsCreated());
    EXPECT_EQ(a.GetParent(), nullptr);
    EXPECT_TRUE(root.Children().empty());
    EXPECT_FALSE(root.DestroyWindow()) << "a second destroy has nothing to do";
}

TEST_F(WindowTest, ChildrenThatFailOrAreDeletedLeaveNoTraceInTheParent) {
    LoggingWindow root("root", log), refused("refused", log);
    ASSERT_TRUE(root.Create(nullptr, {}, 0, kWsVisible, "root"));
    {
        LoggingWindow child("child", log);
        ASSERT_TRUE(child.Create(&root, {}, 7, kWsChild));
        EXPECT_EQ(root.GetDlgItem(7), &child);
    }
    EXPECT_EQ(root.GetDlgItem(7), nullptr);
    refused.failCreate = true;
    EXPECT_FALSE(refused.Create(&root, {}, 4, kWsChild));
    EXPECT_FALSE(refused.IsCreated());
    EXPECT_TRUE(root.Children().empty());
    EXPECT_EQ(log.back(), "destroy refused in root");

    LoggingWindow orphan("orphan", log), deadParent("dead", log);
    EXPECT_FALSE(orphan.Create(&deadParent, {}, 1, kWsChild)) << "a parent must exist";
}

TEST_F(WindowTest, SentMessagesRunAtOncePostedOnesWaitAndDieWithTheirWindow) {
    LoggingWindow w("w", log);
    ASSERT_TRUE(w.Create(nullptr, {}, 0, kWsVisible));
    EXPECT_EQ(w.SendMessage(kMsgUser + 1, 20, 22), 42);
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0].first, kMsgUser + 1);
    {
        LoggingWindow gone("gone", log);
        ASSERT_TRUE(gone.Create(nullptr, {}, 0, kWsVisible));
        gone.PostMessage(kMsgUser + 2);
        EXPECT_TRUE(w.PostMessage(kMsgUser + 3, 5, 6));
    }
    EXPECT_EQ(w.messages.size(), 1u) << "posting does not run the handler";
    EXPECT_EQ(Window::PumpMessages(), 1) << "the message to the destroyed window is dropped";
    EXPECT_EQ(w.messages.back().first, kMsgUser + 3);
    EXPECT_EQ(w.messages.back().second, std::make_pair(MessageParam{5}, MessageParam{6}));
}

TEST_F(WindowTest, TimersAreStateThatOnlyFireWhileSet) {
    LoggingWindow w("w", log);
    EXPECT_EQ(w.SetTimer(1, 100), 0) << "no timers before the window exists";
    ASSERT_TRUE(w.Create(nullptr, {}, 0, kWsVisible));
    EXPECT_EQ(w.SetTimer(5, 250), 5);
    EXPECT_EQ(w.Timers().at(5), 250u);
    EXPECT_TRUE(w.FireTimer(5));
    EXPECT_FALSE(w.FireTimer(6));
    EXPECT_TRUE(w.KillTimer(5));
    EXPECT_FALSE(w.FireTimer(5));
    EXPECT_EQ(w.timerFires, std::vector<int>{5});
    w.SetTimer(9, 10);
    w.DestroyWindow();
    EXPECT_FALSE(w.HasTimer(9)) << "destruction ends the timers";
}

TEST_F(WindowTest, VisibilityFollowsTheParentChainAndReachesTheBackend) {
    LoggingWindow root("root", log), child("child", log);
    ASSERT_TRUE(root.Create(nullptr, {}, 0, kWsVisible, "root"));
    ASSERT_TRUE(child.Create(&root, {}, 3, kWsChild | kWsVisible, "child"));
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_TRUE(root.ShowWindow(false));
    EXPECT_FALSE(child.IsWindowVisible());
    EXPECT_TRUE(child.IsVisibleFlag());
    EXPECT_FALSE(root.ShowWindow(false)) << "already hidden: no change, no event";

    const auto hidden = backend.EventsOf(ShownKind::WindowHidden);
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_EQ(hidden[0].text, "root");
}

TEST_F(WindowTest, FocusLeavesAWindowThatIsDisabledHiddenOrDestroyed) {
    LoggingWindow root("root", log), a("a", log), b("b", log);
    ASSERT_TRUE(root.Create(nullptr, {}, 0, kWsVisible));
    ASSERT_TRUE(a.Create(&root, {}, 1, kWsChild | kWsVisible));
    ASSERT_TRUE(b.Create(&root, {}, 2, kWsChild | kWsVisible));

    a.SetFocus();
    EXPECT_TRUE(a.HasFocus());
    EXPECT_FALSE(a.EnableWindow(false)) << "it was enabled before";
    EXPECT_EQ(Window::GetFocus(), nullptr);
    EXPECT_EQ(a.SetFocus(), nullptr);
    EXPECT_FALSE(a.HasFocus()) << "a disabled window cannot take the focus";

    b.SetFocus();
    root.ShowWindow(false);
    EXPECT_EQ(Window::GetFocus(), nullptr) << "hiding the parent hides the focus holder";

    root.ShowWindow(true);
    b.SetFocus();
    b.DestroyWindow();
    EXPECT_EQ(Window::GetFocus(), nullptr);
}

TEST_F(WindowTest, MovingAWindowSizesItsClientArea) {
    LoggingWindow w("w", log);
    ASSERT_TRUE(w.Create(nullptr, {10, 20, 110, 70}, 0, kWsVisible));
    w.MoveWindow({5, 5, 305, 205});
    EXPECT_EQ(w.lastSize, (Size{300, 200}));
    EXPECT_EQ(w.GetClientRect(), (Rect{0, 0, 300, 200}));
    EXPECT_EQ(w.GetWindowRect(), (Rect{5, 5, 305, 205}));
}

}  // namespace
}  // namespace tarnui
