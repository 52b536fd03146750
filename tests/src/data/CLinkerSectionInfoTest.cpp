#include "src/data/CLinkerSectionInfo.h"

#include <gtest/gtest.h>

#include "tests/src/data/FakeLinkerHost.h"

namespace {

using fakehost::HostGroup;
using fakehost::LinkerHost;

constexpr uint32_t kWholeText = 2;

tagLinkerSectionInfo Entry(std::vector<std::string> starts, std::vector<std::string> ends,
                           std::string sections) {
    return {std::move(starts), std::move(ends), std::move(sections)};
}

LinkerSectionRows Rows(std::vector<tagLinkerSectionInfo> entries) {
    LinkerSectionRows rows;
    for (auto& e : entries)
        rows.push_back(std::make_unique<tagLinkerSectionInfo>(std::move(e)));
    return rows;
}

std::vector<tagLinkerSectionInfo> Entries(const CLinkerSectionInfo& info) {
    LinkerSectionRows rows;
    info.GetEntries(rows);
    std::vector<tagLinkerSectionInfo> out;
    for (const auto& r : rows)
        out.push_back(*r);
    return out;
}

// Two groups read item by item: three address pairs and items (P), (Q, R); then no address
// and one item (A, B, C).
std::vector<HostGroup> TwoGroups() {
    return {
        {{{u"1000", u""}, {u"0x2000", u"20ff"}, {u"zz", u""}}, {{u"P"}, {u"Q", u"R"}}},
        {{}, {{u"A", u"B", u"C"}}},
    };
}

class LinkerSectionInfoTest : public ::testing::Test {
protected:
    LinkerSectionInfoTest() { info.SetContext(u"ws", u"proj", u"cfg"); }
    LinkerHost host;
    CLinkerSectionInfo info{&host.host};
};

TEST_F(LinkerSectionInfoTest, QueryAnswersGenericAndOwnIdentifiersWithoutCounting) {
    void* out = nullptr;
    for (const TarnId& id : {kIdIUnknown, kIdIBraeLinkerSections}) {
        EXPECT_EQ(info.QueryInterface(id, &out), kStatusOk);
        EXPECT_EQ(out, static_cast<IBraeLinkerSections*>(&info));
    }
    EXPECT_EQ(info.QueryInterface(kIdIBraeHost, &out), kStatusNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(info.QueryInterface(kIdIUnknown, nullptr), kStatusFail);
    EXPECT_EQ(info.AddRef() + info.AddRef(), 2u);
    EXPECT_EQ(info.Release(), 0u);
}

TEST_F(LinkerSectionInfoTest, ReadsItemByItemWithAddressesInOrder) {
    host.settings.groups = TwoGroups();
    info.LoadFromHost();
    const auto entries = Entries(info);
    ASSERT_EQ(entries.size(), 2u);
    // Addresses come back as the service's own text; "zz" is not a number and is kept as read.
    EXPECT_EQ(entries[0], Entry({"00001000", "00002000", "zz"}, {"", "000020FF", ""}, "P:Q,R"));
    EXPECT_EQ(entries[1], Entry({}, {}, "A,B,C"));
    EXPECT_EQ(host.settings.seen, (fakehost::Context{u"ws", u"proj", u"cfg"}));
    EXPECT_EQ(host.options.capabilityContext, (fakehost::Context{u"ws", u"proj", u""}));
}

TEST_F(LinkerSectionInfoTest, ReadsWholeTextAsFirstStringOfItemOne) {
    host.options.word = kWholeText | 4 | 8;
    host.settings.groups = {{{{u"100", u""}}, {{u"A,(B:C),D", u"ignored"}}}, {{}, {}}};
    info.LoadFromHost();
    const auto entries = Entries(info);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].sections, "A,(B:C),D");
    EXPECT_EQ(entries[1].sections, "");  // an empty list gives an empty text
    EXPECT_EQ(host.settings.itemCountCalls, 0);
}

TEST_F(LinkerSectionInfoTest, ReadingModeFallsBackToItemByItem) {
    const std::pair<uint32_t, HResult> cases[] = {{4 | 8 | 16, kStatusOk},
                                                  {kWholeText, kStatusFail}};
    for (const auto& [word, status] : cases) {
        host.options.word = word;
        host.options.capabilityStatus = status;
        host.settings.groups = {{{}, {{u"P"}, {u"Q", u"R"}}}};
        info.LoadFromHost();
        ASSERT_EQ(Entries(info).size(), 1u) << word;
        EXPECT_EQ(Entries(info)[0].sections, "P:Q,R") << word;
    }
    // So does a host without the option service; the groups are then replaced untaken.
    LinkerHost noOptions(true, false);
    noOptions.settings.groups = host.settings.groups;
    CLinkerSectionInfo other(&noOptions.host);
    other.LoadFromHost();
    ASSERT_EQ(Entries(other).size(), 1u);
    EXPECT_EQ(Entries(other)[0].sections, "P:Q,R");
    EXPECT_EQ(other.SetEntries(Rows({Entry({}, {}, "X")})), 0);
    EXPECT_EQ(Entries(other)[0].sections, "X");
}

