// Turns the sections of the mapping list into the section rows the views show: the sections in
// file order with "Unallocated Area" rows for the gaps, and the used address ranges.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "src/data/LinkMapRows.h"

namespace linkmap {

struct AddressGap {
    uint32_t first;
    uint32_t last;
};

// Where a gap is looked for: before the first section, between two, or after the last.
enum class GapPosition { kFirst, kBetween, kAfterLast };

// The gap between the highest end seen so far (previousEnd, of a section of previousSize) and
// the next start (the address limit after the last section).
std::optional<AddressGap> FindGap(GapPosition position, uint32_t previousEnd, uint32_t previousSize,
                                  uint32_t nextStart);

// Builds the section rows, taking the parsed sections over.
LinkMapSectionRows BuildSectionRows(LinkMapSectionRows parsed, uint32_t addressLimit);

// Appends the merged ranges of the rows that are not gaps, in row order; returns false when
// there is no such row.
bool CollectUsedRanges(const LinkMapSectionRows& rows, std::vector<uint32_t>& starts,
                       std::vector<uint32_t>& ends);

}  // namespace linkmap
