#include "src/data/RowSorter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "src/data/LinkMapRowOrder.h"
#include "src/data/SymbolTable.h"
#include "tests/src/data/LinkMapTestSupport.h"
#include "tests/src/data/LiteralQuicksort.h"

namespace linkmap {
namespace {

using linkmaptest::LiteralQuicksort;

// The literal steps on the rows' current order, as values.
template <class Row, class Compare>
std::vector<Row> LiteralOrder(const std::vector<Row>& rows, const Compare& compare) {
    std::vector<const Row*> order;
    for (const auto& row : rows)
        order.push_back(&row);
    LiteralQuicksort(order, 0, static_cast<int>(order.size()) - 1, compare);
    std::vector<Row> values;
    for (const Row* row : order)
        values.push_back(*row);
    return values;
}

std::vector<tagLinkMapSymbolInfo> RowsOf(const SymbolTable& table) {
    std::vector<tagLinkMapSymbolInfo> rows;
    for (size_t i = 0; i < table.Size(); ++i)
        rows.push_back(table.Row(i));
    return rows;
}

SymbolTable TableOf(const std::vector<tagLinkMapSymbolInfo>& rows) {
    SymbolTable table;
    for (const auto& r : rows) {
        table.Add(r.name, r.address, r.size, table.Intern(r.attribute), table.Intern(r.scope),
                  table.Intern(r.section), table.Intern(r.file));
    }
    return table;
}

// Sorts the table and checks it against the literal steps on its previous order.
void ExpectLiteralSymbolOrder(SymbolTable& table, int column, int direction,
                              const std::string& what) {
    const auto compare = [&](const tagLinkMapSymbolInfo& a, const tagLinkMapSymbolInfo& b) {
        return CompareSymbolRows(a, b, static_cast<SymbolColumn>(column),
                                 static_cast<RowSortDirection>(direction));
    };
    const auto expected = LiteralOrder(RowsOf(table), compare);
    table.Sort(static_cast<SymbolColumn>(column), static_cast<RowSortDirection>(direction));
    const auto actual = RowsOf(table);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        ASSERT_EQ(actual[i], expected[i]) << what << " differs at " << i;
    }
}

std::vector<tagLinkMapSymbolInfo> RandomSymbols(std::mt19937& random, size_t count, int variety) {
    const auto pick = [&](int n) {
        return static_cast<uint32_t>(random() % static_cast<unsigned>(n));
    };
    // Texts that differ only past eight bytes, or by a zero byte against an end, test the
    // ranking of texts by eight-byte pieces.
    const std::string words[] = {"a",
                                 "B",
                                 "b",
                                 "ab",
                                 "Ab",
                                 "",
                                 "\xC3\xA9",
                                 "z",
                                 "_handler_a",
                                 "_handler_",
                                 std::string("_handler\0", 9),
                                 "_handler_b_0123456789"};
    std::vector<tagLinkMapSymbolInfo> rows;
    for (size_t i = 0; i < count; ++i) {
        tagLinkMapSymbolInfo row;
        row.name = words[pick(12)] + words[pick(variety % 12 + 1)];
        row.address = pick(variety) * 0x10;
        row.size = pick(3) == 0 ? 0 : pick(variety);
        row.attribute = words[pick(4)];
        row.scope = words[pick(2) + 1];
        row.section = words[pick(variety % 12 + 1)];
        row.file = words[pick(8)];
        if (pick(10) == 0)
            row.address = 0xFFFFFFFF - pick(4);  // computed end wraps
        rows.push_back(std::move(row));
    }
    return rows;
}

TEST(RowSorter, SymbolOrderEqualsLiteralStepsForEveryColumnAndDirection) {
    std::mt19937 random(12345);
    for (int round = 0; round < 60; ++round) {
        const size_t count = random() % 300;
        const int variety = 1 + static_cast<int>(random() % 40);
        SymbolTable table = TableOf(RandomSymbols(random, count, variety));
        for (int column = -1; column <= 8; ++column) {
            for (int direction : {0, 1, 2, -1}) {
                const std::string what = "round " + std::to_string(round) + " column " +
                                         std::to_string(column) + " direction " +
                                         std::to_string(direction);
                ExpectLiteralSymbolOrder(table, column, direction, what);
                ExpectLiteralSymbolOrder(table, column, direction, what + " sorted again");
            }
        }
    }
}

// Enough rows for counting passes, all names distinct: the order comes straight from the sorted
// names. Names share eight- and sixteen-byte beginnings and end at and around those edges.
TEST(RowSorter, ManyDistinctNamesInBothDirections) {
    std::mt19937 random(777);
    const std::string stems[] = {"_handler", "_handler_", "_handler_timer__", "_h", "", "_uart_rx"};
    std::vector<tagLinkMapSymbolInfo> rows;
    for (size_t i = 0; i < 6000; ++i) {
        tagLinkMapSymbolInfo row;
        row.name = stems[random() % std::size(stems)] + std::to_string(random() % 1000000) + "_" +
                   std::to_string(i);
        rows.push_back(std::move(row));
    }
    rows.push_back(tagLinkMapSymbolInfo{});  // the empty name
    for (int direction : {0, 1}) {
        SymbolTable table = TableOf(rows);
        ExpectLiteralSymbolOrder(table, 0, direction, "direction " + std::to_string(direction));
    }
}

// A list large enough to be split in place before its buckets are counted out, with texts that
// share one- to seventeen-byte beginnings, end at and around the eight-byte pieces, hold zero
// bytes (so that an end and a zero byte look alike) and repeat: the ranks must be those of a
// plain comparison sort.
TEST(RowSorter, LargeTextListRanksAsComparisonSortDoes) {
    std::mt19937 random(4242);
    const std::string stems[] = {"_",
                                 "_u",
                                 std::string("_u\0", 3),
                                 std::string("_u\0\0", 4),
                                 "_uart_rx",
                                 "_uart_rx_",
                                 std::string("_uart\0rx", 8),
                                 "_uart_rx_buffer__",
                                 "\xFF",
                                 ""};
    std::vector<std::string> texts(300000);
    for (auto& text : texts) {
        text = stems[random() % std::size(stems)];
        const auto tail = random() % 200000;
        if (tail % 7 != 0)  // some texts are a stem alone
            text += std::to_string(tail);
    }
    const std::vector<std::string_view> keys(texts.begin(), texts.end());
    const Ranking ranking = RankTexts(keys);

    std::vector<std::string_view> distinct = keys;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    ASSERT_EQ(ranking.limit, distinct.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const auto rank = std::lower_bound(distinct.begin(), distinct.end(), keys[i]) -
                          distinct.begin();
        ASSERT_EQ(ranking.ranks[i], static_cast<uint32_t>(rank)) << "text " << i;
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
        for (int number = -1; number <= 5; ++number) {
            for (int way : {0, 1}) {
                const auto column = static_cast<SectionColumn>(number);
                const auto direction = static_cast<RowSortDirection>(way);
                std::vector<tagLinkMapSectionInfo> before;
                for (const auto& row : rows)
                    before.push_back(*row);
                const auto expected = LiteralOrder(
                    before, [&](const tagLinkMapSectionInfo& a, const tagLinkMapSectionInfo& b) {
                        return CompareSectionRows(a, b, column, direction);
                    });
                SortRows(rows, SectionRowFields{}, KeyOf(column), direction);
                for (size_t i = 0; i < rows.size(); ++i) {
                    ASSERT_EQ(*rows[i], expected[i])
                        << "round " << round << " column " << number << " at " << i;
                }
            }
        }
    }
}

TEST(RowSorter, PresortedAndAllEqualInputsKeepLiteralOrder) {
    for (size_t count : {2u, 3u, 64u, 1000u, 4097u}) {
        for (int shape = 0; shape < 4; ++shape) {
            std::vector<tagLinkMapSymbolInfo> rows(count);
            for (size_t i = 0; i < count; ++i) {
                rows[i].name = std::to_string(i);
                rows[i].address = shape == 0   ? static_cast<uint32_t>(i)
                                  : shape == 1 ? static_cast<uint32_t>(count - i)
                                  : shape == 2 ? 7u
                                               : static_cast<uint32_t>(i % 5);
            }
            SymbolTable table = TableOf(rows);
            ExpectLiteralSymbolOrder(
                table, 1, 0, "count " + std::to_string(count) + " shape " + std::to_string(shape));
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
        const auto column = static_cast<SymbolColumn>(c.column);
        const auto compare = [&](const auto& a, const auto& b, int direction) {
            return CompareSymbolRows(a, b, column, static_cast<RowSortDirection>(direction));
        };
        EXPECT_EQ(compare(low, high, 0), c.ascending) << c.column;
        EXPECT_EQ(compare(low, high, 1), -c.ascending) << c.column;
        EXPECT_EQ(compare(low, high, 5), c.ascending) << c.column;
        EXPECT_EQ(compare(low, low, 1), 0) << c.column;
    }
    const tagLinkMapSymbolInfo top{"t", 0xFFFFFFFF, 2, "", "", "", ""};  // end wraps to 0
    EXPECT_LT(CompareSymbolRows(top, low, SymbolColumn::kEnd, RowSortDirection::kAscending), 0);
    EXPECT_GT(CompareSymbolRows(top, low, SymbolColumn::kAddress, RowSortDirection::kAscending), 0);
}

TEST(RowSorter, SectionColumnsAndDirections) {
    const tagLinkMapSectionInfo a{"B", 0x100, 0x1FF, 0, "x"};  // end field is never used
    const tagLinkMapSectionInfo b{"a", 0x0FF, 0x0FF, 2, "X"};
    const struct {
        int column;
        int expected;
    } cases[] = {{0, -1}, {1, 1}, {2, 0}, {3, -1}, {4, 1}, {5, 0}};
    for (const auto& c : cases) {
        const auto column = static_cast<SectionColumn>(c.column);
        EXPECT_EQ(CompareSectionRows(a, b, column, RowSortDirection::kAscending), c.expected)
            << c.column;
        EXPECT_EQ(CompareSectionRows(a, b, column, RowSortDirection::kDescending), -c.expected)
            << c.column;
    }
}

TEST(RowSorter, SizeZeroSectionSortsByStartInEndColumn) {
    linkmaptest::ModelFixture f;
    f.model.LoadText(
        "*** Mapping List ***\nSECTION\nA\n 100 1FF 100 1\nZ\n 180 0 0 1\nB\n 0 FE FF 1\n");
    f.model.SortSections(SectionColumn::kEnd, RowSortDirection::kAscending);
    EXPECT_EQ(
        linkmaptest::SectionTexts(f.model),
        (std::vector<std::string>{"B 0-FE FF", "Unallocated Area 0-FF 100", "Z 180-0 0",
                                  "A 100-1FF 100", "Unallocated Area 200-FFFFFFFF FFFFFE00"}));
}

}  // namespace
}  // namespace linkmap
