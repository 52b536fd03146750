#include "host/cli/BuildDiff.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tarncli {
namespace {

uint64_t Magnitude(int64_t value) {
    return value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

// Eight bytes of a name from offset on, big-endian and padded with zero bytes, so that
// prefixes compare as the names do byte by byte (equal ones say nothing).
uint64_t NamePrefix(std::string_view name, size_t offset) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i) {
        const size_t at = offset + i;
        prefix = (prefix << 8) | (at < name.size() ? static_cast<unsigned char>(name[at]) : 0u);
    }
    return prefix;
}

uint64_t HashOf(std::string_view name, std::string_view file) {
    const std::hash<std::string_view> hash;
    return hash(name) ^ (hash(file) * 0x9E3779B97F4A7C15u);
}

// What the sort compares, held in place: most comparisons end before they need the names
// themselves, which lie scattered over the models' memory.
struct Ranked {
    uint64_t magnitude;
    std::pair<uint64_t, uint64_t> prefix;  // the name's first 16 bytes, as NamePrefix
    uint32_t index;
};

// Largest magnitude first, keeping the order of equal ones: a stable radix sort by 11 bits at
// a time, skipping the digits all rows share (sizes seldom need more than two). Sorting by
// name then only has to order the short runs of equal magnitude.
void SortByMagnitude(std::vector<Ranked>& rows) {
    constexpr int kBits = 11;
    constexpr size_t kBuckets = size_t{1} << kBits;
    std::vector<Ranked> scratch(rows.size());
    std::vector<size_t> counts(kBuckets);
    for (int shift = 0; shift < 64; shift += kBits) {
        std::fill(counts.begin(), counts.end(), 0);
        for (const Ranked& r : rows) {
            ++counts[kBuckets - 1 - ((r.magnitude >> shift) & (kBuckets - 1))];
        }
        if (std::find(counts.begin(), counts.end(), rows.size()) != counts.end()) {
            continue;  // every row has this digit
        }
        size_t at = 0;
        for (size_t& count : counts) {
            at += std::exchange(count, at);
        }
        for (const Ranked& r : rows) {
            scratch[counts[kBuckets - 1 - ((r.magnitude >> shift) & (kBuckets - 1))]++] = r;
        }
        rows.swap(scratch);
    }
}

// Sizes by name and file, in an open-addressed table of indices into a dense list of entries:
// two builds of 100k symbols each make 200k entries, which a node-based map would allocate
// one by one and visit scattered over the heap. The keys are views into the rows, which
// outlive the table.
class SizeTable {
public:
    explicit SizeTable(size_t expected) {
        size_t capacity = 16;
        while (capacity < 2 * expected) {
            capacity *= 2;
        }
        slots_.assign(capacity, 0);
        entries_.reserve(expected);
    }

    void Add(std::string_view name, std::string_view file, uint64_t size, bool isNew) {
        AddHashed(HashOf(name, file), name, file, size, isNew);
    }

    // The same for many: the hashes first, so that the slot of a row a little ahead can be
    // fetched while this one goes in (the slots of 200k rows are far beyond the caches).
    void AddAll(const std::vector<SymbolSize>& symbols, bool isNew) {
        std::vector<uint64_t> hashes(symbols.size());
        for (size_t i = 0; i < symbols.size(); ++i) {
            hashes[i] = HashOf(symbols[i].name, symbols[i].file);
        }
        constexpr size_t kPrefetchDistance = 16;
        for (size_t i = 0; i < symbols.size(); ++i) {
            if (i + kPrefetchDistance < symbols.size()) {
                __builtin_prefetch(&slots_[hashes[i + kPrefetchDistance] & (slots_.size() - 1)]);
            }
            AddHashed(hashes[i], symbols[i].name, symbols[i].file, symbols[i].size, isNew);
        }
    }

