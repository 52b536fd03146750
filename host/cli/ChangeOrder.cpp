#include "host/cli/ChangeOrder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace tarncli {
namespace {

// Below this many rows a comparison sort of the keys beats the radix passes' fixed costs.
constexpr size_t kRadixRows = 256;

// Within a run of one magnitude the sort goes by one key after the other, each ordering only
// the runs that the ones before left equal: the name's bytes that the record holds, then the
// whole name and the file.
enum Level { kPrefixHigh, kPrefixLow, kTail, kName };

template <Level level>
uint64_t KeyOf(const ChangeRecord& row) {
    if constexpr (level == kTail) {
        return row.rank.tail;
    } else {
        return row.rank.prefix[level - kPrefixHigh];
    }
}

// Ascending by the level's key, eight bits at a time from the lowest: a stable radix sort in
// which a digit that every row shares takes no pass (names share many of their bytes). scratch
// has room for the rows.
template <Level level>
void RadixSort(ChangeRecord* rows, ChangeRecord* scratch, size_t count) {
    std::array<std::array<uint32_t, 256>, 8> counts{};
    for (size_t i = 0; i < count; ++i) {
        const uint64_t key = KeyOf<level>(rows[i]);
        for (size_t digit = 0; digit < 8; ++digit) {
            ++counts[digit][(key >> (8 * digit)) & 0xFF];
        }
    }
    ChangeRecord* from = rows;
    ChangeRecord* to = scratch;
    for (size_t digit = 0; digit < 8; ++digit) {
        auto& offsets = counts[digit];
        if (std::find(offsets.begin(), offsets.end(), count) != offsets.end()) {
            continue;
        }
        uint32_t at = 0;
        for (uint32_t& offset : offsets) {
            const uint32_t n = offset;
            offset = at;
            at += n;
        }
        for (size_t i = 0; i < count; ++i) {
            to[offsets[(KeyOf<level>(from[i]) >> (8 * digit)) & 0xFF]++] = from[i];
        }
        std::swap(from, to);
    }
    if (from != rows) {
        std::copy(from, from + count, rows);
    }
}

template <Level level>
void SortLevel(ChangeRecord* rows, ChangeRecord* scratch, size_t count,
               const std::function<bool(uint32_t, uint32_t)>& nameLess) {
    if (count < 2) {
        return;
    }
    if constexpr (level == kName) {
        std::sort(rows, rows + count, [&nameLess](const ChangeRecord& a, const ChangeRecord& b) {
            return nameLess(a.rank.index, b.rank.index);
        });
    } else {
        if (count >= kRadixRows) {
            RadixSort<level>(rows, scratch, count);
        } else {
            std::sort(rows, rows + count, [](const ChangeRecord& a, const ChangeRecord& b) {
                return KeyOf<level>(a) < KeyOf<level>(b);
            });
        }
        for (size_t start = 0; start < count;) {
            const uint64_t key = KeyOf<level>(rows[start]);
            size_t end = start + 1;
            while (end < count && KeyOf<level>(rows[end]) == key) {
                ++end;
            }
            SortLevel<static_cast<Level>(level + 1)>(rows + start, scratch, end - start, nameLess);
            start = end;
        }
    }
}

// Largest magnitude first, in place (no second list of that size to fetch fresh from the
// system): an American flag sort on one byte of the magnitude at a time, from the highest one
// in which the rows differ. Runs of equal magnitude stay in no particular order.
void SortByMagnitude(ChangeRecord* rows, size_t count, int byte) {
    if (count < kRadixRows) {
        std::sort(rows, rows + count, [](const ChangeRecord& a, const ChangeRecord& b) {
            return a.rank.magnitude > b.rank.magnitude;
        });
        return;
    }
    const auto digit = [byte](const ChangeRecord& row) {
        return 0xFF - ((row.rank.magnitude >> (8 * byte)) & 0xFF);
    };
    std::array<size_t, 257> starts{};
    for (size_t i = 0; i < count; ++i) {
        ++starts[digit(rows[i]) + 1];
    }
    for (size_t d = 0; d < 256; ++d) {
        starts[d + 1] += starts[d];
    }
    std::array<size_t, 256> next;
    std::copy(starts.begin(), starts.end() - 1, next.begin());
    for (size_t d = 0; d < 256; ++d) {
        while (next[d] < starts[d + 1]) {
            const size_t to = digit(rows[next[d]]);
            if (to == d) {
                ++next[d];
            } else {
                std::swap(rows[next[d]], rows[next[to]++]);
            }
        }
    }
    if (byte > 0) {
        for (size_t d = 0; d < 256; ++d) {
            if (starts[d + 1] - starts[d] > 1) {
                SortByMagnitude(rows + starts[d], starts[d + 1] - starts[d], byte - 1);
            }
        }
    }
}

RankedChange RankOf(const SizeEntry& entry, uint32_t index) {
    return {entry.Magnitude(),
            {NamePrefix(entry.Name(), 0), NamePrefix(entry.Name(), 8)},
            index,
            static_cast<uint32_t>(NamePrefix(entry.Name(), 16) >> 32)};
}

// The records in order of one byte of the magnitude (largest first), made straight from the
// entries: a counting sort whose second pass writes each record where it belongs.
void PlaceByMagnitude(const LargeVector<SizeEntry>& entries, int byte,
                      LargeVector<ChangeRecord>& records) {
    const auto digit = [byte](const SizeEntry& entry) {
        return 0xFF - ((entry.Magnitude() >> (8 * byte)) & 0xFF);
    };
    std::array<size_t, 256> next{};
    for (const SizeEntry& entry : entries) {
        if (entry.Changed()) {
            ++next[digit(entry)];
        }
    }
    size_t at = 0;
    for (size_t& offset : next) {
        at += std::exchange(offset, at);
    }
    records.resize(at);
    for (size_t i = 0; i < entries.size(); ++i) {
        // The names are read in the order the rows came, mostly that of their storage.
        if (entries[i].Changed()) {
            records[next[digit(entries[i])]++].rank = RankOf(entries[i], static_cast<uint32_t>(i));
        }
    }
}

}  // namespace

