// The command sink's clients as the host sees them: advised in order when the sink is made,
// each interface answered by its identifier, all unadvised when the sink goes; and the find
// history's one-string form.
#include <gtest/gtest.h>

#include "src/shell/HostIds.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "src/shell/sink/FindHistoryText.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace shelltest {
namespace {

using CommandSinkClients = ShellTest;

TEST_F(CommandSinkClients, AdvisedInOrderAnsweredByIdentifierAndUnadvisedAtTheEnd) {
    auto sink = std::make_unique<CTarnMapDataCommandSink>(Host(), nullptr);
    const auto& clients = host_.HostObject().Clients();
    const TarnId expected[] = {kIdIBraeWorkSpaceClient, kIdIBraeWorkSpaceClient2,
                               kIdIBraeFormatViewClient2, kIdIBraeDataManagerOptionsClient};
    ASSERT_EQ(clients.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(clients[i].first, expected[i]) << i;
        void* asked = nullptr;
        ASSERT_EQ(clients[i].second->QueryInterface(expected[i], &asked), kStatusOk) << i;
        EXPECT_EQ(asked, clients[i].second) << i;
    }
    void* none = &dir_;
    EXPECT_EQ(clients[0].second->QueryInterface(kIdIBraeComponent, &none), kStatusNoInterface);
    EXPECT_EQ(none, nullptr);
    // Nothing is open yet: "Map..." waits for a workspace.
    EXPECT_FALSE(sink->OpenMapEnabled());
    sink.reset();
    EXPECT_TRUE(host_.HostObject().Clients().empty());
}

TEST(FindHistoryText, EntriesJoinWithPlusAndEveryPlusSplits) {
    EXPECT_EQ(JoinFindHistory({"abc", "d+e"}), "abc+d+e");
    EXPECT_EQ(SplitFindHistory("abc+d+e"), (std::vector<std::string>{"abc", "d", "e"}));
    EXPECT_EQ(JoinFindHistory({}), "");
    EXPECT_TRUE(SplitFindHistory("").empty());
    EXPECT_EQ(SplitFindHistory("a++"), (std::vector<std::string>{"a", "", ""}));
}

}  // namespace
}  // namespace shelltest
