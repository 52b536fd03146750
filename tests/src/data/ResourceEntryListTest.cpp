#include "src/data/ResourceEntryList.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The ordering as first described: a bubble sort that swaps neighbours only when the later
// upper-cased start text compares below the earlier one.
void BubbleSortByStartText(std::vector<ResourceEntry>& entries) {
    if (entries.size() < 2) {
        return;
    }
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        for (std::size_t j = entries.size() - 1; j > i; --j) {
            if (entries[j].sortKey < entries[j - 1].sortKey) {
                std::swap(entries[j], entries[j - 1]);
            }
        }
    }
}

TEST(SortByStartText, GivesTheSameOrderAsTheBubbleSort) {
    const char* texts[] = {"0000FF00", "0x0000ff00", "0X0000FF00", "00010000",   "0x00000000",
                           "FFFF0000", "ffff0000",   "10000000",   "0x10000000", ""};
    std::mt19937 random(3);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(texts) - 1);
    for (int round = 0; round < 500; ++round) {
        std::vector<ResourceEntry> entries;
        for (int i = 0; i < round % 12; ++i) {
            // The position in the access tells equal texts apart.
            entries.push_back(MakeResourceEntry(texts[pick(random)], std::to_string(i), 0, 0));
        }
        std::vector<ResourceEntry> expected = entries;
        BubbleSortByStartText(expected);
        SortByStartText(entries);
        ASSERT_EQ(entries.size(), expected.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            ASSERT_EQ(entries[i].access, expected[i].access) << "round " << round;
        }
    }
}

TEST(SortByStartText, OrdersHostTextsAndNewTextsByText) {
    std::vector<ResourceEntry> entries = {
        MakeResourceEntry("0x00000100", "new", 0x100, 0x1FF),
        MakeResourceEntry("10000000", "high", 0x10000000, 0x1000FFFF),
        MakeResourceEntry("00010000", "low", 0x10000, 0x1FFFF),
    };
    SortByStartText(entries);
    EXPECT_EQ(entries[0].access, "low");
    EXPECT_EQ(entries[1].access, "new");
    EXPECT_EQ(entries[2].access, "high");
    EXPECT_EQ(NewResourceAddressText(0xFF00), "0x0000FF00");
    EXPECT_EQ(NewResourceAddressText(0xFFFFFFFFu), "0xFFFFFFFF");
}

ResourceEntry E(uint32_t start, uint32_t end, const char* access) {
    return MakeResourceEntry("", access, start, end);
}

TEST(JoinTouchingNeighbours, JoinsOnlyTouchingNeighboursWithTheSameAccess) {
    using Result = std::vector<std::tuple<uint32_t, uint32_t, std::string>>;
    const std::pair<std::vector<ResourceEntry>, Result> cases[] = {
        {{E(0, 0xF, "R"), E(0x10, 0x1F, "R"), E(0x20, 0x2F, "R"), E(0x50, 0x5F, "R")},
         {{0, 0x2F, "R"}, {0x50, 0x5F, "R"}}},
        {{E(0, 0xFF, "R"), E(0x100, 0x1FF, "R/W")}, {{0, 0xFF, "R"}, {0x100, 0x1FF, "R/W"}}},
        {{E(0, 0xFF, "R"), E(0x100, 0x1FF, "r")}, {{0, 0xFF, "R"}, {0x100, 0x1FF, "r"}}},
        {{E(0x100, 0x1FF, "R"), E(0, 0xFF, "R")}, {{0x100, 0x1FF, "R"}, {0, 0xFF, "R"}}},
        {{E(0xFFFFFF00u, 0xFFFFFFFFu, "R"), E(0, 0xFF, "R")},
         {{0xFFFFFF00u, 0xFFFFFFFFu, "R"}, {0, 0xFF, "R"}}},  // the top does not wrap to 0
        {{E(0x10, 0x5, "R"), E(0x6, 0x1F, "R")}, {{0x10, 0x5, "R"}, {0x6, 0x1F, "R"}}},
    };
    for (const auto& [input, expected] : cases) {
        std::vector<ResourceEntry> entries = input;
        JoinTouchingNeighbours(entries);
        Result result;
        for (const ResourceEntry& e : entries)
            result.emplace_back(e.start, e.end, e.access);
        EXPECT_EQ(result, expected);
    }
}

}  // namespace
