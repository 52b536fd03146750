#include "src/data/SectionRowBuilder.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/src/data/LinkMapTestSupport.h"
#include "tests/support/TableFile.h"

namespace linkmap {
namespace {

using linkmaptest::Describe;

// Section rows written "name start-end size; ..." (hexadecimal), as the tables hold them.
LinkMapSectionRows ParseRows(const std::string& text) {
    LinkMapSectionRows rows;
    std::istringstream list(text);
    for (std::string item; std::getline(list, item, ';');) {
        const size_t sizeAt = item.rfind(' '), rangeAt = item.rfind(' ', sizeAt - 1);
        const size_t dash = item.find('-', rangeAt);
        const auto hex = [&](size_t from, size_t to) {
            return static_cast<uint32_t>(std::stoul(item.substr(from, to - from), nullptr, 16));
        };
        rows.push_back(std::make_unique<tagLinkMapSectionInfo>(tagLinkMapSectionInfo{
            item.substr(item.find_first_not_of(' '), rangeAt - item.find_first_not_of(' ')),
            hex(rangeAt + 1, dash), hex(dash + 1, sizeAt), hex(sizeAt + 1, item.size()), ""}));
    }
    return rows;
}

TEST(SectionRows, GapRule) {
    const struct {
        GapPosition position;
        uint32_t end, size, next;
        std::optional<std::pair<uint32_t, uint32_t>> gap;
    } cases[] = {
        {GapPosition::kFirst, 0, 0, 0x100, {{0, 0xFF}}},
        {GapPosition::kFirst, 0, 0, 1, {{0, 0}}},
        {GapPosition::kBetween, 0xFF, 0x100, 0x100, std::nullopt},  // touching
        {GapPosition::kBetween, 0xFF, 0x100, 0x80, std::nullopt},   // overlapping
        {GapPosition::kBetween, 0xFF, 0x100, 0xFF, std::nullopt},
        {GapPosition::kBetween, 0xFF, 0x100, 0x200, {{0x100, 0x1FF}}},
        {GapPosition::kBetween, 0xFF, 0, 0x200, {{0xFF, 0x1FF}}},  // size 0 ends nothing
        {GapPosition::kBetween, 0xFF, 0, 0x100, std::nullopt},
        {GapPosition::kAfterLast, 0xFF, 0x10, 0xFFFFFFFF, {{0x100, 0xFFFFFFFF}}},
        {GapPosition::kAfterLast, 0xFF, 0, 0xFFFF, {{0xFF, 0xFFFF}}},
        {GapPosition::kAfterLast, 0xFFFE, 1, 0xFFFF, {{0xFFFF, 0xFFFF}}},
        {GapPosition::kAfterLast, 0xFFFF, 1, 0xFFFF, std::nullopt},
        {GapPosition::kAfterLast, 0xFFFFFFFF, 1, 0xFFFFFFFF, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto gap = FindGap(c.position, c.end, c.size, c.next);
        ASSERT_EQ(gap.has_value(), c.gap.has_value()) << c.end << " " << c.next;
        if (gap) {
            EXPECT_EQ(gap->first, c.gap->first) << c.end << " " << c.next;
            EXPECT_EQ(gap->last, c.gap->second) << c.end << " " << c.next;
        }
    }
}

// The rows of tests/data/tables/section-gaps.txt.
TEST(SectionRows, GapsBetweenSections) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("section-gaps.txt")) {
        std::string built;
        for (const auto& section : BuildSectionRows(
                 ParseRows(row[1]), static_cast<uint32_t>(std::stoul(row[2], nullptr, 16)))) {
            built += (built.empty() ? "" : "; ") + Describe(*section);
        }
        EXPECT_EQ(built, row[3]) << row.where;
    }
}

// The rows of tests/data/tables/used-ranges.txt.
TEST(SectionRows, UsedRangesMergeFollowingRows) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("used-ranges.txt")) {
        std::vector<uint32_t> starts{7}, ends{8};  // results are appended
        EXPECT_TRUE(CollectUsedRanges(ParseRows(row[1]), starts, ends)) << row.where;
        std::ostringstream used;
        used << std::hex << std::uppercase;
        for (size_t i = 1; i < starts.size() && i < ends.size(); ++i) {
            used << (i > 1 ? " " : "") << starts[i] << "-" << ends[i];
        }
        EXPECT_EQ(used.str(), row[2]) << row.where;
        EXPECT_EQ(starts.size(), ends.size()) << row.where;
        EXPECT_EQ(starts[0], 7u) << row.where;
    }
    LinkMapSectionRows onlyGaps;
    onlyGaps.push_back(std::make_unique<tagLinkMapSectionInfo>(
        tagLinkMapSectionInfo{"Unallocated Area", 0, 9, 10, ""}));
    std::vector<uint32_t> starts, ends;
    EXPECT_FALSE(CollectUsedRanges(onlyGaps, starts, ends));
    EXPECT_TRUE(starts.empty());
}

}  // namespace
}  // namespace linkmap
