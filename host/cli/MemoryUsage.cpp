#include "host/cli/MemoryUsage.h"

#include <algorithm>

#include "src/data/AddressRangeOrder.h"
#include "src/data/AddressRanges.h"
#include "src/data/ContainingAreaLookup.h"

namespace tarncli {
namespace {

uint64_t RangeBytes(const AddressRange& range) {
    return uint64_t{range.last} - range.first + 1;
}

// The section's bytes as an inclusive range, cut at the top of the address space.
AddressRange Extent(const tagLinkMapSectionInfo& section) {
    const uint64_t last = uint64_t{section.startAddress} + section.size - 1;
    return {section.startAddress, static_cast<uint32_t>(std::min<uint64_t>(last, 0xFFFFFFFFu))};
}

}  // namespace

MemoryUsage ComputeMemoryUsage(const std::vector<UsageArea>& areas,
                               const LinkMapSectionRows& sections) {
    std::vector<const tagLinkMapSectionInfo*> placed;
    AddressRangeList starts;
    for (const auto& section : sections) {
        if (section->size != 0 && section->name != kUnallocatedAreaName) {
            placed.push_back(section.get());
            starts.push_back({section->startAddress, section->startAddress});
        }
    }
    AddressRangeList areaRanges;
    for (const UsageArea& area : areas) {
        areaRanges.push_back({area.start, area.end});
    }
    const std::vector<size_t> owner = FirstContainingAreas(areaRanges, starts);

    MemoryUsage usage;
    std::vector<AddressRangeList> extents(areas.size());
    for (size_t i = 0; i < placed.size(); ++i) {
        if (owner[i] == kNoContainingArea) {
            usage.outside.push_back(placed[i]);
        } else {
            extents[owner[i]].push_back(Extent(*placed[i]));
        }
    }
    for (size_t a = 0; a < areas.size(); ++a) {
        AreaUsage result{areas[a]};
        const AddressRangeList covered = SortAndMergeRanges(std::move(extents[a]));
        for (const AddressRange& range : covered) {
            result.used += RangeBytes(range);
        }
        for (const AddressRange& gap : SubtractRanges({areaRanges[a]}, covered)) {
            result.free += RangeBytes(gap);
            result.largestGap = std::max(result.largestGap, RangeBytes(gap));
        }
        usage.areas.push_back(std::move(result));
    }
    return usage;
}

}  // namespace tarncli
