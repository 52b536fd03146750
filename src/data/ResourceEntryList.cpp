#include "src/data/ResourceEntryList.h"

#include <algorithm>
#include <cstdio>
#include <utility>

ResourceEntry MakeResourceEntry(std::string_view startText, std::string access, uint32_t start,
                                uint32_t end) {
    ResourceEntry entry;
    entry.sortKey.reserve(startText.size());
    for (char c : startText) {
        entry.sortKey += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    entry.access = std::move(access);
    entry.start = start;
    entry.end = end;
    return entry;
}

std::string NewResourceAddressText(uint32_t address) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(address));
    return buffer;
}

void SortByStartText(std::vector<ResourceEntry>& entries) {
    // std::string compares its characters as unsigned bytes.
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const ResourceEntry& x, const ResourceEntry& y) { return x.sortKey < y.sortKey; });
}

void JoinTouchingNeighbours(std::vector<ResourceEntry>& entries) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (kept > 0) {
            ResourceEntry& last = entries[kept - 1];
            const ResourceEntry& next = entries[i];
            const bool touching = uint64_t{last.end} + 1 == next.start;
            if (touching && last.start <= last.end && next.start <= next.end &&
                last.access == next.access) {
                last.end = next.end;
                continue;
            }
        }
        if (kept != i) {
            entries[kept] = std::move(entries[i]);
        }
        ++kept;
    }
    entries.resize(kept);
}