TEST(LinkerSectionInfoServices, MissingSettingOrConversionServiceReadsNothing) {
    for (bool withSettings : {false, true}) {
        LinkerHost host(withSettings, true, !withSettings);
        host.settings.groups = TwoGroups();
        CLinkerSectionInfo info(&host.host);
        info.LoadFromHost();
        EXPECT_TRUE(Entries(info).empty()) << withSettings;
    }
    CLinkerSectionInfo noHost(nullptr);
    noHost.LoadFromHost();
    EXPECT_TRUE(Entries(noHost).empty());
    EXPECT_EQ(noHost.SetEntries(Rows({Entry({}, {}, "A")})), 0);
}

TEST_F(LinkerSectionInfoTest, SettingStateOneReadsNoGroups) {
    host.settings.groups = TwoGroups();
    host.options.state = 1;
    int32_t state = -1;
    ASSERT_EQ(info.GetSettingState(&state), 1);
    EXPECT_EQ(state, 1);
    info.LoadFromHost();
    EXPECT_TRUE(Entries(info).empty());
    EXPECT_EQ(host.settings.calls, 0);

    // A failing query keeps the last state; a later success clears it.
    host.options.stateStatus = kStatusFail;
    EXPECT_EQ(info.GetSettingState(&state), 0);
    EXPECT_EQ(info.SettingState(), 1);
    host.options.stateStatus = kStatusOk;
    host.options.state = 0;
    ASSERT_EQ(info.GetSettingState(&state), 1);
    info.LoadFromHost();
    EXPECT_EQ(Entries(info).size(), 2u);
}

TEST_F(LinkerSectionInfoTest, FailureWhileReadingDeletesEveryGroup) {
    const std::pair<const char*, int32_t> failures[] = {
        {"GroupCount", 0}, {"AddressCount", 2}, {"AddressPair", 1},
        {"ItemCount", 2},  {"Item", 2},         {"BadListType", 1},
    };
    for (const auto& [operation, group] : failures) {
        host.settings.failOperation.clear();
        host.settings.groups = TwoGroups();
        info.LoadFromHost();
        ASSERT_EQ(Entries(info).size(), 2u);
        host.settings.failOperation = operation;
        host.settings.failGroup = group;
        info.LoadFromHost();
        EXPECT_TRUE(Entries(info).empty()) << operation << " " << group;
    }
    host.settings.failOperation = "Item";
    host.settings.failGroup = 1;
    host.options.word = kWholeText;
    info.LoadFromHost();
    EXPECT_TRUE(Entries(info).empty());
}

TEST_F(LinkerSectionInfoTest, GetEntriesReplacesCallerRowsWithIndependentCopies) {
    info.SetEntries(Rows({Entry({"1"}, {""}, "A"), Entry({}, {}, "B:C")}));
    LinkerSectionRows rows =
        Rows({Entry({}, {}, "old1"), Entry({}, {}, "old2"), Entry({}, {}, "old3")});
    EXPECT_EQ(info.GetEntries(rows), 2);
    ASSERT_EQ(rows.size(), 2u);
    rows[0]->sections = "changed";
    rows[0]->startAddresses.push_back("2");
    EXPECT_EQ(Entries(info)[0], Entry({"1"}, {""}, "A"));
    CLinkerSectionInfo::FreeLinkerSectionRows(rows);
    EXPECT_TRUE(rows.empty());
}

TEST_F(LinkerSectionInfoTest, HandsGroupsBackItemByItem) {
    host.options.word = 4;
    ASSERT_EQ(info.SetEntries(
                  Rows({Entry({"00001000", "00002000", "00003000"}, {"", "000020FF", ""}, "P:Q,R"),
                        Entry({}, {}, ""), Entry({}, {}, "A::B,,C:")})),
              1);
    EXPECT_EQ(info.WholeTextMode(), 0u);
    EXPECT_EQ(host.options.pullStatus, kStatusOk);
    ASSERT_EQ(host.options.taken.size(), 3u);
    const HostGroup first{
        {{u"0x00001000", u""}, {u"0x00002000", u"0x000020FF"}, {u"0x00003000", u""}},
        {{u"P"}, {u"Q", u"R"}}};
    EXPECT_EQ(host.options.taken[0], first);
    EXPECT_EQ(host.options.taken[1], HostGroup{});  // an empty text has no item
    // Runs of separators give no empty names.
    EXPECT_EQ(host.options.taken[2].items,
              (std::vector<std::vector<WString>>{{u"A"}, {u"B", u"C"}}));
    EXPECT_EQ(host.options.takeContext.c3, u"cfg");
}

