// What changed in size between two builds: sections matched by name, symbols by name and
// object file (so that local symbols of the same name in two files stay apart).
#pragma once

#include "host/cli/SizeTable.h"
#include "src/data/CLinkMapInfo.h"
#include "src/data/LinkMapRows.h"

namespace tarncli {

struct BuildDiff {
    ChangeList sections;
    ChangeList symbols;
};

// The sections and symbols whose size changed, appeared or disappeared, each list sorted by
// the absolute difference (largest first), then by name and file. Rows of the same name (and
// file) in one build are added up; gap rows take no part. The symbols are read from the
// models in place; the rows and models must outlive the result, which views into them.
BuildDiff DiffBuilds(const LinkMapSectionRows& oldSections, const CLinkMapInfo& oldSymbols,
                     const LinkMapSectionRows& newSections, const CLinkMapInfo& newSymbols);

}  // namespace tarncli
