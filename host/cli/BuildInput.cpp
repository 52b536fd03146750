#include "host/cli/BuildInput.h"

#include <ostream>

#include "host/cli/ExportCommand.h"
#include "host/cli/HostSession.h"
#include "host/cli/MapRegions.h"

namespace tarncli {

BuildSource SourceOfPath(const std::string& path) {
    constexpr std::string_view kWorkspaceSuffix = ".tarnws";
    BuildSource source;
    if (path.size() > kWorkspaceSuffix.size() && path.ends_with(kWorkspaceSuffix)) {
        source.workspaceFile = path;
    } else {
        source.mapFile = path;
    }
    return source;
}

MapLayout UsageLayout(tarnhost::SubstituteHost& host, CTarnMapDataManager& data) {
    MapLayout layout = MapMemoryLayout(*host.OpenWorkspace()).value_or(MapLayout{});
    if (!layout.regions.empty()) {
        return layout;
    }
    data.LoadMemoryMap();
    for (const auto& area : data.MemoryMap()->GetAreas()) {
        layout.regions.push_back({area->kind, area->startAddress, area->endAddress});
    }
    return layout;
}

std::optional<LoadedBuild> LoadBuild(const BuildSource& source, std::ostream& err,
                                     std::string* error) {
    LoadedBuild build;
    build.host = source.mapFile.empty() ? OpenWorkspaceHost(source.workspaceFile, error)
                                        : OpenListingHost(source.mapFile, error, source.elfFile);
    if (build.host == nullptr) {
        return std::nullopt;
    }
    tarnhost::SubstituteHost& host = *build.host;
    for (const auto& warning : host.OpenWorkspace()->Warnings()) {
        err << "tarnmap: warning: " << warning << "\n";
    }
    build.data = std::make_unique<CTarnMapDataManager>(host.Host());
    CTarnMapDataManager& data = *build.data;
    GiveContext(host, data);
    if (!LoadLinkMap(host, data, error)) {
        return std::nullopt;
    }
    data.GetSections(0, data.GetSectionCount(), build.sections);
    MapLayout layout = UsageLayout(host, data);
    build.areas = std::move(layout.regions);
    build.loadImages = std::move(layout.loadImages);
    return build;
}

}  // namespace tarncli
