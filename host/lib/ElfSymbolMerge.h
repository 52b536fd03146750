// Completes what a map file tells with the linked ELF file: which output sections occupy
// memory, and for every symbol its size, attribute (function, data, entry point) and scope.
// Local symbols that the map does not list are added, with the object file of the input
// section that holds them.
#pragma once

#include "host/lib/ElfImage.h"
#include "host/lib/LinkedProgram.h"

namespace tarnhost {

void MergeElfImage(const ElfImage& image, LinkedProgram* program);

}  // namespace tarnhost
