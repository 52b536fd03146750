// Bringing range lists into the order the range operations expect.
#pragma once

#include "src/data/AddressRanges.h"

// Drops empty ranges (first above last), sorts by start address and joins ranges that
// overlap or touch, so the result is ascending and has no overlaps.
AddressRangeList SortAndMergeRanges(AddressRangeList ranges);

// The memory areas cut into ascending, disjoint pieces at every area's start and after every
// area's end. Areas that overlap each other give one piece per stretch with the same set of
// areas, so every address inside some area lies in exactly one piece, and every piece lies
// wholly inside each area that it touches. Touching areas stay separate pieces.
AddressRangeList CutAreasIntoPieces(const AddressRangeList& areas);
