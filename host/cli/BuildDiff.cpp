#include "host/cli/BuildDiff.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace tarncli {
namespace {

struct Key {
    std::string_view name;
    std::string_view file;
    friend bool operator==(const Key&, const Key&) = default;
};

struct KeyHash {
    size_t operator()(const Key& key) const {
        const std::hash<std::string_view> hash;
        return hash(key.name) ^ (hash(key.file) * 0x9E3779B97F4A7C15u);
    }
};

struct Sizes {
    std::optional<uint64_t> oldSize;
    std::optional<uint64_t> newSize;
};

uint64_t Magnitude(int64_t value) {
    return value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

// Sizes by name and file; the keys are views into the rows, which outlive the table.
class SizeTable {
public:
    explicit SizeTable(size_t expected) { sizes_.reserve(expected); }

    void Add(std::string_view name, std::string_view file, uint64_t size, bool isNew) {
        Sizes& sizes = sizes_[Key{name, file}];
        std::optional<uint64_t>& slot = isNew ? sizes.newSize : sizes.oldSize;
        slot = slot.value_or(0) + size;
    }

    std::vector<SizeChange> Changes() const {
        struct Ranked {
            uint64_t magnitude;
            SizeChange change;
        };
        std::vector<Ranked> ranked;
        for (const auto& [key, sizes] : sizes_) {
            if (sizes.oldSize != sizes.newSize) {
                const SizeChange change{key.name, key.file, sizes.oldSize, sizes.newSize};
                ranked.push_back({Magnitude(change.Difference()), change});
            }
        }
        std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
            if (a.magnitude != b.magnitude) {
                return a.magnitude > b.magnitude;
            }
            const int byName = a.change.name.compare(b.change.name);
            return byName != 0 ? byName < 0 : a.change.file < b.change.file;
        });
        std::vector<SizeChange> changes;
        changes.reserve(ranked.size());
        for (const Ranked& r : ranked) {
            changes.push_back(r.change);
        }
        return changes;
    }

private:
    std::unordered_map<Key, Sizes, KeyHash> sizes_;
};

void AddSections(SizeTable& table, const LinkMapSectionRows& rows, bool isNew) {
    for (const auto& row : rows) {
        if (row->name != kUnallocatedAreaName) {
            table.Add(row->name, {}, row->size, isNew);
        }
    }
}

void AddSymbols(SizeTable& table, const std::vector<SymbolSize>& symbols, bool isNew) {
    for (const SymbolSize& symbol : symbols) {
        table.Add(symbol.name, symbol.file, symbol.size, isNew);
    }
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
    return {sections.Changes(), symbols.Changes()};
}

}  // namespace tarncli
