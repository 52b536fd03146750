// One memory area and one memory resource of the target device's memory map.
#pragma once

#include <cstdint>
#include <string>

struct tagMapInfo {
    uint32_t startAddress = 0;  // first address of the area
    uint32_t endAddress = 0;    // last address of the area
    std::string kind;           // display name of the area's kind ("On-Chip ROM", ...)
};

struct tagResourceInfo {
    uint32_t startAddress = 0;  // first address of the resource
    uint32_t endAddress = 0;    // last address of the resource
    std::string access;         // as written in the description; the allocation adds "R", "R/W"
};
