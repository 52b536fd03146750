#include "src/data/RowSorter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#include "platform/system/LargeBlocks.h"

namespace linkmap {
namespace {

// Sorts items by the bits of their key from firstBit up, least significant 11-bit digit first.
// A digit in which all keys agree costs one counting pass: small numbers sort in one pass.
template <class Item, class KeyOf>
void RadixSort(std::span<Item> items, int firstBit, KeyOf keyOf) {
    if (items.empty()) {
        return;
    }
    tarnui::LargeVector<Item> scratch(items.size());
    std::span<Item> from = items;
    std::span<Item> to = scratch;
    for (int shift = firstBit; shift < 64; shift += 11) {
        std::array<size_t, 2048> counts{};
        for (const Item& item : from)
            ++counts[(keyOf(item) >> shift) & 2047];
        if (counts[(keyOf(from[0]) >> shift) & 2047] == from.size()) {
            continue;
        }
        size_t at = 0;
        for (auto& count : counts)
            at += std::exchange(count, at);
        for (const Item& item : from)
            to[counts[(keyOf(item) >> shift) & 2047]++] = item;
        std::swap(from, to);
    }
    if (from.data() != items.data()) {
        std::copy(from.begin(), from.end(), items.begin());
    }
}

struct TextEntry {
    uint64_t chunk;  // eight bytes of the text from the current offset on
    const char* data;
    uint32_t size;
    uint32_t row;
    std::string_view Text(size_t offset) const {
        return std::string_view(data, size).substr(std::min<size_t>(offset, size));
    }
};

// Up to eight bytes of a text from offset on, first byte highest, zero where the text has
// ended: such numbers order as the bytes do, except that an end and a zero byte look alike.
uint64_t Chunk(const TextEntry& entry, size_t offset) {
    const size_t count = offset < entry.size ? std::min<size_t>(8, entry.size - offset) : 0;
    uint64_t value = 0;
    if (count == 8) {  // read as one word (the loop below becomes a byte swap)
        unsigned char bytes[8];
        std::memcpy(bytes, entry.data + offset, 8);
        for (unsigned char b : bytes)
            value = value << 8 | b;
        return value;
    }
    for (size_t i = 0; i < 8; ++i) {
        const auto byte = i < count ? static_cast<unsigned char>(entry.data[offset + i]) : 0;
        value = value << 8 | byte;
    }
    return value;
}

// Sorts entries whose texts agree in their first offset bytes, eight bytes at a time, and
// marks in starts each position whose text differs from the one before (the caller marks the
// first). A run of equal chunks in which a text ends is finished by whole comparison, since an
// end and a zero byte give the same chunk; so is a run that is still equal after kChunkedBytes.
constexpr size_t kChunkedBytes = 256;
// From this many rows on, counting passes beat comparisons.
constexpr size_t kRadixRows = 4096;
// From this many rows on, an array of entries is split in place before counting passes: the
// passes then each sweep a bucket that fits the caches.
constexpr size_t kSplitRows = 256 * 1024;

// How many entries ahead the loading of chunks asks for a name: a sorted run reads its names
// all over memory.
constexpr size_t kChunkPrefetch = 16;

// Sets every entry's chunk from offset on.
void LoadChunks(std::span<TextEntry> entries, size_t offset) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i + kChunkPrefetch < entries.size()) {
            __builtin_prefetch(entries[i + kChunkPrefetch].data + offset);
        }
        entries[i].chunk = Chunk(entries[i], offset);
    }
}

// Sorts entries by their chunks. A large array is first split in place by the most significant
// byte in which its chunks differ (each entry swapped into its byte's bucket), until its buckets
// fit the processor's caches; a bucket is then sorted by counting passes with a scratch array
// of its own size, or by comparison when small. So no second array of all entries is taken,
// and the counting passes do not sweep an array larger than the caches.
void SortByChunk(std::span<TextEntry> entries) {
    const auto byChunk = [](const TextEntry& e) { return e.chunk; };
    if (entries.size() < kRadixRows) {
        std::sort(entries.begin(), entries.end(),
                  [](const TextEntry& a, const TextEntry& b) { return a.chunk < b.chunk; });
        return;
    }
    if (entries.size() < kSplitRows) {
        RadixSort(entries, 0, byChunk);
        return;
    }
    uint64_t differing = 0;
    for (const TextEntry& e : entries)
        differing |= e.chunk ^ entries[0].chunk;
    if (differing == 0) {
        return;
    }
    const int shift = (63 - std::countl_zero(differing)) / 8 * 8;
    const auto byteAt = [shift](const TextEntry& e) {
        return static_cast<size_t>((e.chunk >> shift) & 0xFF);
    };
    std::array<size_t, 256> counts{};
    for (const TextEntry& e : entries)
        ++counts[byteAt(e)];
    std::array<size_t, 256> heads{};
    for (size_t b = 1; b < 256; ++b)
        heads[b] = heads[b - 1] + counts[b - 1];
    const std::array<size_t, 256> firsts = heads;
    for (size_t b = 0; b < 256; ++b) {
        const size_t end = firsts[b] + counts[b];
        while (heads[b] < end) {
            TextEntry moving = entries[heads[b]];
            for (size_t to = byteAt(moving); to != b; to = byteAt(moving))
                std::swap(moving, entries[heads[to]++]);
            entries[heads[b]++] = moving;
        }
    }
    // Within a bucket the chunks agree in this byte and all above it, so a further split
    // finds a lower byte.
    for (size_t b = 0; b < 256; ++b)
        SortByChunk(entries.subspan(firsts[b], counts[b]));
}

