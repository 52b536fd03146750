// The row order of the link map model's lists: a quicksort whose result, including the order
// of rows that compare equal, is that of the classic steps (middle element as pivot, swapped
// to the front; rows below it moved left one by one; pivot swapped into place), run so that it
// neither recurses deeply nor turns quadratic on many equal rows. Every row's key is ranked once
// among the distinct keys; the steps then compare small integers held side by side.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "src/data/LinkMapColumns.h"
#include "src/data/LinkMapRowOrder.h"

namespace linkmap {

// ranks[i] is the position of row i's key among the distinct keys, from 0; every rank is below
// limit.
struct Ranking {
    std::vector<uint32_t> ranks;
    uint32_t limit = 0;
};

Ranking RankNumbers(std::span<const uint32_t> keys);
// Byte-wise, case-sensitive.
Ranking RankTexts(std::span<const std::string_view> keys);

// The ranks of the rows' keys in one column; keyAt(i) gives row i's SortKey.
template <class KeyAt>
Ranking RankKeys(size_t count, bool text, KeyAt keyAt) {
    if (text) {
        std::vector<std::string_view> texts(count);
        for (size_t i = 0; i < count; ++i)
            texts[i] = keyAt(i).text;
        return RankTexts(texts);
    }
    std::vector<uint32_t> numbers(count);
    for (size_t i = 0; i < count; ++i)
        numbers[i] = keyAt(i).number;
    return RankNumbers(numbers);
}

// The row positions in the order the quicksort steps leave rows of these ranks; descending
// sorts the highest rank first.
std::vector<uint32_t> QuicksortOrder(Ranking ranking, RowSortDirection direction);

// Row i's text, read through a context: a large list's keys then need no array of their own.
struct TextColumn {
    size_t count = 0;
    const void* context = nullptr;
    std::string_view (*textAt)(const void* context, size_t row) = nullptr;
};

// QuicksortOrder for byte-wise text keys. When every key differs, the order comes straight from
// sorting them, with no ranks written per row in between.
std::vector<uint32_t> TextSortOrder(TextColumn keys, RowSortDirection direction);

// The quicksort steps' row order by one column; keyAt(i) gives row i's SortKey.
template <class KeyAt>
std::vector<uint32_t> SortOrder(size_t count, bool text, RowSortDirection direction,
                                KeyAt keyAt) {
    if (text) {
        const auto textAt = [](const void* context, size_t row) {
            return (*static_cast<const KeyAt*>(context))(row).text;
        };
        return TextSortOrder(TextColumn{count, &keyAt, textAt}, direction);
    }
    return QuicksortOrder(RankKeys(count, false, keyAt), direction);
}

struct RankedRow {
    uint32_t rank;   // position of the row's key among the distinct keys
    uint32_t index;  // the row's position before sorting
};

// Runs the quicksort steps on rows that compare by rank. sortedRanks holds the ranks of all
// rows in ascending order.
void QuicksortByRank(std::span<RankedRow> rows, std::span<const uint32_t> sortedRanks);

// Sorts owned rows in place by one column, read through the row kind's field access.
template <class Row, class Fields>
void SortRows(std::vector<std::unique_ptr<Row>>& rows, const Fields& fields, ColumnKey key,
              RowSortDirection direction) {
    if (rows.size() < 2) {
        return;
    }
    const auto order = SortOrder(rows.size(), key.IsText(), direction,
                                 [&](size_t i) { return KeyOfRow(fields, *rows[i], key); });
    std::vector<std::unique_ptr<Row>> sorted(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        sorted[i] = std::move(rows[order[i]]);
    }
    rows.swap(sorted);
}

}  // namespace linkmap
