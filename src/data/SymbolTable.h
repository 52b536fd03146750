// The symbols of the link map model, held compactly: one small fixed-size record per symbol,
// the names in a text arena, and each text that repeats from row to row (attribute, scope,
// section, file) stored once and referred to by number. Callers of the model see copies or
// views of rows; this layout is the model's own.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/system/LargeBlocks.h"
#include "src/data/LinkMapColumns.h"
#include "src/data/LinkMapRows.h"
#include "src/data/TextArena.h"
#include "src/data/TextIdIndex.h"

namespace linkmap {

class SymbolTable {
public:
    using TextId = uint32_t;

    // The number of a repeating text, stored on first sight.
    TextId Intern(std::string_view text) { return Intern(text, TextIdIndex::Hash(text)); }
    // Intern for a text whose TextIdIndex::Hash is known.
    TextId Intern(std::string_view text, uint64_t hash);
    // Fetches ahead what Intern of a text of this hash will read first.
    void PrefetchText(uint64_t hash) const { textIds_.Prefetch(hash); }
    // The number of a text already stored, if any.
    std::optional<TextId> FindText(std::string_view text) const;

    void Add(std::string_view name, uint32_t address, uint32_t size, TextId attribute, TextId scope,
             TextId section, TextId file) {
        AddStored(StoreName(name), address, size, attribute, scope, section, file);
    }
    // A name kept in the table's own store, for AddStored.
    std::string_view StoreName(std::string_view name) { return arena_.Store(name); }
    // Add for a name that StoreName returned.
    void AddStored(std::string_view storedName, uint32_t address, uint32_t size, TextId attribute,
                   TextId scope, TextId section, TextId file) {
        records_.push_back(Record{storedName.data(),
                                  static_cast<uint32_t>(storedName.size()),
                                  address,
                                  size,
                                  {attribute, scope, section, file}});
    }
    void Clear();
    // Empties the table but keeps its memory for the rows of the next listing, which then
    // need no fresh pages from the system.
    void Reset();
    // Gives back the kept memory that the rows added since Reset did not take.
    void ReleaseSpare();
    void Reserve(size_t rows);

    size_t Size() const { return records_.size(); }
    LinkMapSymbolView View(size_t index) const;
    // A row with its repeating texts by number, for Texts.
    LinkMapSymbolRecord NumberedRow(size_t index) const {
        const Record& r = records_[index];
        return LinkMapSymbolRecord{
            {r.name, r.nameSize},    r.address,           r.size,
            r.texts[kAttributeText], r.texts[kScopeText], r.texts[kSectionText],
            r.texts[kFileText]};
    }
    // The repeating texts by number.
    const std::vector<std::string_view>& Texts() const { return texts_; }
    tagLinkMapSymbolInfo Row(size_t index) const;
    TextId SectionId(size_t index) const { return records_[index].texts[kSectionText]; }
    // Asks the processor to fetch a row's name ahead of its use: after a sort, rows read in
    // order reach their names all over the arena.
    void Prefetch(size_t index) const {
        if (index < records_.size()) {
            __builtin_prefetch(records_[index].name);
        }
    }

    // Sorts by one column with the quicksort steps' order.
    void Sort(SymbolColumn column, RowSortDirection direction);

private:
    // The repeating texts of a record, in the order of the symbol list's columns after size.
    enum { kAttributeText, kScopeText, kSectionText, kFileText, kTextCount };

    struct Record {
        const char* name;
        uint32_t nameSize;
        uint32_t address;
        uint32_t size;
        TextId texts[kTextCount];
    };

    // Field access for the column keys.
    struct Fields {
        const SymbolTable& table;
        std::string_view Name(const Record& r) const { return {r.name, r.nameSize}; }
        uint32_t Start(const Record& r) const { return r.address; }
        uint32_t Size(const Record& r) const { return r.size; }
        std::string_view Text(const Record& r, int text) const {
            return table.texts_[r.texts[text]];
        }
    };

    TextArena arena_;
    std::vector<std::string_view> texts_;
    TextIdIndex textIds_;
    tarnui::LargeVector<Record> records_;
};

}  // namespace linkmap