TEST_F(LinkerSectionInfoTest, HandsWholeTextBackAsOneItem) {
    host.options.word = kWholeText;
    ASSERT_EQ(info.SetEntries(Rows({Entry({}, {}, "A,(B:C),D"), Entry({}, {}, "")})), 1);
    EXPECT_EQ(info.WholeTextMode(), 1u);
    ASSERT_EQ(host.options.taken.size(), 2u);
    EXPECT_EQ(host.options.taken[0].items, (std::vector<std::vector<WString>>{{u"A,(B:C),D"}}));
    EXPECT_EQ(host.options.taken[1].items, (std::vector<std::vector<WString>>{{u""}}));

    // The mode is decided afresh at every hand-over.
    host.options.word = 0;
    info.SetEntries(Rows({Entry({}, {}, "A:B")}));
    EXPECT_EQ(info.WholeTextMode(), 0u);
    EXPECT_EQ(host.options.taken[0].items, (std::vector<std::vector<WString>>{{u"A"}, {u"B"}}));
}

TEST_F(LinkerSectionInfoTest, SetEntriesReportsRefusal) {
    host.options.takeStatus = kStatusFail;
    EXPECT_EQ(info.SetEntries(Rows({Entry({}, {}, "A")})), 0);
    EXPECT_EQ(host.options.takeCalls, 1);
    EXPECT_EQ(Entries(info).size(), 1u);
    host.options.takeStatus = 1;  // a success code other than 0 is not taken as success
    EXPECT_EQ(info.SetEntries(Rows({Entry({}, {}, "A")})), 0);
}

TEST_F(LinkerSectionInfoTest, OutOfRangeNumbersFailAndLeaveOutsUntouched) {
    int32_t count = 77;
    WString start = u"keep", end = u"keep";
    HostStringList names;
    names.elements = {u"keep"};
    info.SetEntries(Rows({Entry({"1", "2"}, {"", ""}, "A:B,C"), Entry({}, {}, "")}));
    std::vector<HResult> statuses = {
        info.GetAddressCount(0, &count),     info.GetItemCount(-1, &count),
        info.GetItemCount(3, &count),        info.GetAddress(1, 0, &start, &end),
        info.GetAddress(1, 3, &start, &end), info.GetItem(3, 1, &names),
        info.GetItem(1, 3, &names),          info.GetItem(2, 1, &names),  // empty text
    };
    host.options.word = kWholeText;
    info.SetEntries(Rows({Entry({}, {}, "A:B,C")}));
    statuses.push_back(info.GetItem(1, 2, &names));
    for (size_t i = 0; i < statuses.size(); ++i)
        EXPECT_EQ(statuses[i], kStatusFail) << "call " << i;
    EXPECT_EQ(count, 77);
    EXPECT_EQ(start + end, u"keepkeep");
    EXPECT_EQ(names.elements, std::vector<WString>{u"keep"});
}

TEST_F(LinkerSectionInfoTest, ItemCountsOfHandedBackTexts) {
    struct Case {
        uint32_t word;
        const char* text;
        int32_t count;
    };
    const Case cases[] = {
        {0, "", 0},       {0, "P", 1},         {0, "P:Q,R", 2},
        {0, ":P::Q:", 2}, {kWholeText, "", 1}, {kWholeText, "A:(B:C)", 1},
    };
    for (const auto& c : cases) {
        host.options.word = c.word;
        info.SetEntries(Rows({Entry({}, {}, c.text)}));
        int32_t count = -1;
        ASSERT_EQ(info.GetItemCount(1, &count), kStatusOk);
        EXPECT_EQ(count, c.count) << c.text;
    }
}

TEST_F(LinkerSectionInfoTest, RoundTripKeepsGroups) {
    for (uint32_t word : {0u, kWholeText}) {
        host.options.word = word;
        host.settings.groups = {
            {{{u"0x00001000", u""}, {u"0x00002000", u"0x000020FF"}},
             {{word ? u"A,(B:C),D" : u"A"}}},
            {{}, {{u"P"}, {u"Q", u"R"}}},
            {{{u"0x0000FF00", u""}, {u"ZZZ", u"100000000"}}, {{u"$X", u"_Y*"}}},
        };
        if (word)
            host.settings.groups[1].items = {{u"P:Q,R"}};
        if (word)
            host.settings.groups[2].items = {{u"$X,_Y*"}};
        const auto original = host.settings.groups;

        info.LoadFromHost();
        const auto loaded = Entries(info);
        ASSERT_EQ(loaded.size(), 3u);
        LinkerSectionRows rows;
        info.GetEntries(rows);
        ASSERT_EQ(info.SetEntries(rows), 1);
        EXPECT_EQ(host.options.pullStatus, kStatusOk);
        EXPECT_EQ(host.settings.groups, original) << word;
        info.LoadFromHost();
        EXPECT_EQ(Entries(info), loaded) << word;
    }
}

TEST_F(LinkerSectionInfoTest, OptionFlagsPassBothValuesOrZeroes) {
    host.options.word = 0x3F;
    host.options.second = 7;
    uint32_t word = 99, second = 99;
    EXPECT_EQ(info.GetOptionFlags(&word, &second), 1);
    EXPECT_EQ(std::make_pair(word, second), std::make_pair(0x3Fu, 7u));
    host.options.capabilityStatus = kStatusFail;
    EXPECT_EQ(info.GetOptionFlags(&word, &second), 0);
    EXPECT_EQ(std::make_pair(word, second), std::make_pair(0u, 0u));
}

}  // namespace
