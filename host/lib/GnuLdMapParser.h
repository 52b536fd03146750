// Reads a GNU ld map file (-Map): the memory regions of "Memory Configuration" and, from
// "Linker script and memory map", the output sections, their input sections with the object
// files, and the symbols (those the object files define and those the script assigns).
#pragma once

#include <string_view>

#include "host/lib/LinkedProgram.h"

namespace tarnhost {

LinkedProgram ParseGnuLdMap(std::string_view text);

}  // namespace tarnhost
