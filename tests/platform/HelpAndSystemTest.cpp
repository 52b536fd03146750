#include <gtest/gtest.h>

#include <string>

#include "HeadlessFixture.h"
#include "platform/commands/Application.h"
#include "platform/help/Help.h"

namespace tarnui {
namespace {

using HelpTest = testing_support::HeadlessTest;

// A view's F1 (tests/src/shell/ViewFrameworkTest.cpp) splits "file>window" and is refused.
TEST_F(HelpTest, HtmlHelpNeedsAFileAndAWindowIsOptional) {
    EXPECT_TRUE(HtmlHelp(nullptr, "Other.chm", kHtmlHelpContext, 5)) << "opens by default";
    EXPECT_FALSE(HtmlHelp(nullptr, ">win", kHtmlHelpContext, 1)) << "no file, no request";
    const auto help = backend.EventsOf(ShownKind::Help);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].help.file, "Other.chm");
    EXPECT_EQ(help[0].help.window, "");
}

TEST_F(HelpTest, ContextHelpUsesTheApplicationHelpFileWhenNoneIsNamed) {
    EXPECT_FALSE(WinHelp(nullptr, "", kHelpContextPopup, 1)) << "no help file anywhere";
    Application app("t");
    app.SetHelpFilePath("/opt/map/libTarnMap.hlp");
    Application::SetCurrent(&app);
    EXPECT_TRUE(WinHelp(nullptr, "", kHelpContextPopup, 0x80000000u + 9008u * 65536u + 9020u));
    EnterContextHelpMode(nullptr);
    Application::SetCurrent(nullptr);
    const auto help = backend.EventsOf(ShownKind::Help);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].help.kind, HelpKind::ContextPopup);
    EXPECT_EQ(help[0].help.file, "/opt/map/libTarnMap.hlp");
    EXPECT_EQ(help[0].help.data, 0x80000000u + 9008u * 65536u + 9020u);
    EXPECT_EQ(help[1].help.kind, HelpKind::ContextMode);
}

}  // namespace
}  // namespace tarnui
