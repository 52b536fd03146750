// Shared by the toolchain map fuzz targets: a parsed map is written as the component's listing
// and read back by the component's reader, which must find every section and symbol written.
#pragma once

#include <cstdlib>
#include <string_view>

#include "host/lib/LinkedProgram.h"
#include "host/lib/ListingWriter.h"
#include "src/data/CLinkMapInfo.h"
#include "tests/src/data/FakeLinkerHost.h"

namespace maproundtrip {

inline void Check(bool condition) {
    if (!condition)
        std::abort();
}

inline void ReadBack(const tarnhost::LinkedProgram& program) {
    for (const auto& symbol : program.symbols) {
        Check(symbol.output == tarnhost::kNoIndex || symbol.output < program.sections.size());
        Check(symbol.file == tarnhost::kNoIndex || symbol.file < program.files.size());
    }
    tarnhost::ListingCounts counts;
    const std::string listing = tarnhost::WriteComponentListing(program, "fuzz", &counts);
    fakehost::LinkerHost linker(false, false);  // value conversion only
    CLinkMapInfo model(&linker.host);
    model.LoadText(listing);
    Check(static_cast<size_t>(model.GetSymbolCount("")) == counts.symbols);
    LinkMapSectionRows rows;
    model.GetSections(0, model.GetSectionCount(), rows);
    size_t sections = 0;
    for (const auto& row : rows) {
        sections += row->name != "Unallocated Area";
    }
    Check(sections == counts.sections);
}

}  // namespace maproundtrip
