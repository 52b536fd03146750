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

// The bytes from start on as an inclusive range, cut at the top of the address space.
AddressRange Extent(uint32_t start, uint64_t size) {
    const uint64_t last = uint64_t{start} + size - 1;
    return {start, static_cast<uint32_t>(std::min<uint64_t>(last, 0xFFFFFFFFu))};
}

}  // namespace

MemoryUsage ComputeMemoryUsage(const std::vector<UsageArea>& areas,
                               const LinkMapSectionRows& sections,
                               const std::vector<LoadImage>& loadImages) {
    std::vector<const tagLinkMapSectionInfo*> placed;
    AddressRangeList starts;
    for (const auto& section : sections) {
        if (section->size != 0 && section->name != kUnallocatedAreaName) {
            placed.push_back(section.get());
            starts.push_back({section->startAddress, section->startAddress});
        }
    }
    std::vector<const LoadImage*> loads;
    for (const LoadImage& image : loadImages) {
        if (image.size != 0) {
            loads.push_back(&image);
            starts.push_back({image.start, image.start});
        }
    }
    AddressRangeList areaRanges;
    for (const UsageArea& area : areas) {
        areaRanges.push_back({area.start, area.end});
    }
    const std::vector<size_t> owner = FirstContainingAreas(areaRanges, starts);

    MemoryUsage usage;
    for (const UsageArea& area : areas) {
        AreaUsage& added = usage.areas.emplace_back();
        added.area = area;
    }
    std::vector<AddressRangeList> extents(areas.size());
    for (size_t i = 0; i < placed.size(); ++i) {
        if (owner[i] == kNoContainingArea) {
            usage.outside.push_back(placed[i]);
        } else {
            extents[owner[i]].push_back(Extent(placed[i]->startAddress, placed[i]->size));
            usage.areas[owner[i]].sections.push_back(placed[i]);
        }
    }
    for (size_t i = 0; i < loads.size(); ++i) {
        const size_t area = owner[placed.size() + i];
        if (area != kNoContainingArea) {
            extents[area].push_back(Extent(loads[i]->start, loads[i]->size));
            usage.areas[area].loadImages.push_back(*loads[i]);
        }
    }
    for (size_t a = 0; a < areas.size(); ++a) {
        AreaUsage& result = usage.areas[a];
        const AddressRangeList covered = SortAndMergeRanges(std::move(extents[a]));
        for (const AddressRange& range : covered) {
            result.used += RangeBytes(range);
        }
        for (const AddressRange& gap : SubtractRanges({areaRanges[a]}, covered)) {
            result.free += RangeBytes(gap);
            result.largestGap = std::max(result.largestGap, RangeBytes(gap));
        }
    }
    return usage;
}

std::vector<AreaTotal> AreaTotals(const std::vector<UsageArea>& oldAreas,
                                  const LinkMapSectionRows& oldSections,
                                  const std::vector<UsageArea>& newAreas,
                                  const LinkMapSectionRows& newSections,
                                  const std::vector<LoadImage>& oldLoadImages,
                                  const std::vector<LoadImage>& newLoadImages) {
    const std::vector<UsageArea>& areas = newAreas.empty() ? oldAreas : newAreas;
    const MemoryUsage before = ComputeMemoryUsage(areas, oldSections, oldLoadImages);
    const MemoryUsage after = ComputeMemoryUsage(areas, newSections, newLoadImages);
    std::vector<AreaTotal> totals;
    for (size_t a = 0; a < areas.size(); ++a) {
        totals.push_back({areas[a].name, before.areas[a].used, after.areas[a].used});
    }
    const std::vector<UsageArea> everything = {{"total", 0, 0xFFFFFFFFu}};
    totals.push_back({"total", ComputeMemoryUsage(everything, oldSections, {}).areas[0].used,
                      ComputeMemoryUsage(everything, newSections, {}).areas[0].used});
    return totals;
}

}  // namespace tarncli
