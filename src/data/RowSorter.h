// The row order of the link map model's lists: a quicksort whose result, including the order
// of rows that compare equal, is that of the classic steps (middle element as pivot, swapped
// to the front; rows below it moved left one by one; pivot swapped into place), run so that it
// neither recurses deeply nor turns quadratic on many equal rows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>
#include <span>
#include <vector>

namespace linkmap {

struct RankedRow {
    uint32_t rank;   // position of the row's key among the distinct keys
    uint32_t index;  // the row's position before sorting
};

// Runs the quicksort steps on rows that compare by rank. sortedRanks holds the ranks of all
// rows in ascending order.
void QuicksortByRank(std::span<RankedRow> rows, std::span<const uint32_t> sortedRanks);

// Sorts owned rows in place. compare(a, b) returns a negative number when a goes before b and
// must be a strict weak order.
template <class Row, class Compare>
void SortRows(std::vector<std::unique_ptr<Row>>& rows, Compare compare) {
    const size_t count = rows.size();
    if (count < 2) {
        return;
    }
    // Rank every row once among the distinct keys; the quicksort then compares integers.
    std::vector<uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return compare(*rows[a], *rows[b]) < 0; });
    std::vector<RankedRow> ranked(count);
    std::vector<uint32_t> sortedRanks(count);
    uint32_t rank = 0;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && compare(*rows[order[i - 1]], *rows[order[i]]) < 0) {
            ++rank;
        }
        ranked[order[i]] = RankedRow{rank, order[i]};
        sortedRanks[i] = rank;
    }
    std::vector<uint32_t>().swap(order);

    QuicksortByRank(ranked, sortedRanks);

    std::vector<std::unique_ptr<Row>> sorted(count);
    for (size_t i = 0; i < count; ++i) {
        sorted[i] = std::move(rows[ranked[i].index]);
    }
    rows.swap(sorted);
}

}  // namespace linkmap
