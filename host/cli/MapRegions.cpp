#include "host/cli/MapRegions.h"

#include "host/lib/ListingAdapter.h"
#include "host/lib/WorkspaceElf.h"
#include "host/lib/WorkspaceFile.h"

namespace tarncli {

std::optional<std::vector<UsageArea>> MapMemoryRegions(const tarnhost::Workspace& workspace) {
    const auto path = tarnhost::PlainMapPath(workspace);
    if (!path) {
        return std::nullopt;
    }
    const tarnhost::MapFormat format = tarnhost::DetectMapFormatOfFile(*path);
    if (format != tarnhost::MapFormat::kGnuLd && format != tarnhost::MapFormat::kLld) {
        return std::nullopt;
    }
    std::string text;
    std::string error;
    if (!tarnhost::ReadTextFile(*path, &text, &error)) {
        return std::nullopt;
    }
    std::vector<UsageArea> areas;
    for (const auto& region : tarnhost::ReadLinkedProgram(text, format, nullptr).regions) {
        constexpr uint64_t kTop = 0xFFFFFFFFu;
        if (region.length == 0 || region.origin > kTop) {
            continue;
        }
        const uint64_t last =
            region.length - 1 > kTop - region.origin ? kTop : region.origin + region.length - 1;
        areas.push_back(
            {region.name, static_cast<uint32_t>(region.origin), static_cast<uint32_t>(last)});
    }
    if (areas.empty()) {
        return std::nullopt;
    }
    return areas;
}

}  // namespace tarncli
