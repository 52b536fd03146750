#include "src/data/ContainingAreaLookup.h"

#include <algorithm>
#include <numeric>

namespace {

// Smallest value over a prefix of positions, with values that only ever decrease.
class PrefixMinimum {
public:
    explicit PrefixMinimum(std::size_t size) : tree_(size + 1, kNoContainingArea) {}

    void Lower(std::size_t position, std::size_t value) {  // position counts from 1
        for (; position < tree_.size(); position += position & (~position + 1)) {
            tree_[position] = std::min(tree_[position], value);
        }
    }
    std::size_t Minimum(std::size_t count) const {  // over positions 1 to count
        std::size_t result = kNoContainingArea;
        for (; count > 0; count -= count & (~count + 1)) {
            result = std::min(result, tree_[count]);
        }
        return result;
    }

private:
    std::vector<std::size_t> tree_;
};

std::vector<std::size_t> OrderByStart(const AddressRangeList& ranges) {
    std::vector<std::size_t> order(ranges.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return ranges[x].first < ranges[y].first;
    });
    return order;
}

}  // namespace

std::vector<std::size_t> FirstContainingAreas(const AddressRangeList& areas,
                                              const AddressRangeList& ranges) {
    // Ranges are taken in ascending order of start; every area starting at or before the
    // range's start is entered under its end address, positions counting from the highest
    // end, so the areas that end at or after an address form a prefix.
    std::vector<uint32_t> ends;
    ends.reserve(areas.size());
    for (const AddressRange& area : areas) {
        ends.push_back(area.last);
    }
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    const auto countEndingAtOrAfter = [&](uint32_t address) {
        return static_cast<std::size_t>(ends.end() -
                                        std::lower_bound(ends.begin(), ends.end(), address));
    };

    const std::vector<std::size_t> areaOrder = OrderByStart(areas);
    const std::vector<std::size_t> rangeOrder = OrderByStart(ranges);
    PrefixMinimum entered(ends.size());
    std::vector<std::size_t> result(ranges.size(), kNoContainingArea);
    std::size_t nextArea = 0;
    for (std::size_t r : rangeOrder) {
        while (nextArea < areaOrder.size() && areas[areaOrder[nextArea]].first <= ranges[r].first) {
            const std::size_t a = areaOrder[nextArea++];
            entered.Lower(countEndingAtOrAfter(areas[a].last), a);
        }
        result[r] = entered.Minimum(countEndingAtOrAfter(ranges[r].last));
    }
    return result;
}
