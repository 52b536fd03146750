// How section and symbol rows order by list column. Both lists share their first four columns
// (name, start address, computed end, size); the columns after them are each row kind's further
// texts in order. One key per column is defined here for both kinds: the model's sorts rank
// these keys, and the comparison below states the order they must give.
#pragma once

#include <cstdint>
#include <string_view>

#include "src/data/LinkMapColumns.h"
#include "src/data/LinkMapRows.h"

namespace linkmap {

enum class KeyKind { kNone, kName, kStart, kEnd, kSize, kText };

struct ColumnKey {
    KeyKind kind = KeyKind::kNone;
    int text = 0;  // for kText: which of the row kind's further texts
    bool IsText() const { return kind == KeyKind::kName || kind == KeyKind::kText; }
};

// The key of a column number of a list whose rows have furtherTexts texts after the size.
ColumnKey KeyOfColumn(int32_t column, int furtherTexts);
inline ColumnKey KeyOf(SectionColumn column) {
    return KeyOfColumn(static_cast<int32_t>(column), 1);
}
inline ColumnKey KeyOf(SymbolColumn column) {
    return KeyOfColumn(static_cast<int32_t>(column), 4);
}

// The last address of a range of size bytes at start; start itself when size is 0.
inline uint32_t ComputedEnd(uint32_t start, uint32_t size) {
    return size == 0 ? start : start + size - 1;
}

// A row's key in one column: a text, compared byte-wise with case, or an unsigned number.
struct SortKey {
    std::string_view text;
    uint32_t number = 0;
};

// Reads a row's key through the row kind's field access (Name, Start, Size, Text(row, n)).
template <class Fields, class Row>
SortKey KeyOfRow(const Fields& fields, const Row& row, ColumnKey key) {
    switch (key.kind) {
        case KeyKind::kName:
            return {fields.Name(row)};
        case KeyKind::kStart:
            return {{}, fields.Start(row)};
        case KeyKind::kEnd:
            return {{}, ComputedEnd(fields.Start(row), fields.Size(row))};
        case KeyKind::kSize:
            return {{}, fields.Size(row)};
        case KeyKind::kText:
            return {fields.Text(row, key.text)};
        case KeyKind::kNone:
            break;
    }
    return {};
}

// Field access of the two row kinds.
struct SectionRowFields {
    std::string_view Name(const tagLinkMapSectionInfo& row) const { return row.name; }
    uint32_t Start(const tagLinkMapSectionInfo& row) const { return row.startAddress; }
    uint32_t Size(const tagLinkMapSectionInfo& row) const { return row.size; }
    std::string_view Text(const tagLinkMapSectionInfo& row, int) const { return row.overlay; }
};

struct SymbolRowFields {
    std::string_view Name(const tagLinkMapSymbolInfo& row) const { return row.name; }
    uint32_t Start(const tagLinkMapSymbolInfo& row) const { return row.address; }
    uint32_t Size(const tagLinkMapSymbolInfo& row) const { return row.size; }
    std::string_view Text(const tagLinkMapSymbolInfo& row, int text) const;
};

// Negative, 0 or positive as a goes before, with or after b.
int CompareKeys(const SortKey& a, const SortKey& b, bool text, RowSortDirection direction);

int CompareSectionRows(const tagLinkMapSectionInfo& a, const tagLinkMapSectionInfo& b,
                       SectionColumn column, RowSortDirection direction);
int CompareSymbolRows(const tagLinkMapSymbolInfo& a, const tagLinkMapSymbolInfo& b,
                      SymbolColumn column, RowSortDirection direction);

}  // namespace linkmap