// Entries' chunks are loaded from offset on when this runs.
void SortLoadedTexts(std::span<TextEntry> entries, std::span<uint8_t> starts, size_t offset) {
    SortByChunk(entries);
    // The runs of equal chunks are marked first; then the chunks that the runs still to be
    // sorted need next are loaded in one pass over all of them, whose reads of names overlap.
    for (size_t i = 0; i < entries.size(); ++i)
        starts[i] = i == 0 || entries[i].chunk != entries[i - 1].chunk;
    const size_t next = offset + 8;
    const bool chunked = next < kChunkedBytes;
    if (chunked) {
        for (size_t begin = 0; begin < entries.size();) {
            size_t end = begin + 1;
            while (end < entries.size() && !starts[end])
                ++end;
            if (end - begin > 1) {
                LoadChunks(entries.subspan(begin, end - begin), next);
            }
            begin = end;
        }
    }
    for (size_t begin = 0; begin < entries.size();) {
        size_t end = begin + 1;
        bool ends = entries[begin].size <= next;
        while (end < entries.size() && !starts[end]) {
            ends = ends || entries[end].size <= next;
            ++end;
        }
        const auto run = entries.subspan(begin, end - begin);
        if (run.size() > 1 && (ends || !chunked)) {
            std::sort(run.begin(), run.end(), [&](const TextEntry& a, const TextEntry& b) {
                return a.Text(offset) < b.Text(offset);
            });
            for (size_t i = 1; i < run.size(); ++i)
                starts[begin + i] = run[i - 1].Text(offset) != run[i].Text(offset);
        } else if (run.size() > 1) {
            SortLoadedTexts(run, starts.subspan(begin, run.size()), next);
        }
        begin = end;
    }
}

void SortTexts(std::span<TextEntry> entries, std::span<uint8_t> starts, size_t offset) {
    LoadChunks(entries, offset);
    SortLoadedTexts(entries, starts, offset);
}

// A range of rows and where its keys start in the sorted list of all ranks. The rows of every
// range the steps work on hold exactly a run of that list: a partition sends the ranks below
// the pivot left and all others but the pivot right. So the run's first entry is the smallest
// rank in the range.
void SortRange(std::span<RankedRow> rows, std::span<const uint32_t> sortedRanks, size_t low,
               size_t high, size_t run) {
    while (low < high) {
        std::swap(rows[low], rows[low + (high - low) / 2]);
        const uint32_t pivot = rows[low].rank;
        if (pivot == sortedRanks[run]) {
            // Nothing compares below the smallest rank: the step only moved the middle
            // element to the front.
            ++low;
            ++run;
            continue;
        }
        size_t last = low;
        for (size_t j = low + 1; j <= high; ++j) {
            if (rows[j].rank < pivot) {
                ++last;
                std::swap(rows[last], rows[j]);
            }
        }
        std::swap(rows[low], rows[last]);
        // The two sides are independent; recursing into the smaller one bounds the depth.
        const size_t rightRun = run + (last - low) + 1;
        if (last - low < high - last) {
            if (last > low) {
                SortRange(rows, sortedRanks, low, last - 1, run);
            }
            low = last + 1;
            run = rightRun;
        } else {
            if (last < high) {
                SortRange(rows, sortedRanks, last + 1, high, rightRun);
            }
            if (last == low) {
                return;
            }
            high = last - 1;
        }
    }
}

}  // namespace

Ranking RankNumbers(std::span<const uint32_t> keys) {
    Ranking ranking{std::vector<uint32_t>(keys.size()), 0};
    if (keys.empty()) {
        return ranking;
    }
    std::vector<uint64_t> keyed(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        keyed[i] = uint64_t{keys[i]} << 32 | i;
    RadixSort(std::span<uint64_t>(keyed), 32, [](uint64_t v) { return v; });
    uint32_t rank = 0;
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (i > 0 && keyed[i] >> 32 != keyed[i - 1] >> 32) {
            ++rank;
        }
        ranking.ranks[static_cast<uint32_t>(keyed[i])] = rank;
    }
    ranking.limit = rank + 1;
    return ranking;
}

