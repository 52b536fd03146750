#include "src/data/RowSorter.h"

#include <gtest/gtest.h>

#include <random>

#include "src/data/LinkMapRowOrder.h"
#include "tests/src/data/LinkMapTestSupport.h"
#include "tests/src/data/LiteralQuicksort.h"

namespace linkmap {
namespace {

using linkmaptest::LiteralQuicksort;

template <class Row, class Compare>
void ExpectLiteralOrder(std::vector<std::unique_ptr<Row>>& rows, const Compare& compare,
                        const std::string& what) {
    std::vector<Row*> expected;
    for (const auto& row : rows)
        expected.push_back(row.get());
    LiteralQuicksort(expected, 0, static_cast<int>(expected.size()) - 1, compare);
    SortRows(rows, compare);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].get(), expected[i]) << what << " differs at " << i;
    }
}

LinkMapSymbolRows RandomSymbols(std::mt19937& random, size_t count, int variety) {
    const auto pick = [&](int n) {
        return static_cast<uint32_t>(random() % static_cast<unsigned>(n));
    };
    const char* words[] = {"a", "B", "b", "ab", "Ab", "", "\xC3\xA9", "z"};
    LinkMapSymbolRows rows;
    for (size_t i = 0; i < count; ++i) {
        auto row = std::make_unique<tagLinkMapSymbolInfo>();
        row->name = std::string(words[pick(8)]) + words[pick(variety % 8 + 1)];
        row->address = pick(variety) * 0x10;
        row->size = pick(3) == 0 ? 0 : pick(variety);
        row->attribute = words[pick(4)];
        row->scope = words[pick(2) + 1];
        row->section = words[pick(variety % 8 + 1)];
        row->file = words[pick(8)];
        if (pick(10) == 0)
            row->address = 0xFFFFFFFF - pick(4);  // computed end wraps
        rows.push_back(std::move(row));
    }
    return rows;
}

TEST(RowSorter, SymbolOrderEqualsLiteralStepsForEveryColumnAndDirection) {
    std::mt19937 random(12345);
    for (int round = 0; round < 60; ++round) {
        const size_t count = random() % 300;
        const int variety = 1 + static_cast<int>(random() % 40);
        auto rows = RandomSymbols(random, count, variety);
        for (int column = -1; column <= 8; ++column) {
            for (int direction : {0, 1, 2, -1}) {
                const auto compare = [&](const tagLinkMapSymbolInfo& a,
                                         const tagLinkMapSymbolInfo& b) {
                    return CompareSymbolRows(a, b, column, direction);
                };
                const std::string what = "round " + std::to_string(round) + " column " +
                                         std::to_string(column) + " direction " +
                                         std::to_string(direction);
                ExpectLiteralOrder(rows, compare, what);
                ExpectLiteralOrder(rows, compare, what + " sorted again");
            }
        }
    }
}

TEST(RowSorter, SectionOrderEqualsLiteralSteps) {
    std::mt19937 random(99);
    for (int round = 0; round < 60; ++round) {
        LinkMapSectionRows rows;
        const size_t count = random() % 200;
        for (size_t i = 0; i < count; ++i) {
            rows.push_back(std::make_unique<tagLinkMapSectionInfo>(tagLinkMapSectionInfo{
                random() % 3 ? "S" + std::to_string(random() % 9) : "Unallocated Area",
                static_cast<uint32_t>(random() % 16), 0, static_cast<uint32_t>(random() % 4),
                random() % 2 ? "" : "O" + std::to_string(random() % 3)}));
        }
        for (int column = -1; column <= 5; ++column) {
            for (int direction : {0, 1}) {
                ExpectLiteralOrder(
                    rows,
                    [&](const tagLinkMapSectionInfo& a, const tagLinkMapSectionInfo& b) {
                        return CompareSectionRows(a, b, column, direction);
                    },
                    "round " + std::to_string(round) + " column " + std::to_string(column));
            }
        }
    }
}

