// The order of a diff's rows: by the absolute size difference (largest first), then by name and
// file. Sorts small records that carry the first 20 bytes of each name, so that only names
// sharing those bytes are read again.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "host/cli/SizeEntry.h"
#include "platform/system/LargeBlocks.h"

namespace tarncli {

using tarnui::LargeVector;

struct RankedChange {
    uint64_t magnitude;  // the absolute difference
    uint64_t prefix[2];  // the name's first 16 bytes, as NamePrefix
    uint32_t index;      // the row's number for the caller
    uint32_t tail;       // the name's next 4 bytes, as the upper half of NamePrefix
};

// A changed row as it is sorted, then as it is read: the sorted records become the list of
// rows in place, each taking its entry (no second list of 200k rows to fetch fresh memory for).
union ChangeRecord {
    RankedChange rank;
    SizeEntry entry;
};
static_assert(sizeof(ChangeRecord) == sizeof(RankedChange));

// Eight bytes of a name from offset on, big-endian and padded with zero bytes, so that
// prefixes compare as the names do byte by byte (equal ones say nothing).
uint64_t NamePrefix(std::string_view name, size_t offset);

// Fills records with the ranks of the changed entries (their index in entries), largest
// magnitude first, then by name and file: nameLess of two indices decides for names that
// share their first 20 bytes.
void RankChanges(const LargeVector<SizeEntry>& entries, LargeVector<ChangeRecord>& records,
                 const std::function<bool(uint32_t, uint32_t)>& nameLess);

}  // namespace tarncli