    // The changed entries by the absolute difference (largest first), then name and file.
    // The table is done with: its slots go first, and the entries become the result in place,
    // so that no list of that size is newly allocated (and faulted in) here.
    std::vector<SizeChange> TakeChanges() {
        std::vector<uint64_t>().swap(slots_);
        std::vector<Ranked> ranked;
        ranked.reserve(entries_.size());
        for (size_t i = 0; i < entries_.size(); ++i) {
            const SizeChange& entry = entries_[i];
            if (entry.oldSize != entry.newSize) {
                // The names are read in the order the rows came, mostly that of their storage.
                ranked.push_back({Magnitude(entry.Difference()),
                                  {NamePrefix(entry.name, 0), NamePrefix(entry.name, 8)},
                                  static_cast<uint32_t>(i)});
            }
        }
        SortByMagnitude(ranked);
        // Within a run of one magnitude, by name and file: the prefixes decide most.
        const auto byName = [this](const Ranked& a, const Ranked& b) {
            if (a.prefix != b.prefix) {
                return a.prefix < b.prefix;
            }
            const SizeChange& x = entries_[a.index];
            const SizeChange& y = entries_[b.index];
            const int names = x.name.compare(y.name);
            return names != 0 ? names < 0 : x.file < y.file;
        };
        for (auto run = ranked.begin(); run != ranked.end();) {
            const uint64_t magnitude = run->magnitude;
            const auto end = std::find_if(run, ranked.end(), [magnitude](const Ranked& r) {
                return r.magnitude != magnitude;
            });
            std::sort(run, end, byName);
            run = end;
        }
        // Where each place takes its entry from: the changed ones in order, then the rest.
        std::vector<uint32_t> from;
        from.reserve(entries_.size());
        std::vector<bool> taken(entries_.size());
        for (const Ranked& r : ranked) {
            from.push_back(r.index);
            taken[r.index] = true;
        }
        const size_t changed = ranked.size();
        std::vector<Ranked>().swap(ranked);
        for (uint32_t i = 0; i < entries_.size(); ++i) {
            if (!taken[i]) {
                from.push_back(i);
            }
        }
        // Each cycle of the permutation moves along by one, every entry moved once; a place
        // done points at itself.
        for (size_t start = 0; start < from.size(); ++start) {
            if (from[start] == start) {
                continue;
            }
            SizeChange held = entries_[start];
            size_t at = start;
            while (from[at] != start) {
                const size_t next = from[at];
                entries_[at] = entries_[next];
                from[at] = static_cast<uint32_t>(at);
                at = next;
            }
            entries_[at] = held;
            from[at] = static_cast<uint32_t>(at);
        }
        entries_.resize(changed);
        return std::move(entries_);
    }

private:
    // A slot holds the upper half of its entry's hash beside the entry's index + 1 (0: empty),
    // so that a probe rarely has to visit an entry that is not the one looked for.
    static uint64_t SlotOf(uint64_t hash, size_t index) {
        return (hash & 0xFFFFFFFF00000000u) | (index + 1);
    }

    void AddHashed(uint64_t hash, std::string_view name, std::string_view file, uint64_t size,
                   bool isNew) {
        SizeChange& entry = Find(hash, name, file);
        std::optional<uint64_t>& slot = isNew ? entry.newSize : entry.oldSize;
        slot = slot.value_or(0) + size;
    }

    // The entry of that name and file, made when new (linear probing; the table doubles
    // before it is more than half full, which the expected size given avoids).
    SizeChange& Find(uint64_t hash, std::string_view name, std::string_view file) {
        const size_t mask = slots_.size() - 1;
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            const uint64_t slot = slots_[at];
            if (slot == 0) {
                if (2 * (entries_.size() + 1) > slots_.size()) {
                    Grow();
                    return Find(hash, name, file);
                }
                slots_[at] = SlotOf(hash, entries_.size());
                return entries_.emplace_back(SizeChange{name, file, {}, {}});
            }
            if ((slot ^ hash) >> 32 == 0) {
                SizeChange& entry = entries_[(slot & 0xFFFFFFFFu) - 1];
                if (entry.name == name && entry.file == file) {
                    return entry;
                }
            }
        }
    }

    void Grow() {
        slots_.assign(slots_.size() * 2, 0);
        const size_t mask = slots_.size() - 1;
        for (size_t i = 0; i < entries_.size(); ++i) {
            const uint64_t hash = HashOf(entries_[i].name, entries_[i].file);
            size_t at = hash & mask;
            while (slots_[at] != 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = SlotOf(hash, i);
        }
    }

    std::vector<uint64_t> slots_;
    std::vector<SizeChange> entries_;  // the sizes by name and file
};

void AddSections(SizeTable& table, const LinkMapSectionRows& rows, bool isNew) {
    for (const auto& row : rows) {
        if (row->name != kUnallocatedAreaName) {
            table.Add(row->name, {}, row->size, isNew);
        }
    }
}

void AddSymbols(SizeTable& table, const std::vector<SymbolSize>& symbols, bool isNew) {
    table.AddAll(symbols, isNew);
}

}  // namespace

BuildDiff DiffBuilds(const LinkMapSectionRows& oldSections,
                     const std::vector<SymbolSize>& oldSymbols,
                     const LinkMapSectionRows& newSections,
                     const std::vector<SymbolSize>& newSymbols) {
    SizeTable sections(oldSections.size() + newSections.size());
    AddSections(sections, oldSections, false);
    AddSections(sections, newSections, true);
    SizeTable symbols(oldSymbols.size() + newSymbols.size());
    AddSymbols(symbols, oldSymbols, false);
    AddSymbols(symbols, newSymbols, true);
    return {sections.TakeChanges(), symbols.TakeChanges()};
}

}  // namespace tarncli