TEST(RowSorter, PresortedAndAllEqualInputsKeepLiteralOrder) {
    for (size_t count : {2u, 3u, 64u, 1000u, 4097u}) {
        for (int shape = 0; shape < 4; ++shape) {
            LinkMapSymbolRows rows;
            for (size_t i = 0; i < count; ++i) {
                auto row = std::make_unique<tagLinkMapSymbolInfo>();
                row->address = shape == 0   ? static_cast<uint32_t>(i)
                               : shape == 1 ? static_cast<uint32_t>(count - i)
                               : shape == 2 ? 7u
                                            : static_cast<uint32_t>(i % 5);
                rows.push_back(std::move(row));
            }
            ExpectLiteralOrder(
                rows,
                [](const tagLinkMapSymbolInfo& a, const tagLinkMapSymbolInfo& b) {
                    return CompareSymbolRows(a, b, 1, 0);
                },
                "count " + std::to_string(count) + " shape " + std::to_string(shape));
        }
    }
}

TEST(RowSorter, ManyEqualRowsFinishInFewSteps) {
    // The literal steps would take about 10^11 comparisons here.
    std::vector<RankedRow> rows(500000);
    std::vector<uint32_t> sorted(rows.size());
    for (uint32_t i = 0; i < rows.size(); ++i) {
        rows[i] = RankedRow{i % 2, i};
    }
    for (uint32_t i = 0; i < sorted.size(); ++i)
        sorted[i] = i < rows.size() / 2 ? 0 : 1;
    QuicksortByRank(rows, sorted);
    for (size_t i = 1; i < rows.size(); ++i) {
        ASSERT_LE(rows[i - 1].rank, rows[i].rank);
    }
}

TEST(RowSorter, SymbolColumnsAndDirections) {
    const tagLinkMapSymbolInfo low{"Abc", 0x10, 0, "Data", "Global", "B", "a.obj"};
    const tagLinkMapSymbolInfo high{"abc", 0x0F, 2, "Function", "Local", "P", "b.obj"};
    const struct {
        int column;
        int ascending;  // sign of low compared with high
    } cases[] = {
        {0, -1},          // 'A' below 'a': bytes, case matters
        {1, 1},  {2, 0},  // both computed ends are 0x10 (size 0 ends at its address)
        {3, -1}, {4, -1}, {5, -1}, {6, -1}, {7, -1}, {8, 0}, {-1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareSymbolRows(low, high, c.column, 0), c.ascending) << c.column;
        EXPECT_EQ(CompareSymbolRows(low, high, c.column, 1), -c.ascending) << c.column;
        EXPECT_EQ(CompareSymbolRows(low, high, c.column, 5), c.ascending) << c.column;
        EXPECT_EQ(CompareSymbolRows(low, low, c.column, 1), 0) << c.column;
    }
    const tagLinkMapSymbolInfo top{"t", 0xFFFFFFFF, 2, "", "", "", ""};  // end wraps to 0
    EXPECT_LT(CompareSymbolRows(top, low, 2, 0), 0);
    EXPECT_GT(CompareSymbolRows(top, low, 1, 0), 0);
}

TEST(RowSorter, SectionColumnsAndDirections) {
    const tagLinkMapSectionInfo a{"B", 0x100, 0x1FF, 0, "x"};  // end field is never used
    const tagLinkMapSectionInfo b{"a", 0x0FF, 0x0FF, 2, "X"};
    const struct {
        int column;
        int expected;
    } cases[] = {{0, -1}, {1, 1}, {2, 0}, {3, -1}, {4, 1}, {5, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(CompareSectionRows(a, b, c.column, 0), c.expected) << c.column;
        EXPECT_EQ(CompareSectionRows(a, b, c.column, 1), -c.expected) << c.column;
    }
}

TEST(RowSorter, SizeZeroSectionSortsByStartInEndColumn) {
    linkmaptest::ModelFixture f;
    f.model.LoadText(
        "*** Mapping List ***\nSECTION\nA\n 100 1FF 100 1\nZ\n 180 0 0 1\nB\n 0 FE FF 1\n");
    f.model.SortSections(2, 0);
    EXPECT_EQ(
        linkmaptest::SectionTexts(f.model),
        (std::vector<std::string>{"B 0-FE FF", "Unallocated Area 0-FF 100", "Z 180-0 0",
                                  "A 100-1FF 100", "Unallocated Area 200-FFFFFFFF FFFFFE00"}));
}

}  // namespace
}  // namespace linkmap
