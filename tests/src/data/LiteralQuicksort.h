// The quicksort steps written out literally: the order every sort of the link map rows must
// reproduce. Shared by the sorter tests and the listing reader's fuzz target.
#pragma once

#include <utility>
#include <vector>

namespace linkmaptest {

template <class Row, class Compare>
void LiteralQuicksort(std::vector<Row*>& rows, int low, int high, const Compare& compare) {
    if (low >= high)
        return;
    std::swap(rows[low], rows[(low + high) / 2]);
    int last = low;
    for (int j = low + 1; j <= high; ++j) {
        if (compare(*rows[j], *rows[low]) < 0)
            std::swap(rows[++last], rows[j]);
    }
    std::swap(rows[low], rows[last]);
    LiteralQuicksort(rows, low, last - 1, compare);
    LiteralQuicksort(rows, last + 1, high, compare);
}

}  // namespace linkmaptest
