#include "src/data/CLinkMapInfo.h"

#include <gtest/gtest.h>

#include "tests/src/data/LinkMapTestSupport.h"

namespace linkmaptest {
namespace {

using Texts = std::vector<std::string>;

const std::string kSmallListing = std::string(TARN_TEST_DATA_DIR) + "/listings/small.map";

TEST(CLinkMapInfo, FindsListingThroughLinkerSettings) {
    TempDir dir;
    const std::string quoted = dir.Write("with space.map", ReadFile(kSmallListing));
    const struct {
        const char* name;
        std::string path;
        HResult status;
        bool offerSettings;
        bool loads;
    } cases[] = {
        {"plain path", kSmallListing, kStatusOk, true, true},
        {"quotes at both ends are removed", "\"\"" + quoted + "\"", kStatusOk, true, true},
        {"service refused", kSmallListing, kStatusOk, false, false},
        {"call fails", kSmallListing, kStatusFail, true, false},
        {"empty path", "", kStatusOk, true, false},
        {"only quotes", "\"\"", kStatusOk, true, false},
        {"missing file", dir.Path().string() + "/none.map", kStatusOk, true, false},
        {"a directory is no listing", dir.Path().string(), kStatusOk, true, false},
    };
    for (const auto& c : cases) {
        ModelFixture f;
        f.host.settings.listingPath = c.path;
        f.host.settings.pathStatus = c.status;
        f.host.offerSettings = c.offerSettings;
        f.model.Load();
        EXPECT_EQ(f.model.GetSymbolCount("") > 0, c.loads) << c.name;
        EXPECT_EQ(f.model.GetSectionCount() > 0, c.loads) << c.name;
        EXPECT_EQ(f.model.GetListingPath().empty(), !c.loads) << c.name;
    }
}

TEST(CLinkMapInfo, PassesContextStringsInOrder) {
    ModelFixture f;
    f.model.Load();
    EXPECT_EQ(f.host.settings.contexts, (std::array<WString, 3>{}));
    f.model.SetContext(u"ws", u"prj", u"cfg");
    f.model.Load();
    EXPECT_EQ(f.host.settings.contexts, (std::array<WString, 3>{u"ws", u"prj", u"cfg"}));
}

TEST(CLinkMapInfo, LoadReplacesContentAndEmptiesOnFailure) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    f.model.Load();
    f.model.SortSymbols(0, 1);
    f.model.SortSections(3, 0);
    ASSERT_EQ(f.model.GetSymbolCount(""), 7);
    f.model.Load();
    EXPECT_EQ(f.model.GetSymbolCount(""), 7);
    EXPECT_EQ(f.model.GetSymbolName("", 0), "_main");  // read again in file order
    EXPECT_EQ(f.model.GetSymbolSortColumn(), 0);
    EXPECT_EQ(f.model.GetSymbolSortDirection(), 1);
    EXPECT_EQ(f.model.GetSectionSortColumn(), 3);
    f.host.settings.listingPath = "/nonexistent/listing.map";
    f.model.Load();
    EXPECT_EQ(f.model.GetSymbolCount(""), 0);
    EXPECT_EQ(f.model.GetSectionCount(), 0);
    EXPECT_TRUE(f.model.GetListingPath().empty());
}

TEST(CLinkMapInfo, SortSettingsStartUnset) {
    ModelFixture f;
    EXPECT_EQ(f.model.GetSectionSortColumn(), -1);
    EXPECT_EQ(f.model.GetSectionSortDirection(), -1);
    EXPECT_EQ(f.model.GetSymbolSortColumn(), -1);
    EXPECT_EQ(f.model.GetSymbolSortDirection(), -1);
}

TEST(CLinkMapInfo, SymbolsBySection) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    f.model.Load();
    const struct {
        const char* section;
        int count;
        Texts names;
    } cases[] = {
        {"", 7, {"_main", "_helper", "_util_init", "_table", "_buffer", "_overlay_work", "$start"}},
        {"P", 3, {"_main", "_helper", "_util_init"}},
        {"X", 2, {"_overlay_work", "$start"}},
        {"B", 1, {"_buffer"}},
        {"p", 0, {}},
        {"Q", 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(f.model.GetSymbolCount(c.section), c.count) << c.section;
        Texts names;
        for (int i = 0; i < c.count; ++i)
            names.push_back(f.model.GetSymbolName(c.section, i));
        EXPECT_EQ(names, c.names) << c.section;
        EXPECT_EQ(f.model.GetSymbolName(c.section, c.count), "") << c.section;
        EXPECT_EQ(f.model.GetSymbolName(c.section, -1), "") << c.section;
    }
    const struct {
        const char* section;
        int first, count;
        Texts names;
    } copies[] = {
        {"P", 1, 3, {"_helper", "_util_init"}},
        {"P", 0, 2, {"_main", "_helper"}},
        {"P", 3, 3, {}},
        {"X", 1, 1, {"$start"}},
        {"", 5, 100, {"_overlay_work", "$start"}},
        {"", 2, 1, {"_util_init"}},
        {"", -1, 3, {}},
        {"", 0, 0, {}},
    };
    for (const auto& c : copies) {
        LinkMapSymbolRows rows;
        rows.push_back(std::make_unique<tagLinkMapSymbolInfo>());  // emptied first
        const int copied = f.model.GetSymbols(c.first, c.count, c.section, rows);
        Texts names;
        for (const auto& row : rows)
            names.push_back(row->name);
        EXPECT_EQ(names, c.names) << c.section << " " << c.first;
        EXPECT_EQ(copied, static_cast<int>(names.size()));
    }
    f.model.SortSymbols(1, 1);
    EXPECT_EQ(f.model.GetSymbolName("P", 0), "_util_init");
}

TEST(CLinkMapInfo, SectionCopiesAreBoundedAndOwned) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    f.model.Load();
    ASSERT_EQ(f.model.GetSectionCount(), 8);
    LinkMapSectionRows rows;
    EXPECT_EQ(f.model.GetSections(6, 10, rows), 2);
    EXPECT_EQ(rows[0]->name, "R");
    rows[0]->name = "changed";
    EXPECT_EQ(f.model.GetSections(1, 1, rows), 1);
    EXPECT_EQ(rows[0]->name, "P");
    EXPECT_EQ(f.model.GetSections(8, 1, rows), 0);
    EXPECT_EQ(f.model.GetSections(-2, 1, rows), 0);
    EXPECT_TRUE(rows.empty());
    f.model.GetSections(0, 8, rows);
    EXPECT_EQ(rows[6]->name, "R");
    CLinkMapInfo::FreeSectionRows(rows);
    EXPECT_TRUE(rows.empty());
}

