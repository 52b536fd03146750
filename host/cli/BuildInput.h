// One build as "tarnmap usage" and "tarnmap diff" read it: its section and symbol rows from the
// map listing and its memory areas, through the data layer as "tarnmap export" reads them.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/cli/MapRegions.h"
#include "host/cli/MemoryUsage.h"
#include "host/lib/SubstituteHost.h"
#include "src/data/CTarnMapDataManager.h"
#include "src/data/LinkMapRows.h"

namespace tarncli {

struct BuildSource {
    std::string mapFile;        // a map listing or map file, or
    std::string workspaceFile;  // a workspace naming one
    std::string elfFile;        // with mapFile: the linked ELF file, when given
};

// A file named "*.tarnws" is a workspace; any other a map listing.
BuildSource SourceOfPath(const std::string& path);

struct LoadedBuild {
    // The host and the model stay open: the diff reads the symbols from the model in place.
    std::unique_ptr<tarnhost::SubstituteHost> host;
    std::unique_ptr<CTarnMapDataManager> data;
    LinkMapSectionRows sections;  // in listing order, gap rows included
    // A GNU ld or lld map's memory regions by name; else the memory description's areas, named
    // by their kind.
    std::vector<UsageArea> areas;
    std::vector<LoadImage> loadImages;  // a GNU ld or lld map's, counted by their load address
};

// The areas usage is measured against: a GNU ld or lld map's memory regions by name, else the
// memory description's areas, named by their kind (read into the model when need be); with a
// GNU ld or lld map's load images.
MapLayout UsageLayout(tarnhost::SubstituteHost& host, CTarnMapDataManager& data);

// Reads the build; workspace warnings go to err. On failure returns nothing and sets error.
std::optional<LoadedBuild> LoadBuild(const BuildSource& source, std::ostream& err,
                                     std::string* error);

}  // namespace tarncli
