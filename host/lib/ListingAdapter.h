// Lets the component read the map files of real toolchains: a GNU ld or lld map file (with
// the linked ELF file when there is one) is converted into the component's own listing format
// in a cache file, which is what the host then names as the map listing. A file already in the
// component's format is named unchanged.
#pragma once

#include <string>
#include <string_view>

#include "host/lib/ElfImage.h"
#include "host/lib/LinkedProgram.h"

namespace tarnhost {

// The format of a map file from its text: lld by its column header, GNU ld by its "Memory
// Configuration" or "Linker script and memory map" line, the component's own by its markers.
MapFormat DetectMapFormat(std::string_view text);
MapFormat DetectMapFormatOfFile(const std::string& path);

// Reads a toolchain map text of a known format, completed by the ELF image when given.
LinkedProgram ReadLinkedProgram(std::string_view text, MapFormat format, const ElfImage* elf);

// The linked ELF file beside a map file: same stem with ".elf", ".axf" or ".out", or the bare
// stem, when it is an ELF file. Empty when there is none.
std::string FindElfBeside(const std::string& mapPath);

// The path the component should read for a map file. For a GNU ld or lld map, the cache file
// in cacheDir holding its conversion (rewritten when the map or ELF file changed); elfPath may
// be empty. When the conversion fails, error says why and the map's own path comes back.
std::string ListingForComponent(const std::string& mapPath, const std::string& elfPath,
                                const std::string& cacheDir, std::string* error);

}  // namespace tarnhost
