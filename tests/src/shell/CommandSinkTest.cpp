// The command sink base classes: the views' messages, closing, refreshing, the debugger
// broadcasts, the font-and-colour client and the workspace client's answers.
#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/CWSClient2.h"
#include "src/shell/framework/FrameworkMessages.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace shelltest {
namespace {

using Journal = std::vector<std::string>;

tarnui::MessageParam Param(tarnui::Window* window) {
    return reinterpret_cast<tarnui::MessageParam>(window);
}

class CommandSinkTest : public ShellTest {
protected:
    CommandSinkTest() : manager_(Host()) {}

    CViewFrameManager manager_;
};

TEST_F(CommandSinkTest, RefreshAndHiddenMessagesConcernOnlyTheirView) {
    auto sink = MakeSink(&manager_);
    RecordingView* a = OpenView(*sink, manager_, "A");
    RecordingView* b = OpenView(*sink, manager_, "B");
    EXPECT_EQ(sink->SendMessage(kMsgRefreshView, Param(b)), 1);
    EXPECT_EQ(journal_, (Journal{"B: refresh"}));
    journal_.clear();
    sink->RefreshAllViews();
    EXPECT_EQ(journal_, (Journal{"A: refresh", "B: refresh"}));
    journal_.clear();
    // Hidden: the frame goes, the view stays.
    ASSERT_TRUE(manager_.RequestFrameState(a->Frame(), kFrameShowAndActivate));
    EXPECT_EQ(sink->SendMessage(kMsgViewHidden, Param(a)), 1);
    EXPECT_EQ(Docking().FindPane(a->Frame())->state & kFrameShown, 0u);
    EXPECT_EQ(sink->Views().size(), 2u);
    EXPECT_TRUE(journal_.empty());
}

TEST_F(CommandSinkTest, UserMessageOneClosesDetachesAndDeletesTheView) {
    auto sink = MakeSink(&manager_);
    RecordingView* a = OpenView(*sink, manager_, "A");
    RecordingView* b = OpenView(*sink, manager_, "B");
    ASSERT_TRUE(a->CreateToolbar(tarnres::kToolbarSectionList));
    tarnui::Window* paneOfA = a->Frame();

    EXPECT_EQ(sink->SendMessage(kMsgViewClosing, Param(a)), 1);
    EXPECT_EQ(journal_, (Journal{"A: before-destroy", "A: delete"}));
    ASSERT_EQ(sink->Views().size(), 1u);
    EXPECT_EQ(sink->Views()[0].get(), b);
    // Its pane is closed, its toolbar and registration are gone; B's pane stays.
    EXPECT_EQ(Docking().FindPane(paneOfA), nullptr);
    EXPECT_EQ(Docking().Panes().size(), 1u);
    EXPECT_TRUE(Docking().Toolbars().empty());
    EXPECT_TRUE(Docking().CommandTargets().empty());
    EXPECT_EQ(manager_.PaneCount(), 1u);

    // A window that is no open view changes nothing.
    tarnui::Window stranger;
    EXPECT_EQ(sink->SendMessage(kMsgViewClosing, Param(&stranger)), 0);
    EXPECT_EQ(sink->SendMessage(kMsgViewHidden, Param(&stranger)), 0);
    EXPECT_EQ(sink->SendMessage(kMsgRefreshView, Param(&stranger)), 0);
    EXPECT_EQ(sink->Views().size(), 1u);
}

TEST_F(CommandSinkTest, HidingThePaneInTheHostKeepsTheViewClosingItClosesTheView) {
    auto sink = MakeSink(&manager_);
    RecordingView* view = OpenView(*sink, manager_, "A");
    ASSERT_TRUE(manager_.RequestFrameState(view->Frame(), kFrameShown));
    ASSERT_TRUE(Docking().UserHidesPane(view->Frame()));
    tarnui::Window::PumpMessages();
    EXPECT_EQ(sink->Views().size(), 1u);
    EXPECT_EQ(Docking().FindPane(view->Frame())->state & kFrameShown, 0u);

    ASSERT_TRUE(Docking().UserClosesPane(view->Frame()));
    // The view asks by a posted message: it must not be deleted while it handles the host.
    EXPECT_TRUE(journal_.empty());
    tarnui::Window::PumpMessages();
    EXPECT_EQ(journal_, (Journal{"A: before-destroy", "A: delete"}));
    EXPECT_TRUE(sink->Views().empty());
    EXPECT_TRUE(Docking().Panes().empty());
}

TEST_F(CommandSinkTest, CloseAllViewsAndDestructionCloseEachViewInOpeningOrder) {
    const Journal closedAB{"A: before-destroy", "A: delete", "B: before-destroy", "B: delete"};
    auto sink = MakeSink(&manager_);
    OpenView(*sink, manager_, "A");
    OpenView(*sink, manager_, "B");
    sink->CloseAllViews();
    EXPECT_EQ(journal_, closedAB);
    EXPECT_TRUE(sink->Views().empty());
    EXPECT_TRUE(Docking().Panes().empty());
    EXPECT_EQ(manager_.PaneCount(), 0u);

    journal_.clear();
    OpenView(*sink, manager_, "A");
    OpenView(*sink, manager_, "B");
    sink.reset();
    EXPECT_EQ(journal_, closedAB);
    EXPECT_EQ(manager_.CompanionCount(), 0u);
}

TEST_F(CommandSinkTest, DebuggerBroadcastsReachEveryViewInOrder) {
    auto sink = MakeSink(&manager_);
    OpenView(*sink, manager_, "A");
    OpenView(*sink, manager_, "B");
    sink->BroadcastDebuggerFirst();
    sink->BroadcastDebuggerSecond();
    EXPECT_EQ(journal_,
              (Journal{"A: debugger 1", "B: debugger 1", "A: debugger 2", "B: debugger 2"}));
    for (int i = 0; i < CDebugInterfaces::kServiceCount; ++i) {
        EXPECT_EQ(sink->DebuggerService(i), nullptr);
    }
}

// --- font-and-colour client --------------------------------------------------------------------

TEST_F(CommandSinkTest, DisplayOptionsAreTakenOnlyInPairs) {
    struct Case {
        bool name, size, foreground, background;
        const char* expectedFont;
        int expectedSize, expectedForeground, expectedBackground;
    };
    const Case cases[] = {
        {true, true, true, true, "Consolas", 14, 4, 1},
        {true, false, true, false, "Courier New", 11, 17, 17},
        {false, true, false, true, "Courier New", 11, 17, 17},
        {true, true, false, true, "Consolas", 14, 17, 17},
        {false, false, true, true, "Courier New", 11, 4, 1},
    };
    for (const Case& c : cases) {
        tarnhost::TempDir config;
        tarnhost::OptionsService options(config.Path().string());
        if (c.name)
            options.SetString(kOptionFontName, u"Consolas");
        if (c.size)
            options.SetNumber(kOptionFontSize, 14);
        if (c.foreground)
            options.SetNumber(kOptionForeground, 4);
        if (c.background)
            options.SetNumber(kOptionBackground, 1);
        tarnhost::BraeHost host;
        host.AddService<IBraeOptions>(kIdOptionsService, &options);
        CUiDebugCommandSink sink(&host, nullptr);
        SCOPED_TRACE(testing::Message() << c.name << c.size << c.foreground << c.background);
        EXPECT_EQ(sink.FontName(), c.expectedFont);
        EXPECT_EQ(sink.FontSize(), c.expectedSize);
        EXPECT_EQ(sink.TextForeground(), c.expectedForeground);
        EXPECT_EQ(sink.TextBackground(), c.expectedBackground);
    }
}

TEST_F(CommandSinkTest, SetFontReachesEveryViewAndIsStored) {
    auto sink = MakeSink(&manager_);
    OpenView(*sink, manager_, "A");
    OpenView(*sink, manager_, "B");
    IBraeFormatViewClient2* client = sink.get();
    ASSERT_EQ(client->SetFont(u"Lucida Console", 9), kStatusOk);
    ASSERT_EQ(client->SetFontAgain(u"Hack", 10), kStatusOk);
    EXPECT_EQ(journal_, (Journal{"A: font Lucida Console 9", "B: font Lucida Console 9",
                                 "A: font Hack 10", "B: font Hack 10"}));
    WString name;
    int32_t size = 0;
    ASSERT_EQ(client->GetFont(&name, &size), kStatusOk);
    EXPECT_EQ(name, u"Hack");
    EXPECT_EQ(size, 10);
    // Stored: a new sink reads them back.
    CUiDebugCommandSink next(Host(), nullptr);
    EXPECT_EQ(next.FontName(), "Hack");
    EXPECT_EQ(next.FontSize(), 10);
}

TEST_F(CommandSinkTest, TextColoursAreStoredSelectedTextColoursAreNot) {
    auto sink = MakeSink(&manager_);
    OpenView(*sink, manager_, "A");
    IBraeFormatViewClient2* client = sink.get();
    ASSERT_EQ(client->SetSelectedTextColours(3, 6), kStatusOk);
    EXPECT_EQ(journal_, (Journal{"A: colours Selected Text 3 6"}));
    EXPECT_EQ(sink->SelectedForeground(), 3);
    EXPECT_EQ(sink->SelectedBackground(), 6);
    int32_t stored = 0;
    EXPECT_FALSE(Succeeded(host_.UserOptions().GetNumber(kOptionForeground, &stored)));

    ASSERT_EQ(client->SetTextColours(1, 0), kStatusOk);
    EXPECT_EQ(journal_.back(), "A: colours Text 1 0");
    ASSERT_EQ(host_.UserOptions().GetNumber(kOptionForeground, &stored), kStatusOk);
    EXPECT_EQ(stored, 1);
    ASSERT_EQ(host_.UserOptions().GetNumber(kOptionBackground, &stored), kStatusOk);
    EXPECT_EQ(stored, 0);

    // Position 7 answers the colours of the item last set.
    int32_t foreground = -1;
    int32_t background = -1;
    ASSERT_EQ(client->GetCurrentItemColours(0, &foreground, &background), kStatusOk);
    EXPECT_EQ(sink->CurrentItem(), "Text");
    EXPECT_EQ(foreground, 1);
    EXPECT_EQ(background, 0);
    ASSERT_EQ(client->SetItemColours(u"Selected Text", 9, 10), kStatusOk);
    ASSERT_EQ(client->GetCurrentItemColours(0, &foreground, &background), kStatusOk);
    EXPECT_EQ(foreground, 9);
    EXPECT_EQ(background, 10);

    // Position 15: the text item's colours; other items leave the answers alone.
    ASSERT_EQ(client->GetItemColours(u"Text", &foreground, &background), kStatusOk);
    EXPECT_EQ(foreground, 1);
    EXPECT_EQ(background, 0);
    foreground = background = 77;
    ASSERT_EQ(client->GetItemColours(u"text", &foreground, &background), kStatusOk);
    EXPECT_EQ(foreground, 77);
    EXPECT_EQ(background, 77);
}

TEST_F(CommandSinkTest, FormatClientNamesItsEntryAndItsOneDisplayItem) {
    auto sink = MakeSink(&manager_);
    IBraeFormatViewClient2* client = sink.get();
    WString name;
    ASSERT_EQ(client->GetEntryName(&name), kStatusOk);
    EXPECT_EQ(name, u"Map");
    HostStringList items;
    ASSERT_EQ(client->GetDisplayItems(&items), kStatusOk);
    EXPECT_EQ(items.type, HostStringList::kArrayOfStrings);
    EXPECT_EQ(items.elements, (std::vector<WString>{u"Text"}));

    void* out = nullptr;
    EXPECT_EQ(client->QueryInterface(kIdIBraeFormatViewClient2, &out), kStatusOk);
    EXPECT_EQ(out, client);
    EXPECT_EQ(client->QueryInterface(kIdIBraeWorkSpaceClient, &out), kStatusNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(client->AddRef(), 1u);
    EXPECT_EQ(client->Release(), 0u);
}

// --- workspace client --------------------------------------------------------------------------

TEST(CWSClient2Test, AnswersBothWorkspaceClientIdentifiersAndZeroesOutValues) {
    CWSClient2 client;
    for (const TarnId& id : {kIdIUnknown, kIdIBraeWorkSpaceClient, kIdIBraeWorkSpaceClient2}) {
        void* out = nullptr;
        EXPECT_EQ(client.QueryInterface(id, &out), kStatusOk);
        EXPECT_EQ(out, static_cast<IBraeWorkSpaceClient2*>(&client));
    }
    void* out = &client;
    EXPECT_EQ(client.QueryInterface(kIdIBraeFormatViewClient2, &out), kStatusNoInterface);
    EXPECT_EQ(out, nullptr);
    IBraeWorkSpaceClient2& ws = client;
    int32_t modified = 7;
    int32_t value = 7;
    EXPECT_EQ(ws.QueryModified(1, &modified), kStatusOk);
    EXPECT_EQ(ws.QueryValue(1, 2, 3, &value), kStatusOk);
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(ws.QueryModified(1, nullptr), kStatusOk);
}

}  // namespace
}  // namespace shelltest
