// The overlay relations named by the linker's "-start=" option. A group "X:Y,Z" places Y and
// Z over X and gives the pairs (X, Y) and (X, Z); the addresses after "/" are not kept.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "src/data/LinkMapRows.h"

namespace linkmap {

struct OverlayPairs {
    std::vector<std::string> baseNames;      // the section overlaid on
    std::vector<std::string> overlaidNames;  // parallel: the section placed over it

    void Clear() {
        baseNames.clear();
        overlaidNames.clear();
    }
};

// Appends the pairs of one "-start=" value (the text after "-start=").
void ReadOverlayPairs(std::string_view value, OverlayPairs& pairs);

// Gives the first section of each overlaid name its base name; a later pair for the same
// section wins. Pairs whose section is not in the list are ignored.
void ApplyOverlayPairs(const OverlayPairs& pairs, LinkMapSectionRows& sections);

}  // namespace linkmap
