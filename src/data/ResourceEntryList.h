// The resource list while the allocation orders it and joins neighbours.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ResourceEntry {
    std::string sortKey;  // the start address text, upper-cased
    std::string access;
    uint32_t start = 0;
    uint32_t end = 0;
};

// An entry whose order comes from the given start address text.
ResourceEntry MakeResourceEntry(std::string_view startText, std::string access, uint32_t start,
                                uint32_t end);

// The start text of a resource added by the allocation: "0x" and eight hexadecimal digits.
std::string NewResourceAddressText(uint32_t address);

// Orders by start text, byte-wise; entries with equal texts keep their order.
void SortByStartText(std::vector<ResourceEntry>& entries);

// Joins each entry with the next when it ends right before the next starts and both have
// the same access (case matters); a joined entry is compared with its new neighbour again.
// Entries whose start lies above their end are never joined.
void JoinTouchingNeighbours(std::vector<ResourceEntry>& entries);
