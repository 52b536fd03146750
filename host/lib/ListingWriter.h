// Writes a linked program as the component's own map listing: an options part whose
// "-start=" option names the overlays (sections placed at the same address), the mapping list
// of the output sections that occupy memory, and the symbol list grouped by section and file.
// Only what fits the listing's 32-bit addresses is written.
#pragma once

#include <string>

#include "host/lib/LinkedProgram.h"

namespace tarnhost {

struct ListingCounts {
    size_t sections = 0;
    size_t symbols = 0;
};

// origin names the source in the listing's first line. counts, when given, receives how many
// sections and symbols were written.
std::string WriteComponentListing(const LinkedProgram& program, const std::string& origin,
                                  ListingCounts* counts = nullptr);

// A file name as the listing shows it: without directories; an archive member keeps its
// archive, "lib/libm.a(sin.o)" becomes "libm.a(sin.o)".
std::string ShortFileName(std::string_view path);

// Whether a section is a row of the listing's mapping list.
bool IsListedSection(const OutputSection& section);

}  // namespace tarnhost