uint64_t NamePrefix(std::string_view name, size_t offset) {
    uint64_t prefix = 0;
    if (offset + 8 <= name.size()) {
        std::memcpy(&prefix, name.data() + offset, 8);
    } else if (offset < name.size()) {
        std::memcpy(&prefix, name.data() + offset, name.size() - offset);
    }
    if constexpr (std::endian::native == std::endian::little) {
        prefix = __builtin_bswap64(prefix);
    }
    return prefix;
}

void RankChanges(const LargeVector<SizeEntry>& entries, LargeVector<ChangeRecord>& records,
                 const std::function<bool(uint32_t, uint32_t)>& nameLess) {
    // The highest byte in which magnitudes differ (sizes seldom need more than the lowest two)
    // orders the records as they are made; the lower ones, if any, in place.
    uint64_t any = 0;
    uint64_t all = ~uint64_t{0};
    for (const SizeEntry& entry : entries) {
        if (entry.Changed()) {
            any |= entry.Magnitude();
            all &= entry.Magnitude();
        }
    }
    const int byte = any != all ? (63 - std::countl_zero(any ^ all)) / 8 : 0;
    PlaceByMagnitude(entries, byte, records);
    if (byte > 0) {
        for (size_t start = 0; start < records.size();) {
            const uint64_t high = records[start].rank.magnitude >> (8 * byte);
            size_t end = start + 1;
            while (end < records.size() && records[end].rank.magnitude >> (8 * byte) == high) {
                ++end;
            }
            SortByMagnitude(records.data() + start, end - start, byte - 1);
            start = end;
        }
    }
    // Then each run of one magnitude by name, with room for the longest run's radix passes.
    std::vector<std::pair<size_t, size_t>> runs;
    size_t longest = 0;
    for (size_t start = 0; start < records.size();) {
        size_t end = start + 1;
        while (end < records.size() &&
               records[end].rank.magnitude == records[start].rank.magnitude) {
            ++end;
        }
        runs.emplace_back(start, end - start);
        longest = std::max(longest, end - start);
        start = end;
    }
    // Uninitialised: the passes write every row before they read it.
    const auto scratch = std::make_unique_for_overwrite<ChangeRecord[]>(longest);
    for (const auto& [start, length] : runs) {
        SortLevel<kPrefixHigh>(records.data() + start, scratch.get(), length, nameLess);
    }
}

}  // namespace tarncli
