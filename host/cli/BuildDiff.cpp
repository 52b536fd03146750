#include "host/cli/BuildDiff.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace tarncli {
namespace {

struct SizePair {
    std::string_view name;
    std::string_view file;
    std::optional<uint64_t> oldSize;
    std::optional<uint64_t> newSize;
};

// Rows keyed by name and file; the key's views point into the rows, which outlive the map.
class SizeTable {
public:
    explicit SizeTable(size_t expected) { rows_.reserve(expected); }

    void Add(std::string_view name, std::string_view file, uint64_t size, bool isNew) {
        std::string key;
        key.reserve(name.size() + file.size() + 1);
        key.append(name).append(1, '\0').append(file);
        auto [it, added] =
            rows_.try_emplace(std::move(key), SizePair{name, file, std::nullopt, std::nullopt});
        std::optional<uint64_t>& slot = isNew ? it->second.newSize : it->second.oldSize;
        slot = slot.value_or(0) + size;
    }

    std::vector<SizeChange> Changes() const {
        std::vector<SizeChange> changes;
        for (const auto& [key, pair] : rows_) {
            if (pair.oldSize != pair.newSize) {
                changes.push_back(
                    {std::string(pair.name), std::string(pair.file), pair.oldSize, pair.newSize});
            }
        }
        std::sort(changes.begin(), changes.end(), [](const SizeChange& a, const SizeChange& b) {
            const uint64_t da = Magnitude(a.Difference());
            const uint64_t db = Magnitude(b.Difference());
            if (da != db) {
                return da > db;
            }
            return a.name != b.name ? a.name < b.name : a.file < b.file;
        });
        return changes;
    }

private:
    static uint64_t Magnitude(int64_t value) {
        return value < 0 ? uint64_t{0} - static_cast<uint64_t>(value)
                         : static_cast<uint64_t>(value);
    }

    std::unordered_map<std::string, SizePair> rows_;
};

void AddSections(SizeTable& table, const LinkMapSectionRows& rows, bool isNew) {
    for (const auto& row : rows) {
        if (row->name != kUnallocatedAreaName) {
            table.Add(row->name, {}, row->size, isNew);
        }
    }
}

void AddSymbols(SizeTable& table, const LinkMapSymbolRows& rows, bool isNew) {
    for (const auto& row : rows) {
        table.Add(row->name, row->file, row->size, isNew);
    }
}

}  // namespace

BuildDiff DiffBuilds(const LinkMapSectionRows& oldSections, const LinkMapSymbolRows& oldSymbols,
                     const LinkMapSectionRows& newSections, const LinkMapSymbolRows& newSymbols) {
    SizeTable sections(oldSections.size() + newSections.size());
    AddSections(sections, oldSections, false);
    AddSections(sections, newSections, true);
    SizeTable symbols(oldSymbols.size() + newSymbols.size());
    AddSymbols(symbols, oldSymbols, false);
    AddSymbols(symbols, newSymbols, true);
    return {sections.Changes(), symbols.Changes()};
}

}  // namespace tarncli
