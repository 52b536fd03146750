// Which section rows the section list shows: sections of size zero and gap rows
// ("Unallocated Area") are dropped unless asked for, and gap rows that the current order puts
// next to each other, contiguous in address, are merged into the first of them.
#pragma once

#include "src/data/LinkMapRows.h"

struct SectionRowFilterOptions {
    bool showUnallocatedAreas = false;
    bool showZeroSize = false;
};

// Filters and merges `rows` in place, keeping their order.
void FilterSectionRows(LinkMapSectionRows& rows, SectionRowFilterOptions options);

// Whether a row is a gap row: its name is "Unallocated Area", ignoring case.
bool IsUnallocatedArea(const tagLinkMapSectionInfo& row);
