#include "src/data/SymbolTable.h"

#include "src/data/LinkMapRowOrder.h"
#include "src/data/RowSorter.h"

namespace linkmap {

SymbolTable::TextId SymbolTable::Intern(std::string_view text) {
    const auto found = textIds_.find(text);
    if (found != textIds_.end()) {
        return found->second;
    }
    const auto id = static_cast<TextId>(texts_.size());
    texts_.push_back(arena_.Store(text));
    textIds_.emplace(texts_.back(), id);
    return id;
}

std::optional<SymbolTable::TextId> SymbolTable::FindText(std::string_view text) const {
    const auto found = textIds_.find(text);
    if (found == textIds_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void SymbolTable::Add(std::string_view name, uint32_t address, uint32_t size, TextId attribute,
                      TextId scope, TextId section, TextId file) {
    const std::string_view stored = arena_.Store(name);
    records_.push_back(Record{stored.data(),
                              static_cast<uint32_t>(stored.size()),
                              address,
                              size,
                              {attribute, scope, section, file}});
}

void SymbolTable::Clear() {
    records_.clear();
    records_.shrink_to_fit();
    textIds_.clear();
    texts_.clear();
    texts_.shrink_to_fit();
    arena_.Clear();
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
    Ranking ranking;
    if (key.kind == KeyKind::kText) {
        // A repeating text is ranked once among the stored texts; rows take its rank.
        const Ranking textRanks = RankTexts(texts_);
        ranking.limit = textRanks.limit;
        ranking.ranks.resize(records_.size());
        for (size_t i = 0; i < records_.size(); ++i)
            ranking.ranks[i] = textRanks.ranks[records_[i].texts[key.text]];
    } else {
        const Fields fields{*this};
        ranking = RankKeys(records_.size(), key.IsText(),
                           [&](size_t i) { return KeyOfRow(fields, records_[i], key); });
    }
    auto order = QuicksortOrder(std::move(ranking), direction);
    // Moves the records into place along the permutation's cycles, without a second array:
    // position i takes the record at order[i]; a position done is marked by order[i] == i.
    for (size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) {
            continue;
        }
        const Record first = records_[start];
        size_t at = start;
        while (order[at] != start) {
            const size_t from = order[at];
            records_[at] = records_[from];
            order[at] = static_cast<uint32_t>(at);
            at = from;
        }
        records_[at] = first;
        order[at] = static_cast<uint32_t>(at);
    }
}

}  // namespace linkmap
