#include "src/data/AddressRanges.h"

#include <algorithm>

// Positions are kept in 64 bits so that "last + 1" of a range ending at 0xFFFFFFFF and
// "first - 1" of a range starting at 0 need no special cases.

AddressRangeList SubtractRanges(const AddressRangeList& a, const AddressRangeList& b) {
    AddressRangeList result;
    result.reserve(a.size());
    std::size_t j = 0;
    for (const AddressRange& range : a) {
        if (range.first > range.last) {
            continue;
        }
        uint64_t next = range.first;  // first address of the range not yet decided
        const uint64_t last = range.last;
        while (j < b.size() && b[j].last < next) {
            ++j;
        }
        // b[j] may reach into the following ranges of a, so j only moves past ranges of b
        // that end inside this one.
        for (std::size_t k = j; k < b.size() && b[k].first <= last && next <= last; ++k) {
            const AddressRange& cut = b[k];
            if (cut.last < last) {
                j = k + 1;
            }
            if (cut.first > cut.last) {
                continue;
            }
            if (cut.first > next) {
                result.push_back({static_cast<uint32_t>(next), cut.first - 1});
            }
            next = std::max<uint64_t>(next, uint64_t{cut.last} + 1);
        }
        if (next <= last) {
            result.push_back({static_cast<uint32_t>(next), static_cast<uint32_t>(last)});
        }
    }
    return result;
}

AddressRangeList IntersectRanges(const AddressRangeList& a, const AddressRangeList& areas) {
    AddressRangeList result;
    result.reserve(a.size());
    std::size_t k = 0;
    for (const AddressRange& range : a) {
        if (range.first > range.last) {
            continue;
        }
        while (k < areas.size() && areas[k].last < range.first) {
            ++k;
        }
        // Areas that end inside this range are done with; the last one may reach further.
        for (std::size_t m = k; m < areas.size() && areas[m].first <= range.last; ++m) {
            const AddressRange& area = areas[m];
            if (area.last < range.last) {
                k = m + 1;
            }
            const uint32_t first = std::max(range.first, area.first);
            const uint32_t last = std::min(range.last, area.last);
            if (first <= last) {
                result.push_back({first, last});
            }
        }
    }
    return result;
}
