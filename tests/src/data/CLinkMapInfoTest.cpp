#include "src/data/CLinkMapInfo.h"

#include <gtest/gtest.h>

#include "tests/src/data/LinkMapTestSupport.h"

namespace linkmaptest {
namespace {

TEST(CLinkMapInfo, FindsListingThroughLinkerSettings) {
    TempDir dir;
    const std::string quoted = dir.Write("with space.map", tarnhost::ReadAll(kSmallListing));
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
        {"missing file", dir / "none.map", kStatusOk, true, false},
        {"a directory is no listing", dir.Path().string(), kStatusOk, true, false},
    };
    for (const auto& c : cases) {
        ModelFixture f(c.offerSettings);
        f.host.settings.listingPath = c.path;
        f.host.settings.pathStatus = c.status;
        f.model.Load();
        EXPECT_EQ(f.model.GetSymbolCount("") > 0, c.loads) << c.name;
        EXPECT_EQ(f.model.GetSectionCount() > 0, c.loads) << c.name;
        EXPECT_EQ(f.model.GetListingPath().empty(), !c.loads) << c.name;
    }
}

TEST(CLinkMapInfo, LoadReplacesContentAndEmptiesOnFailure) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    EXPECT_EQ(f.model.GetSymbolSortColumn(), kNoSymbolColumn);
    f.model.Load();
    f.model.SortSymbols(SymbolColumn::kName, RowSortDirection::kDescending);
    f.model.SortSections(SectionColumn::kSize, RowSortDirection::kAscending);
    f.model.Load();
    EXPECT_EQ(f.model.GetSymbolCount(""), 7);
    EXPECT_EQ(f.model.GetSymbolName("", 0), "_main");  // read again in file order
    EXPECT_EQ(f.model.GetSymbolSortDirection(), RowSortDirection::kDescending);
    EXPECT_EQ(f.model.GetSectionSortColumn(), SectionColumn::kSize);
    f.host.settings.listingPath = "/nonexistent/listing.map";
    f.model.Load();
    EXPECT_EQ(f.model.GetSymbolCount(""), 0);
    EXPECT_EQ(f.model.GetSectionCount(), 0);
    EXPECT_TRUE(f.model.GetListingPath().empty());
}

TEST(CLinkMapInfo, SymbolsBySectionAndBoundedCopies) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    f.model.Load();
    const struct {
        const char* section;
        int first, count;
        Texts names;
    } cases[] = {
        {"P", 1, 3, {"_helper", "_util_init"}},
        {"X", 0, 9, {"_overlay_work", "$start"}},
        {"", 5, 100, {"_overlay_work", "$start"}},
        {"", -1, 3, {}},
        {"p", 0, 9, {}},  // section names are case sensitive
    };
    // One array for every case: its earlier rows are refilled, never shown again.
    LinkMapSymbolRows rows;
    rows.push_back(std::make_unique<tagLinkMapSymbolInfo>(
        tagLinkMapSymbolInfo{"old", 1, 2, "Data", "Local", "Q", "old.o"}));
    rows.push_back(nullptr);
    for (const auto& c : cases) {
        const int copied = f.model.GetSymbols(c.first, c.count, c.section, rows);
        Texts names;
        for (const auto& row : rows)
            names.push_back(row->name);
        EXPECT_EQ(names, c.names) << c.section << " " << c.first;
        EXPECT_EQ(copied, static_cast<int>(names.size()));
        LinkMapSymbolRows fresh;
        f.model.GetSymbols(c.first, c.count, c.section, fresh);
        for (size_t i = 0; i < fresh.size(); ++i)
            EXPECT_EQ(*rows[i], *fresh[i]) << c.section << " " << i;
    }
    EXPECT_EQ(f.model.GetSymbolCount("P"), 3);
    EXPECT_EQ(f.model.GetSymbolName("P", 2), "_util_init");
    EXPECT_EQ(f.model.GetSymbolName("P", 3), "");
    EXPECT_EQ(f.model.GetSymbolName("P", -1), "");
    f.model.SortSymbols(SymbolColumn::kAddress, RowSortDirection::kDescending);
    EXPECT_EQ(f.model.GetSymbolName("P", 0), "_util_init");

    LinkMapSectionRows sections;
    EXPECT_EQ(f.model.GetSections(6, 10, sections), 2);
    sections[0]->name = "changed";  // a copy: the model keeps its row
    EXPECT_EQ(f.model.GetSections(-2, 1, sections), 0);
    EXPECT_TRUE(sections.empty());
    f.model.GetSections(6, 1, sections);
    EXPECT_EQ(sections[0]->name, "R");
}

