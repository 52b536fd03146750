// What the host takes from a linked ELF file (through elfutils' libelf): its sections, its
// symbol table, its entry point and its loadable segments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnhost {

struct ElfSectionInfo {
    std::string name;
    uint64_t address = 0;
    uint64_t size = 0;
    uint64_t alignment = 0;
    bool allocated = false;
    bool noBits = false;  // reserves memory but has no contents in the file (zeroed data)
};

struct ElfSymbolInfo {
    std::string name;
    uint64_t value = 0;  // Thumb functions without their mode bit
    uint64_t size = 0;
    uint8_t type = 0;        // STT_*
    uint8_t binding = 0;     // STB_*
    uint16_t section = 0;    // section header index (SHN_* for special ones)
    std::string sourceFile;  // the STT_FILE symbol in force for a local symbol
};

struct ElfSegmentInfo {
    uint64_t address = 0;
    uint64_t memorySize = 0;
    bool writable = false;
    bool executable = false;
};

struct ElfImage {
    uint64_t entry = 0;
    std::vector<ElfSectionInfo> sections;  // by section header index
    std::vector<ElfSymbolInfo> symbols;    // the static symbol table, without its null entry
    std::vector<ElfSegmentInfo> segments;  // PT_LOAD segments
};

// Reads an ELF file; false with error set when it cannot be read or is not an ELF file.
bool ReadElfImage(const std::string& path, ElfImage* image, std::string* error);

// Whether a file begins with the ELF magic number.
bool LooksLikeElf(const std::string& path);

}  // namespace tarnhost
