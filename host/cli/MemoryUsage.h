// How much of each memory area a build occupies: the figures of "tarnmap usage" and the
// per-area totals of "tarnmap diff".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "src/data/LinkMapRows.h"

namespace tarncli {

// A memory area of the device (or a linker's memory region), with the name it is shown by.
struct UsageArea {
    std::string name;
    uint32_t start = 0;
    uint32_t end = 0;  // last address

    uint64_t Size() const { return uint64_t{end} - start + 1; }
};

// A section's initial contents where the linker stores them, when that is not where the section
// runs (initialised data copied from flash at start-up, overlays loaded on demand).
struct LoadImage {
    std::string name;
    uint32_t start = 0;  // the load address
    uint64_t size = 0;
    uint32_t runStart = 0;  // where the section runs
};

struct AreaUsage {
    UsageArea area;
    uint64_t used = 0;        // bytes of the sections that start in the area, overlaps once
    uint64_t free = 0;        // bytes of the area that no such section covers
    uint64_t largestGap = 0;  // the longest run of such bytes
    std::vector<const tagLinkMapSectionInfo*> sections;  // those counted here, in the order given
    std::vector<LoadImage> loadImages;  // those counted here by their load address, in order

    double Percent() const { return 100.0 * static_cast<double>(used) / area.Size(); }
    bool Over() const { return used > area.Size(); }
};

struct MemoryUsage {
    std::vector<AreaUsage> areas;                       // in the order given
    std::vector<const tagLinkMapSectionInfo*> outside;  // sections starting in no area
};

// A section counts in the first area (in the order given) that holds its start address, with
// all its bytes, so a section running past its area's end makes the area overfull. Gap rows
// and sections of size zero take no part. A load image counts the same way by its load address
// (overlapping what else lies there once); one in no area is left out, its section having a
// place by its run address. The sections must outlive the result.
MemoryUsage ComputeMemoryUsage(const std::vector<UsageArea>& areas,
                               const LinkMapSectionRows& sections,
                               const std::vector<LoadImage>& loadImages);

// The bytes one area holds in two builds.
struct AreaTotal {
    std::string name;
    uint64_t oldBytes = 0;
    uint64_t newBytes = 0;

    int64_t Difference() const {
        return static_cast<int64_t>(newBytes) - static_cast<int64_t>(oldBytes);
    }
};

// The bytes each area holds in both builds, load images included, measured against the new
// build's areas (the old build's when the new one has none); then all sections' bytes at their
// run addresses as the last row, "total".
std::vector<AreaTotal> AreaTotals(const std::vector<UsageArea>& oldAreas,
                                  const LinkMapSectionRows& oldSections,
                                  const std::vector<UsageArea>& newAreas,
                                  const LinkMapSectionRows& newSections,
                                  const std::vector<LoadImage>& oldLoadImages,
                                  const std::vector<LoadImage>& newLoadImages);

}  // namespace tarncli
