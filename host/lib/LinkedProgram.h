// What a linker's map file (and, when present, the linked ELF file) tells about a program:
// memory regions, output sections, input sections with their object files, and symbols.
// The toolchain map parsers fill it; the listing writer turns it into the component's listing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnhost {

inline constexpr uint32_t kNoIndex = 0xFFFFFFFFu;

enum class MapFormat { kUnknown, kComponent, kGnuLd, kLld };

struct MemoryRegion {
    std::string name;
    uint64_t origin = 0;
    uint64_t length = 0;
    std::string attributes;  // as the linker script wrote them, e.g. "rx" or "xrw"
};

struct OutputSection {
    std::string name;
    uint64_t address = 0;
    uint64_t size = 0;
    uint64_t alignment = 0;  // 0: not known
    bool allocated = true;   // occupies target memory (debug and note sections do not)
    bool zeroFill = false;   // only reserves memory, with no contents to load (zeroed data)
    // Where the section's initial contents are stored, when the map gives a load address other
    // than the address it runs at (initialised data copied from flash, overlays).
    std::optional<uint64_t> loadAddress;
};

struct InputSection {
    uint32_t output = kNoIndex;  // index into LinkedProgram::sections
    uint64_t address = 0;
    uint64_t size = 0;
    uint32_t file = kNoIndex;  // index into LinkedProgram::files
};

enum class SymbolKind : uint8_t { kNone, kFunction, kData, kEntry };

struct ProgramSymbol {
    std::string name;
    uint64_t address = 0;
    uint64_t size = 0;
    uint32_t output = kNoIndex;  // index into LinkedProgram::sections
    uint32_t file = kNoIndex;    // index into LinkedProgram::files
    SymbolKind kind = SymbolKind::kNone;
    bool local = false;
};

struct LinkedProgram {
    MapFormat format = MapFormat::kUnknown;
    std::vector<MemoryRegion> regions;
    std::vector<OutputSection> sections;
    std::vector<InputSection> inputs;
    std::vector<ProgramSymbol> symbols;
    std::vector<std::string> files;  // object files as the map names them

    // The index of a file name, adding it when new. Repeated names are common (every
    // input section of an object names it), so the last one is checked first.
    uint32_t FileIndex(std::string_view name);
    // The output section at that index when the address lies in it or at its end, else
    // kNoIndex (also for kNoIndex): a symbol line belongs to the section being read only then.
    uint32_t OutputHolding(uint32_t output, uint64_t address) const;
};

// Whether a section of this name holds no target memory in any toolchain we know (debug
// information, comments, attributes, the ELF file's own tables). Used when no ELF file tells.
bool IsNonAllocatedSectionName(std::string_view name);

// Whether a section of this name only reserves memory, with no contents in the file (zeroed or
// uninitialised data), so that a load address gives it no bytes there. Used when no ELF file
// tells.
bool IsZeroFillSectionName(std::string_view name);

}  // namespace tarnhost
