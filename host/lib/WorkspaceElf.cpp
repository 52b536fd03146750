#include "host/lib/WorkspaceElf.h"

#include <filesystem>
#include <string_view>
#include <utility>

#include "host/lib/DwarfLineTable.h"
#include "host/lib/ListingAdapter.h"

namespace tarnhost {

std::optional<std::string> PlainMapPath(const Workspace& workspace) {
    std::string path = workspace.MapListingPath();
    const std::pair<std::string_view, std::string> known[] = {
        {"$(CONFIGDIR)", workspace.ConfigDir()},
        {"$(PROJDIR)", workspace.ProjectDir()},
        {"$(WORKSPDIR)", workspace.WorkspaceDir()}};
    for (const auto& [name, value] : known) {
        for (size_t at = path.find(name); at != std::string::npos; at = path.find(name, at)) {
            path.replace(at, name.size(), value);
            at += value.size();
        }
    }
    while (!path.empty() && path.front() == '"') {
        path.erase(0, 1);
    }
    while (!path.empty() && path.back() == '"') {
        path.pop_back();
    }
    if (path.find("$(") != std::string::npos) {
        return std::nullopt;
    }
    return path;
}

std::string LinkedElfPath(const Workspace& workspace) {
    std::string elf = workspace.ElfPath();
    if (elf.empty()) {
        if (const auto map = PlainMapPath(workspace)) {
            elf = FindElfBeside(*map);
        }
    }
    return elf;
}

std::optional<SourceLocation> DebugSourceOf(const Workspace& workspace, uint32_t address) {
    const std::string elf = LinkedElfPath(workspace);
    auto location = elf.empty() ? std::nullopt : SourceFromDebugInfo(elf, address);
    // A build with its directories mapped away names sources relative to the ELF file.
    if (location && std::filesystem::path(location->file).is_relative()) {
        location->file = (std::filesystem::path(elf).parent_path() / location->file)
                             .lexically_normal()
                             .string();
    }
    return location;
}

}  // namespace tarnhost
