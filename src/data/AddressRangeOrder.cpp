#include "src/data/AddressRangeOrder.h"

#include <algorithm>
#include <utility>

AddressRangeList SortAndMergeRanges(AddressRangeList ranges) {
    std::erase_if(ranges, [](const AddressRange& r) { return r.first > r.last; });
    std::sort(ranges.begin(), ranges.end(),
              [](const AddressRange& x, const AddressRange& y) { return x.first < y.first; });
    AddressRangeList merged;
    merged.reserve(ranges.size());
    for (const AddressRange& range : ranges) {
        if (!merged.empty() && uint64_t{range.first} <= uint64_t{merged.back().last} + 1) {
            merged.back().last = std::max(merged.back().last, range.last);
        } else {
            merged.push_back(range);
        }
    }
    return merged;
}

AddressRangeList CutAreasIntoPieces(const AddressRangeList& areas) {
    // Each area opens at its start and closes after its end; between two neighbouring
    // boundary positions the number of open areas is constant.
    std::vector<std::pair<uint64_t, int>> boundaries;
    boundaries.reserve(areas.size() * 2);
    for (const AddressRange& area : areas) {
        if (area.first <= area.last) {
            boundaries.emplace_back(area.first, +1);
            boundaries.emplace_back(uint64_t{area.last} + 1, -1);
        }
    }
    std::sort(boundaries.begin(), boundaries.end());
    AddressRangeList pieces;
    pieces.reserve(boundaries.size());
    int open = 0;
    for (std::size_t i = 0; i < boundaries.size(); ++i) {
        open += boundaries[i].second;
        const bool lastAtPosition =
            i + 1 == boundaries.size() || boundaries[i + 1].first != boundaries[i].first;
        if (lastAtPosition && open > 0 && i + 1 < boundaries.size()) {
            pieces.push_back({static_cast<uint32_t>(boundaries[i].first),
                              static_cast<uint32_t>(boundaries[i + 1].first - 1)});
        }
    }
    return pieces;
}
