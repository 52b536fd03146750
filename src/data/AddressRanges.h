// Inclusive address ranges and the two set operations of the resource allocation. Both
// operations walk their lists together once; each list must be in ascending order of start
// address (overlaps within the second list are tolerated, not within the first).
#pragma once

#include <cstdint>
#include <vector>

struct AddressRange {
    uint32_t first = 0;
    uint32_t last = 0;
    friend constexpr bool operator==(const AddressRange&, const AddressRange&) = default;
};

using AddressRangeList = std::vector<AddressRange>;

// The parts of the ranges of a that no range of b covers.
AddressRangeList SubtractRanges(const AddressRangeList& a, const AddressRangeList& b);

// The parts of the ranges of a that lie inside the areas, cut at every area boundary: each
// output range lies inside exactly one area. The areas must not overlap each other.
AddressRangeList IntersectRanges(const AddressRangeList& a, const AddressRangeList& areas);
