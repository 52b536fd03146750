// Which memory area holds each of many ranges, without comparing every range with every area.
#pragma once

#include <cstddef>
#include <limits>
#include <vector>

#include "src/data/AddressRanges.h"

inline constexpr std::size_t kNoContainingArea = std::numeric_limits<std::size_t>::max();

// For each range, the index of the first area (in the order given) whose start is not above
// the range's start and whose end is not below the range's end; kNoContainingArea when there
// is none. Areas may overlap and come in any order.
std::vector<std::size_t> FirstContainingAreas(const AddressRangeList& areas,
                                              const AddressRangeList& ranges);