TEST(CLinkMapInfo, UsedRangesFollowSectionOrder) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    f.model.Load();
    std::vector<uint32_t> starts, ends;
    EXPECT_EQ(f.model.GetUsedRanges(starts, ends), 1);
    EXPECT_EQ(starts, (std::vector<uint32_t>{0x400, 0xFFF8000, 0xFFF8000, 0xFFF8100}));
    EXPECT_EQ(ends, (std::vector<uint32_t>{0x51F, 0xFFF80FF, 0xFFF807F, 0xFFF8107}));
    f.model.SortSections(SectionColumn::kEnd,
                         RowSortDirection::kAscending);  // by end: X, B, R follow each other
    starts.clear();
    ends.clear();
    f.model.GetUsedRanges(starts, ends);
    EXPECT_EQ(starts, (std::vector<uint32_t>{0x400, 0xFFF8000, 0xFFF8000}));
    EXPECT_EQ(ends, (std::vector<uint32_t>{0x51F, 0xFFF807F, 0xFFF8107}));

    ModelFixture empty;
    empty.model.LoadText("*** Symbol List ***\n  _s\n  1 1 data g 0\n");
    EXPECT_EQ(empty.model.GetUsedRanges(starts, ends), 0);
}

TEST(CLinkMapInfo, WithoutValueConversionNumbersReadAsZero) {
    ModelFixture f(true, false);
    f.model.LoadText(
        "*** Mapping List ***\nSECTION\nA\n 10 1F 10 1\n*** Symbol List ***\n  _s\n"
        "  1 1 data g 0\n");
    EXPECT_EQ(SectionTexts(f.model), (Texts{"A 0-0 0", "Unallocated Area 0-FFFFFFFF 0"}));
    EXPECT_EQ(SymbolTexts(f.model), (Texts{"_s 0 0 Data Global  "}));
    CLinkMapInfo noHost(nullptr);
    noHost.Load();
    EXPECT_EQ(noHost.GetSectionCount(), 0);
}

TEST(CLinkMapInfo, ReloadGivesWhatAFreshModelReads) {
    TempDir dir;
    const std::string longer = dir.Write(
        "a.map",
        "*** Symbol List ***\nSECTION=LONG_SECTION_NAME_1\nFILE=/x/a_very_long_object_name.obj\n"
        " x\n  _a_rather_long_symbol_name_one\n  1 2 func g 0\n  _third\n  5 6 entry g 0\n");
    const std::string shorter =
        dir.Write("b.map", "*** Symbol List ***\nSECTION=P\n  _s\n  7 8 none x 0\n");
    // Names enough to fill several blocks of the model's text store, and one name longer than
    // a block's quarter, which is stored apart: a reload reuses the blocks of the load before.
    std::string many =
        "*** Symbol List ***\nSECTION=MANY\n  _" + std::string(100000, 'n') + "\n  9 1 data l 0\n";
    for (int i = 0; i < 40000; ++i)
        many += "SECTION=S" + std::to_string(i % 997) + "\n  _name_of_symbol_" + std::to_string(i) +
                "\n  " + std::to_string(i) + " 4 func g 0\n";
    const std::string large = dir.Write("c.map", many);
    ModelFixture reused;
    for (const auto& path : {longer, shorter, longer, large, shorter, large, longer}) {
        reused.host.settings.listingPath = path;
        reused.model.Load();
        ModelFixture fresh;
        fresh.host.settings.listingPath = path;
        fresh.model.Load();
        EXPECT_EQ(SymbolTexts(reused.model), SymbolTexts(fresh.model)) << path;
    }
}

}  // namespace
}  // namespace linkmaptest
