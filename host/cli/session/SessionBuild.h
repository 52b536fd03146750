// The build a session's Map windows show, as the panes beside them measure it: the sections
// and symbols of the sink's data manager and the areas usage is measured against.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/cli/MemoryUsage.h"
#include "src/data/CLinkMapInfo.h"
#include "src/data/LinkMapRows.h"

namespace tarncli::session {

class MapSession;

struct SessionBuild {
    LinkMapSectionRows sections;            // copies, in the model's present order
    const CLinkMapInfo* linkMap = nullptr;  // the model itself, for its symbols
    std::vector<UsageArea> areas;
    std::vector<LoadImage> loadImages;  // a GNU ld or lld map's, counted by their load address
};

// Reads the link map first when no view has, or when reread (after a rebuild) and no Map
// window is open to have read it again; nothing with the reason when it cannot be read.
std::optional<SessionBuild> CurrentBuild(MapSession& session, bool reread, std::string* error);

// Clicks the section list's row of the section of that name that starts at that address, as
// a person's click selects it; false when the list is not open or does not show that row.
bool ClickSectionRow(MapSession& session, const std::string& name, uint32_t start);

}  // namespace tarncli::session