namespace {

// The texts' entries in ascending order, with starts marking each entry whose text differs
// from the one before.
void SortedTextEntries(TextColumn keys, tarnui::LargeVector<TextEntry>& entries,
                       std::vector<uint8_t>& starts) {
    entries.resize(keys.count);
    for (size_t i = 0; i < keys.count; ++i) {
        const std::string_view text = keys.textAt(keys.context, i);
        entries[i] =
            TextEntry{0, text.data(), static_cast<uint32_t>(text.size()), static_cast<uint32_t>(i)};
    }
    starts.assign(keys.count, 0);
    SortTexts(entries, starts, 0);
}

Ranking RanksOfSorted(std::span<const TextEntry> entries, std::span<const uint8_t> starts) {
    Ranking ranking{std::vector<uint32_t>(entries.size()), 0};
    uint32_t rank = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        rank += i > 0 && starts[i] ? 1 : 0;
        ranking.ranks[entries[i].row] = rank;
    }
    ranking.limit = entries.empty() ? 0 : rank + 1;
    return ranking;
}

}  // namespace

Ranking RankTexts(std::span<const std::string_view> keys) {
    tarnui::LargeVector<TextEntry> entries;
    std::vector<uint8_t> starts;
    const auto textAt = [](const void* context, size_t row) {
        return static_cast<const std::string_view*>(context)[row];
    };
    SortedTextEntries(TextColumn{keys.size(), keys.data(), textAt}, entries, starts);
    return RanksOfSorted(entries, starts);
}

namespace {

// Ranks may leave gaps (a text ranked among every stored text), so as many ranks as rows does
// not alone mean that every row has a rank of its own.
bool RanksAreAPermutation(const std::vector<uint32_t>& ranks) {
    std::vector<bool> seen(ranks.size(), false);
    for (const uint32_t rank : ranks) {
        if (rank >= ranks.size() || seen[rank]) {
            return false;
        }
        seen[rank] = true;
    }
    return true;
}

}  // namespace

std::vector<uint32_t> QuicksortOrder(Ranking ranking, RowSortDirection direction) {
    const size_t count = ranking.ranks.size();
    std::vector<uint32_t> order(count);
    if (count < 2) {
        for (size_t i = 0; i < count; ++i)
            order[i] = static_cast<uint32_t>(i);
        return order;
    }
    if (ranking.limit == count && RanksAreAPermutation(ranking.ranks)) {
        // All keys differ: whatever the steps do, they end in the one ascending order.
        for (size_t i = 0; i < count; ++i) {
            const uint32_t rank = ranking.ranks[i];
            order[direction == RowSortDirection::kDescending ? count - 1 - rank : rank] =
                static_cast<uint32_t>(i);
        }
        return order;
    }
    // The sorted list of all ranks, counted out rank by rank.
    std::vector<uint32_t> sortedRanks(count);
    {
        std::vector<uint32_t> counts(ranking.limit, 0);
        for (uint32_t& rank : ranking.ranks) {
            if (direction == RowSortDirection::kDescending) {
                rank = ranking.limit - 1 - rank;
            }
            ++counts[rank];
        }
        size_t at = 0;
        for (uint32_t rank = 0; rank < ranking.limit; ++rank) {
            std::fill_n(sortedRanks.begin() + static_cast<std::ptrdiff_t>(at), counts[rank], rank);
            at += counts[rank];
        }
    }
    std::vector<RankedRow> rows(count);
    for (size_t i = 0; i < count; ++i)
        rows[i] = RankedRow{ranking.ranks[i], static_cast<uint32_t>(i)};
    std::vector<uint32_t>().swap(ranking.ranks);
    QuicksortByRank(rows, sortedRanks);
    for (size_t i = 0; i < count; ++i)
        order[i] = rows[i].index;
    return order;
}

std::vector<uint32_t> TextSortOrder(TextColumn keys, RowSortDirection direction) {
    tarnui::LargeVector<TextEntry> entries;
    std::vector<uint8_t> starts;
    SortedTextEntries(keys, entries, starts);
    if (std::find(starts.begin() + (starts.empty() ? 0 : 1), starts.end(), 0) == starts.end()) {
        // All keys differ: the sorted entries are the order, with no ranks to hand over.
        std::vector<uint32_t> order(entries.size());
        const size_t last = entries.size() - 1;
        for (size_t i = 0; i < entries.size(); ++i)
            order[direction == RowSortDirection::kDescending ? last - i : i] = entries[i].row;
        return order;
    }
    Ranking ranking = RanksOfSorted(entries, starts);
    tarnui::LargeVector<TextEntry>().swap(entries);
    return QuicksortOrder(std::move(ranking), direction);
}

void QuicksortByRank(std::span<RankedRow> rows, std::span<const uint32_t> sortedRanks) {
    if (rows.size() < 2 || sortedRanks.size() != rows.size()) {
        return;
    }
    SortRange(rows, sortedRanks, 0, rows.size() - 1, 0);
}

}  // namespace linkmap
