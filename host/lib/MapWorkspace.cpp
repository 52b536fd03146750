#include "host/lib/MapWorkspace.h"

#include <algorithm>
#include <cstdio>

#include "host/lib/ListingWriter.h"

namespace tarnhost {
namespace {

constexpr uint64_t kAddressLimit = 0xFFFFFFFFu;

std::string Hex8(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(value));
    return text;
}

// "rx", "xrw", "!w": the letters before a "!" are what the region allows.
const char* KindOfRegion(const std::string& attributes) {
    const std::string allowed = attributes.substr(0, attributes.find('!'));
    const auto has = [&](char c) {
        return allowed.find(c) != std::string::npos ||
               allowed.find(static_cast<char>(c - 'a' + 'A')) != std::string::npos;
    };
    if (has('w') || allowed.empty()) {
        return "RAM";
    }
    return "ROM";  // executable or read-only
}

void AddArea(std::string& items, uint64_t start, uint64_t size, const char* kind) {
    if (size == 0 || start > kAddressLimit) {
        return;
    }
    const uint64_t end = size - 1 > kAddressLimit - start ? kAddressLimit : start + size - 1;
    if (!items.empty()) {
        items += ' ';
    }
    items += Hex8(start) + "," + Hex8(end) + "," + kind + ",0,0";
}

bool IsGroupName(const std::string& name) {
    return !name.empty() && name.find_first_of(",:() \t") == std::string::npos;
}

// Groups of sections that follow one another with no more gap than their alignment asks; a
// section at the start of the group before it is an overlay item of that group.
struct Group {
    uint64_t address = 0;
    uint64_t end = 0;  // one past the last byte of the current item's sequence
    std::string sections;
};

std::vector<Group> GroupsOf(const LinkedProgram& program) {
    std::vector<Group> groups;
    for (const OutputSection& section : program.sections) {
        if (!IsListedSection(section) || !IsGroupName(section.name)) {
            continue;
        }
        if (!groups.empty() && section.address == groups.back().address) {
            groups.back().sections += ":" + section.name;
            groups.back().end = section.address + section.size;
        } else if (!groups.empty() && section.address >= groups.back().end &&
                   section.address - groups.back().end < std::max<uint64_t>(section.alignment, 1)) {
            groups.back().sections += "," + section.name;
            groups.back().end = section.address + section.size;
        } else {
            groups.push_back({section.address, section.address + section.size, section.name});
        }
    }
    return groups;
}

}  // namespace

std::string MemoryDescriptionOf(const LinkedProgram& program, const ElfImage* elf,
                                const std::string& device) {
    std::string items;
    for (const MemoryRegion& region : program.regions) {
        AddArea(items, region.origin, region.length, KindOfRegion(region.attributes));
    }
    if (items.empty() && elf != nullptr) {
        for (const ElfSegmentInfo& segment : elf->segments) {
            AddArea(items, segment.address, segment.memorySize, segment.writable ? "RAM" : "ROM");
        }
    }
    return "[V|VERSION|1.00] [S|CPUTYPE|" + device + "] [S|MAP|\"" + items +
           "\"] [S|RESOURCE|\"\"]";
}

std::string MapWorkspaceText(const MapWorkspaceSource& source) {
    const LinkedProgram& program = *source.program;
    std::string text =
        "# TarnMap workspace made by \"tarnmap init\" from a linker's map file.\n"
        "# Format: see README.md, \"Workspace file\".\n\n";
    text += "[workspace]\nname = " + source.name + "\n\n";
    text += "[project]\nname = " + source.name + "\n\n";
    text += "[configuration]\nname = Default\n\n";
    text += "[device]\nname = " + source.name + "\n\n";
    text += "[linker]\nmap = " + source.mapPath + "\n";
    if (!source.elfPath.empty()) {
        text += "elf = " + source.elfPath + "\n";
    }
    text += "# 1 edit mode, 4 overlays\ncapabilities = 0x5\n\n";
    for (const Group& group : GroupsOf(program)) {
        text +=
            "[group]\naddress = " + Hex8(group.address) + "\nsections = " + group.sections + "\n\n";
    }
    text +=
        "[memory]\ndescription = " + MemoryDescriptionOf(program, source.elf, source.name) + "\n";
    return text;
}

}  // namespace tarnhost
