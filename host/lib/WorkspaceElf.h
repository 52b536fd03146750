// Where a workspace's map file and linked ELF file lie on disk, for the host's own use (the
// listing conversion and the source lookup).
#pragma once

#include <optional>
#include <string>

#include "host/lib/Workspace.h"

namespace tarnhost {

// The map path with the workspace's directory placeholders ($(CONFIGDIR), $(PROJDIR),
// $(WORKSPDIR)) put in and its quotes removed; nothing when other placeholders remain (the
// component expands those itself).
std::optional<std::string> PlainMapPath(const Workspace& workspace);

// The linked ELF file: "[linker] elf", else the ELF file beside the map with the same stem;
// empty when there is none.
std::string LinkedElfPath(const Workspace& workspace);

// The source line at an address from the linked ELF file's line table, for the source lookup
// service: nothing without an ELF file, line table or line at that address.
std::optional<SourceLocation> DebugSourceOf(const Workspace& workspace, uint32_t address);

}  // namespace tarnhost
