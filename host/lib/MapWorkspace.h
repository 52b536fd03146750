// A workspace made from a toolchain map file ("tarnmap init"): its listing is the map, its
// memory description holds the map's memory regions (or the ELF file's loadable segments) as
// memory areas, and its placement groups hold the output sections at their addresses.
#pragma once

#include <string>

#include "host/lib/ElfImage.h"
#include "host/lib/LinkedProgram.h"

namespace tarnhost {

struct MapWorkspaceSource {
    std::string mapPath;        // as the workspace should name it
    std::string elfPath;        // as the workspace should name it; may be empty
    std::string name;           // workspace, project and device name
    const LinkedProgram* program = nullptr;
    const ElfImage* elf = nullptr;  // may be null
};

// The memory description: one "S|MAP|" area per region, on-chip ROM for executable or
// read-only regions, RAM for writable ones (and for regions without attributes).
std::string MemoryDescriptionOf(const LinkedProgram& program, const ElfImage* elf,
                                const std::string& device);

std::string MapWorkspaceText(const MapWorkspaceSource& source);

}  // namespace tarnhost
