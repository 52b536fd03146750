// How section and symbol rows compare by list column; the result is negative, 0 or positive.
// Direction 1 is descending; any other direction ascends. Unknown columns compare equal.
#pragma once

#include <cstdint>

#include "src/data/LinkMapRows.h"

namespace linkmap {

// Columns: 0 name, 1 start, 2 computed end, 3 size, 4 overlay.
int CompareSectionRows(const tagLinkMapSectionInfo& a, const tagLinkMapSectionInfo& b,
                       int32_t column, int32_t direction);

// Columns: 0 name, 1 address, 2 computed end, 3 size, 4 attribute, 5 scope, 6 section, 7 file.
int CompareSymbolRows(const tagLinkMapSymbolInfo& a, const tagLinkMapSymbolInfo& b, int32_t column,
                      int32_t direction);

// The last address of a range of size bytes at start; start itself when size is 0.
inline uint32_t ComputedEnd(uint32_t start, uint32_t size) {
    return size == 0 ? start : start + size - 1;
}

}  // namespace linkmap
