// The row order of the link map model's lists: a quicksort whose result, including the order
// of rows that compare equal, is that of the classic steps (middle element as pivot, swapped
// to the front; rows below it moved left one by one; pivot swapped into place), run so that it
// neither recurses deeply nor turns quadratic on many equal rows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
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
    struct Entry {
        const Row* row;
        uint32_t index;
    };
    std::vector<Entry> order(count);
    for (size_t i = 0; i < count; ++i) {
        order[i] = Entry{rows[i].get(), static_cast<uint32_t>(i)};
    }
    std::sort(order.begin(), order.end(),
              [&](const Entry& a, const Entry& b) { return compare(*a.row, *b.row) < 0; });
    std::vector<RankedRow> ranked(count);
    std::vector<uint32_t> sortedRanks(count);
    uint32_t rank = 0;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && compare(*order[i - 1].row, *order[i].row) < 0) {
            ++rank;
        }
        ranked[order[i].index] = RankedRow{rank, order[i].index};
        sortedRanks[i] = rank;
    }
    std::vector<Entry>().swap(order);

    QuicksortByRank(ranked, sortedRanks);

    std::vector<std::unique_ptr<Row>> sorted(count);
    for (size_t i = 0; i < count; ++i) {
        sorted[i] = std::move(rows[ranked[i].index]);
    }
    rows.swap(sorted);
}

}  // namespace linkmap