TEST(CLinkMapInfo, UsedRangesFollowSectionOrder) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    f.model.Load();
    std::vector<uint32_t> starts, ends;
    EXPECT_EQ(f.model.GetUsedRanges(starts, ends), 1);
    EXPECT_EQ(starts, (std::vector<uint32_t>{0x400, 0xFFF8000, 0xFFF8000, 0xFFF8100}));
    EXPECT_EQ(ends, (std::vector<uint32_t>{0x51F, 0xFFF80FF, 0xFFF807F, 0xFFF8107}));
    f.model.SortSections(2, 0);  // by end: X, B, R follow each other
    starts.clear();
    ends.clear();
    f.model.GetUsedRanges(starts, ends);
    EXPECT_EQ(starts, (std::vector<uint32_t>{0x400, 0xFFF8000, 0xFFF8000}));
    EXPECT_EQ(ends, (std::vector<uint32_t>{0x51F, 0xFFF807F, 0xFFF8107}));

    ModelFixture empty;
    empty.model.LoadText("*** Symbol List ***\n  _s\n  1 1 data g 0\n");
    EXPECT_EQ(empty.model.GetUsedRanges(starts, ends), 0);
    EXPECT_EQ(empty.model.GetSectionCount(), 0);
    EXPECT_EQ(empty.model.GetSymbolCount(""), 1);
}

TEST(CLinkMapInfo, WithoutValueConversionNumbersReadAsZero) {
    ModelFixture f;
    f.host.offerValues = false;
    CLinkMapInfo model(&f.host);
    model.LoadText(
        "*** Mapping List ***\nSECTION\nA\n 10 1F 10 1\n*** Symbol List ***\n  _s\n"
        "  1 1 data g 0\n");
    EXPECT_EQ(SectionTexts(model), (Texts{"A 0-0 0", "Unallocated Area 0-FFFFFFFF 0"}));
    EXPECT_EQ(SymbolTexts(model), (Texts{"_s 0 0 Data Global  "}));
    CLinkMapInfo noHost(nullptr);
    noHost.Load();
    EXPECT_EQ(noHost.GetSectionCount(), 0);
}

}  // namespace
}  // namespace linkmaptest

namespace linkmaptest {
namespace {

TEST(CLinkMapInfo, ReloadGivesWhatAFreshModelReads) {
    TempDir dir;
    const std::string longer = dir.Write(
        "a.map",
        "*** Symbol List ***\nSECTION=LONG_SECTION_NAME_1\nFILE=/x/a_very_long_object_name.obj\n "
        "x\n"
        "  _a_rather_long_symbol_name_one\n  1 2 func g 0\n  _a_rather_long_symbol_name_two\n"
        "  3 4 data l 0\n  _third\n  5 6 entry g 0\n");
    const std::string shorter =
        dir.Write("b.map", "*** Symbol List ***\nSECTION=P\n  _s\n  7 8 none x 0\n");
    ModelFixture reused;
    for (const auto& path : {longer, shorter, longer}) {
        reused.host.settings.listingPath = path;
        reused.model.Load();
        ModelFixture fresh;
        fresh.host.settings.listingPath = path;
        fresh.model.Load();
        EXPECT_EQ(SymbolTexts(reused.model), SymbolTexts(fresh.model)) << path;
    }
    EXPECT_EQ(reused.model.GetSymbolCount(""), 3);
}

}  // namespace
}  // namespace linkmaptest
