// Reads an LLVM lld map file (-Map): a column header ("VMA LMA Size Align Out In Symbol", or
// without LMA in older versions), then one line per output section, input section and symbol,
// told apart by the indentation of the last column.
#pragma once

#include <string_view>

#include "host/lib/LinkedProgram.h"

namespace tarnhost {

// Whether a line is the column header of an lld map file.
bool IsLldMapHeader(std::string_view line);

LinkedProgram ParseLldMap(std::string_view text);

}  // namespace tarnhost
