// The memory regions of a GNU ld or lld map file, as the areas "tarnmap usage" and
// "tarnmap diff" measure against in place of the memory description's, and the load images the
// map's load addresses place in them.
#pragma once

#include <optional>
#include <vector>

#include "host/cli/MemoryUsage.h"
#include "host/lib/LinkedProgram.h"
#include "host/lib/Workspace.h"

namespace tarncli {

struct MapLayout {
    std::vector<UsageArea> regions;  // named as the linker script names them, in the map's order
    std::vector<LoadImage> loadImages;  // in the map's order
};

// The load images of a linked program: each allocated section of nonzero size with contents
// (not zero-filled) whose load address differs from its run address.
std::vector<LoadImage> LoadImagesOf(const tarnhost::LinkedProgram& program);

// The layout of the workspace's map file (no regions when it declares none, as lld's maps do);
// nothing when the map is not a GNU ld or lld map.
std::optional<MapLayout> MapMemoryLayout(const tarnhost::Workspace& workspace);

}  // namespace tarncli
