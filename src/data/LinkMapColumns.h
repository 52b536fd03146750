// The sortable columns of the section and symbol lists and the sort direction. The views pass
// a header's column number; a number outside a list's columns sorts nothing (all rows compare
// equal), and any direction but descending ascends.
#pragma once

#include <cstdint>

enum class SectionColumn : int32_t {
    kName = 0,
    kStart = 1,
    kEnd = 2,  // start + size - 1, or start when the size is 0
    kSize = 3,
    kOverlay = 4,
};
inline constexpr int32_t kSectionColumnCount = 5;

enum class SymbolColumn : int32_t {
    kName = 0,
    kAddress = 1,
    kEnd = 2,  // address + size - 1, or address when the size is 0
    kSize = 3,
    kAttribute = 4,
    kScope = 5,
    kSection = 6,
    kFile = 7,
};
inline constexpr int32_t kSymbolColumnCount = 8;

enum class RowSortDirection : int32_t {
    kAscending = 0,
    kDescending = 1,
};

// What the model holds before its first sort: no column, no direction (all bits set).
inline constexpr SectionColumn kNoSectionColumn = static_cast<SectionColumn>(-1);
inline constexpr SymbolColumn kNoSymbolColumn = static_cast<SymbolColumn>(-1);
inline constexpr RowSortDirection kNoSortDirection = static_cast<RowSortDirection>(-1);
