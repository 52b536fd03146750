#include "src/data/SectionRowBuilder.h"

#include <gtest/gtest.h>

#include "tests/src/data/LinkMapTestSupport.h"

namespace linkmap {
namespace {

using linkmaptest::Describe;
using Texts = std::vector<std::string>;

struct Section {
    const char* name;
    uint32_t start;
    uint32_t end;
    uint32_t size;
};

Texts Build(const std::vector<Section>& sections, uint32_t limit = 0xFFFFFFFF) {
    LinkMapSectionRows parsed;
    for (const auto& s : sections) {
        parsed.push_back(std::make_unique<tagLinkMapSectionInfo>(
            tagLinkMapSectionInfo{s.name, s.start, s.end, s.size, ""}));
    }
    Texts texts;
    for (const auto& row : BuildSectionRows(std::move(parsed), limit)) {
        texts.push_back(Describe(*row));
    }
    return texts;
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

TEST(SectionRows, GapsBetweenSections) {
    const struct {
        const char* name;
        Texts rows;
        std::vector<Section> sections;
        uint32_t limit = 0xFFFFFFFF;
    } cases[] = {
        {"two sections with gaps",
         {"A 0-F 10", "Unallocated Area 10-1F 10", "B 20-27 8",
          "Unallocated Area 28-FFFFFFFF FFFFFFD8"},
         {{"A", 0, 0xF, 0x10}, {"B", 0x20, 0x27, 8}}},
        {"first section above 0",
         {"Unallocated Area 0-FF 100", "A 100-1FF 100", "Unallocated Area 200-FFFF FE00"},
         {{"A", 0x100, 0x1FF, 0x100}},
         0xFFFF},
        {"touching and overlapping sections",
         {"A 0-F 10", "B 10-1F 10", "C 18-1B 4", "D 20-2F 10"},
         {{"A", 0, 0xF, 0x10},
          {"B", 0x10, 0x1F, 0x10},
          {"C", 0x18, 0x1B, 4},
          {"D", 0x20, 0x2F, 0x10}},
         0x2F},
        {"section ending lower keeps previous end",
         {"A 0-FF 100", "B 10-1F 10", "Unallocated Area 100-11F 20", "C 120-12F 10"},
         {{"A", 0, 0xFF, 0x100}, {"B", 0x10, 0x1F, 0x10}, {"C", 0x120, 0x12F, 0x10}},
         0x12F},
        {"zero-size section leaves its end free",
         {"A 0-0 0", "Unallocated Area 0-F 10", "B 10-1F 10"},
         {{"A", 0, 0, 0}, {"B", 0x10, 0x1F, 0x10}},
         0x1F},
        {"section ending at the limit", {"A 0-FFFFFFFF 0"}, {{"A", 0, 0xFFFFFFFF, 0}}},
        {"address limit from a shorter address text",
         {"A 0-F 10", "Unallocated Area 10-FFFF FFF0"},
         {{"A", 0, 0xF, 0x10}},
         0xFFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Build(c.sections, c.limit), c.rows) << c.name;
    }
}

TEST(SectionRows, UsedRangesMergeFollowingRows) {
    const struct {
        const char* name;
        std::vector<Section> rows;
        std::vector<uint32_t> starts, ends;
    } cases[] = {
        {"merge touching",
         {{"A", 0, 9, 10}, {"B", 10, 19, 10}, {"C", 30, 39, 10}},
         {0, 30},
         {19, 39}},
        {"gaps are left out",
         {{"A", 0, 9, 10}, {"Unallocated Area", 10, 19, 10}, {"B", 20, 29, 10}},
         {0, 20},
         {9, 29}},
        {"gap between touching rows is no break",
         {{"A", 0, 9, 10}, {"Unallocated Area", 50, 60, 11}, {"B", 10, 19, 10}},
         {0},
         {19}},
        {"only adjacency to the row just before counts",
         {{"A", 0, 99, 100}, {"B", 10, 19, 10}, {"C", 20, 29, 10}},
         {0, 10},
         {99, 29}},
        {"in current order", {{"B", 10, 19, 10}, {"A", 0, 9, 10}}, {10, 0}, {19, 9}},
        {"zero-size rows take part",
         {{"A", 0, 9, 10}, {"Z", 10, 10, 0}, {"B", 11, 12, 2}},
         {0},
         {12}},
        {"no wrap at the top",
         {{"A", 0xFFFFFFF0, 0xFFFFFFFF, 16}, {"B", 0, 9, 10}},
         {0xFFFFFFF0, 0},
         {0xFFFFFFFF, 9}},
    };
    for (const auto& c : cases) {
        LinkMapSectionRows rows;
        for (const auto& s : c.rows) {
            rows.push_back(std::make_unique<tagLinkMapSectionInfo>(
                tagLinkMapSectionInfo{s.name, s.start, s.end, s.size, ""}));
        }
        std::vector<uint32_t> starts{7}, ends{8};  // results are appended
        EXPECT_TRUE(CollectUsedRanges(rows, starts, ends)) << c.name;
        starts.erase(starts.begin());
        ends.erase(ends.begin());
        EXPECT_EQ(starts, c.starts) << c.name;
        EXPECT_EQ(ends, c.ends) << c.name;
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
