#include "host/cli/ChangeOrder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>

namespace tarncli {
namespace {

// Below this many rows a comparison sort of the keys beats the radix passes' fixed costs.
constexpr size_t kRadixRows = 256;

// The sort goes by one key after the other, each ordering only the runs that the ones before
// left equal: the magnitude (inverted: largest first), then the two halves of the prefix.
enum Level { kMagnitude, kPrefixHigh, kPrefixLow, kName };

template <Level level>
uint64_t KeyOf(const RankedChange& row) {
    if constexpr (level == kMagnitude) {
        return ~row.magnitude;
    } else {
        return row.prefix[level - kPrefixHigh];
    }
}

// Ascending by the level's key, eight bits at a time from the lowest: a stable radix sort in
// which a digit that every row shares takes no pass (names share most of their bytes' bits,
// sizes their upper bytes). scratch has room for the rows.
template <Level level>
void RadixSort(RankedChange* rows, RankedChange* scratch, size_t count) {
    std::array<std::array<uint32_t, 256>, 8> counts{};
    for (size_t i = 0; i < count; ++i) {
        const uint64_t key = KeyOf<level>(rows[i]);
        for (size_t digit = 0; digit < 8; ++digit) {
            ++counts[digit][(key >> (8 * digit)) & 0xFF];
        }
    }
    RankedChange* from = rows;
    RankedChange* to = scratch;
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
void SortLevel(RankedChange* rows, RankedChange* scratch, size_t count,
               const std::function<bool(uint32_t, uint32_t)>& nameLess) {
    if (count < 2) {
        return;
    }
    if constexpr (level == kName) {
        std::sort(rows, rows + count, [&nameLess](const RankedChange& a, const RankedChange& b) {
            return nameLess(a.index, b.index);
        });
    } else {
        if (count >= kRadixRows) {
            RadixSort<level>(rows, scratch, count);
        } else {
            std::sort(rows, rows + count, [](const RankedChange& a, const RankedChange& b) {
                return KeyOf<level>(a) < KeyOf<level>(b);
            });
        }
        for (size_t start = 0; start < count;) {
            const uint64_t key = KeyOf<level>(rows[start]);
            size_t end = start + 1;
            while (end < count && KeyOf<level>(rows[end]) == key) {
                ++end;
            }
            SortLevel<static_cast<Level>(level + 1)>(rows + start, scratch + start, end - start,
                                                     nameLess);
            start = end;
        }
    }
}

}  // namespace

uint64_t NamePrefix(std::string_view name, size_t offset) {
    unsigned char bytes[8] = {};
    if (offset < name.size()) {
        std::memcpy(bytes, name.data() + offset, std::min<size_t>(8, name.size() - offset));
    }
    uint64_t prefix;
    std::memcpy(&prefix, bytes, 8);
    if constexpr (std::endian::native == std::endian::little) {
        prefix = __builtin_bswap64(prefix);
    }
    return prefix;
}

void SortChanges(std::vector<RankedChange>& rows,
                 const std::function<bool(uint32_t, uint32_t)>& nameLess) {
    // Uninitialised: the passes write every row before they read it.
    const auto scratch = std::make_unique_for_overwrite<RankedChange[]>(rows.size());
    SortLevel<kMagnitude>(rows.data(), scratch.get(), rows.size(), nameLess);
}

}  // namespace tarncli
