// What changed in size between two builds: sections matched by name, symbols by name and
// object file (so that local symbols of the same name in two files stay apart).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "src/data/LinkMapRows.h"

namespace tarncli {

// Views into the rows given to DiffBuilds, which must outlive it.
struct SizeChange {
    std::string_view name;
    std::string_view file;            // symbols only
    std::optional<uint64_t> oldSize;  // none: appeared in the new build
    std::optional<uint64_t> newSize;  // none: gone from the new build

    int64_t Difference() const {
        return static_cast<int64_t>(newSize.value_or(0)) -
               static_cast<int64_t>(oldSize.value_or(0));
    }
};

// A symbol as the diff needs it: views into the model that holds it.
struct SymbolSize {
    std::string_view name;
    std::string_view file;
    uint32_t size = 0;
};

struct BuildDiff {
    std::vector<SizeChange> sections;
    std::vector<SizeChange> symbols;
};

// The sections and symbols whose size changed, appeared or disappeared, each list sorted by
// the absolute difference (largest first), then by name and file. Rows of the same name (and
// file) in one build are added up; gap rows take no part.
BuildDiff DiffBuilds(const LinkMapSectionRows& oldSections,
                     const std::vector<SymbolSize>& oldSymbols,
                     const LinkMapSectionRows& newSections,
                     const std::vector<SymbolSize>& newSymbols);

}  // namespace tarncli
