// The memory regions of a GNU ld or lld map file, as the areas "tarnmap usage" and
// "tarnmap diff" measure against in place of the memory description's.
#pragma once

#include <optional>
#include <vector>

#include "host/cli/MemoryUsage.h"
#include "host/lib/Workspace.h"

namespace tarncli {

// The regions of the workspace's map file, named as the linker script names them, in the map's
// order; nothing when the map is not a GNU ld or lld map or declares no region.
std::optional<std::vector<UsageArea>> MapMemoryRegions(const tarnhost::Workspace& workspace);

}  // namespace tarncli
