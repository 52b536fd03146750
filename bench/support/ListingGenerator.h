// Writes realistic map listings of any size for the benchmarks: an options section with a
// "-start=" option, a mapping list, a symbol list with SECTION= and FILE= lines and a block of
// absolute value symbols. The text is streamed, so generating a large listing takes little
// memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace benchsupport {

struct ListingShape {
    size_t symbols = 10000;
    size_t sections = 2000;
    size_t symbolsPerFile = 40;
    uint32_t seed = 1;
};

// Writes the listing to path; returns its size in bytes, or 0 when it cannot be written.
size_t WriteListing(const std::string& path, const ListingShape& shape);

// The listing as a text in memory.
std::string GenerateListing(const ListingShape& shape);

// The name the generator gives to section i.
std::string SectionName(size_t index);

}  // namespace benchsupport
