#include "src/data/RowSorter.h"

#include <utility>

namespace linkmap {
namespace {

// A range of rows and where its keys start in the sorted list of all ranks. The rows of every
// range the steps work on hold exactly a run of that list: a partition sends the ranks below
// the pivot left and all others but the pivot right. So the run's first entry is the smallest
// rank in the range.
void SortRange(std::span<RankedRow> rows, std::span<const uint32_t> sortedRanks, size_t low,
               size_t high, size_t run) {
    while (low < high) {
        std::swap(rows[low], rows[low + (high - low) / 2]);
        const uint32_t pivot = rows[low].rank;
        if (pivot == sortedRanks[run]) {
            // Nothing compares below the smallest rank: the step only moved the middle
            // element to the front.
            ++low;
            ++run;
            continue;
        }
        size_t last = low;
        for (size_t j = low + 1; j <= high; ++j) {
            if (rows[j].rank < pivot) {
                ++last;
                std::swap(rows[last], rows[j]);
            }
        }
        std::swap(rows[low], rows[last]);
        // The two sides are independent; recursing into the smaller one bounds the depth.
        const size_t rightRun = run + (last - low) + 1;
        if (last - low < high - last) {
            if (last > low) {
                SortRange(rows, sortedRanks, low, last - 1, run);
            }
            low = last + 1;
            run = rightRun;
        } else {
            if (last < high) {
                SortRange(rows, sortedRanks, last + 1, high, rightRun);
            }
            if (last == low) {
                return;
            }
            high = last - 1;
        }
    }
}

}  // namespace

void QuicksortByRank(std::span<RankedRow> rows, std::span<const uint32_t> sortedRanks) {
    if (rows.size() < 2 || sortedRanks.size() != rows.size()) {
        return;
    }
    SortRange(rows, sortedRanks, 0, rows.size() - 1, 0);
}

}  // namespace linkmap
