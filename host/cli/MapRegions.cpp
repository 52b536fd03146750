#include "host/cli/MapRegions.h"

#include "host/lib/ElfImage.h"
#include "host/lib/ListingAdapter.h"
#include "host/lib/WorkspaceElf.h"
#include "host/lib/WorkspaceFile.h"

namespace tarncli {
namespace {

constexpr uint64_t kTop = 0xFFFFFFFFu;

}  // namespace

std::vector<LoadImage> LoadImagesOf(const tarnhost::LinkedProgram& program) {
    std::vector<LoadImage> images;
    for (const auto& section : program.sections) {
        if (section.loadAddress && *section.loadAddress <= kTop && section.size != 0 &&
            section.allocated && !section.zeroFill) {
            images.push_back(
                {section.name, static_cast<uint32_t>(*section.loadAddress), section.size,
                 static_cast<uint32_t>(section.address)});
        }
    }
    return images;
}

std::optional<MapLayout> MapMemoryLayout(const tarnhost::Workspace& workspace) {
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
    // The linked ELF file, when there is one, tells which sections hold no bytes to load; an
    // unreadable one leaves that to the sections' names.
    tarnhost::ElfImage elf;
    const std::string elfPath = tarnhost::LinkedElfPath(workspace);
    const bool haveElf = !elfPath.empty() && tarnhost::ReadElfImage(elfPath, &elf, &error);
    const tarnhost::LinkedProgram program =
        tarnhost::ReadLinkedProgram(text, format, haveElf ? &elf : nullptr);
    MapLayout layout;
    for (const auto& region : program.regions) {
        if (region.length == 0 || region.origin > kTop) {
            continue;
        }
        const uint64_t last =
            region.length - 1 > kTop - region.origin ? kTop : region.origin + region.length - 1;
        layout.regions.push_back(
            {region.name, static_cast<uint32_t>(region.origin), static_cast<uint32_t>(last)});
    }
    layout.loadImages = LoadImagesOf(program);
    return layout;
}

}  // namespace tarncli
