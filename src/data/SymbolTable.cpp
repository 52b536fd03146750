#include "src/data/SymbolTable.h"

#include "src/data/LinkMapRowOrder.h"
#include "src/data/RowSorter.h"

namespace linkmap {

SymbolTable::TextId SymbolTable::Intern(std::string_view text, uint64_t hash) {
    if (const auto found = textIds_.Find(text, hash, texts_)) {
        return *found;
    }
    const auto id = static_cast<TextId>(texts_.size());
    texts_.push_back(arena_.Store(text));
    textIds_.Insert(hash, id);
    return id;
}

std::optional<SymbolTable::TextId> SymbolTable::FindText(std::string_view text) const {
    return textIds_.Find(text, TextIdIndex::Hash(text), texts_);
}

void SymbolTable::Clear() {
    records_.clear();
    records_.shrink_to_fit();
    textIds_ = {};
    texts_.clear();
    texts_.shrink_to_fit();
    arena_.Clear();
}

void SymbolTable::Reset() {
    records_.clear();
    textIds_.Clear();
    texts_.clear();
    arena_.Rewind();
}

void SymbolTable::Reserve(size_t rows) {
    if (records_.capacity() > 2 * rows) {
        records_ = {};  // room kept from a much larger listing is given back
    }
    records_.reserve(rows);
}

void SymbolTable::ReleaseSpare() {
    arena_.ReleaseSpare();
}

LinkMapSymbolView SymbolTable::View(size_t index) const {
    const Record& r = records_[index];
    return LinkMapSymbolView{{r.name, r.nameSize},
                             r.address,
                             r.size,
                             texts_[r.texts[kAttributeText]],
                             texts_[r.texts[kScopeText]],
                             texts_[r.texts[kSectionText]],
                             texts_[r.texts[kFileText]]};
}

tagLinkMapSymbolInfo SymbolTable::Row(size_t index) const {
    const LinkMapSymbolView v = View(index);
    return tagLinkMapSymbolInfo{std::string(v.name),
                                v.address,
                                v.size,
                                std::string(v.attribute),
                                std::string(v.scope),
                                std::string(v.section),
                                std::string(v.file)};
}

void SymbolTable::Sort(SymbolColumn column, RowSortDirection direction) {
    if (records_.size() < 2) {
        return;
    }
    const ColumnKey key = KeyOf(column);
    std::vector<uint32_t> order;
    if (key.kind == KeyKind::kText) {
        // A repeating text is ranked once among the stored texts; rows take its rank.
        const Ranking textRanks = RankTexts(texts_);
        Ranking ranking{std::vector<uint32_t>(records_.size()), textRanks.limit};
        for (size_t i = 0; i < records_.size(); ++i)
            ranking.ranks[i] = textRanks.ranks[records_[i].texts[key.text]];
        order = QuicksortOrder(std::move(ranking), direction);
    } else {
        const Fields fields{*this};
        order = SortOrder(records_.size(), key.IsText(), direction,
                          [&](size_t i) { return KeyOfRow(fields, records_[i], key); });
    }
    // Gathers the records into a new array: the reads are independent of one another, so the
    // processor overlaps their cache misses, where following the permutation's cycles in place
    // would wait for each in turn.
    tarnui::LargeVector<Record> sorted;
    sorted.reserve(records_.size());
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i + kAhead < order.size()) {
            __builtin_prefetch(&records_[order[i + kAhead]]);
        }
        sorted.push_back(records_[order[i]]);
    }
    records_.swap(sorted);
}

}  // namespace linkmap
