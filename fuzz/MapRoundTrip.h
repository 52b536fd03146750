// Shared by the toolchain map fuzz targets: a parsed map is written as the component's listing
// and read back by the component's reader, which must find every section and symbol written.
#pragma once

#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "host/lib/LinkedProgram.h"
#include "host/lib/ListingWriter.h"
#include "src/data/CLinkMapInfo.h"
#include "tests/src/data/FakeLinkerHost.h"

namespace maproundtrip {

inline void ReadBack(const tarnhost::LinkedProgram& program) {
    for (const auto& symbol : program.symbols) {
        FUZZ_CHECK(symbol.output == tarnhost::kNoIndex || symbol.output < program.sections.size());
        FUZZ_CHECK(symbol.file == tarnhost::kNoIndex || symbol.file < program.files.size());
    }
    tarnhost::ListingCounts counts;
    const std::string listing = tarnhost::WriteComponentListing(program, "fuzz", &counts);
    fakehost::LinkerHost linker(false, false);  // value conversion only
    CLinkMapInfo model(&linker.host);
    model.LoadText(listing);
    FUZZ_CHECK(static_cast<size_t>(model.GetSymbolCount("")) == counts.symbols);
    LinkMapSectionRows rows;
    model.GetSections(0, model.GetSectionCount(), rows);
    size_t sections = 0;
    for (const auto& row : rows) {
        sections += row->name != "Unallocated Area";
    }
    FUZZ_CHECK(sections == counts.sections);
}

}  // namespace maproundtrip
