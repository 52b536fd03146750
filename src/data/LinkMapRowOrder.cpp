#include "src/data/LinkMapRowOrder.h"

namespace linkmap {

ColumnKey KeyOfColumn(int32_t column, int furtherTexts) {
    switch (column) {
        case 0:
            return {KeyKind::kName};
        case 1:
            return {KeyKind::kStart};
        case 2:
            return {KeyKind::kEnd};
        case 3:
            return {KeyKind::kSize};
        default:
            if (column > 3 && column - 4 < furtherTexts) {
                return {KeyKind::kText, column - 4};
            }
            return {};
    }
}

std::string_view SymbolRowFields::Text(const tagLinkMapSymbolInfo& row, int text) const {
    switch (text) {
        case 0:
            return row.attribute;
        case 1:
            return row.scope;
        case 2:
            return row.section;
        default:
            return row.file;
    }
}

int CompareKeys(const SortKey& a, const SortKey& b, bool text, RowSortDirection direction) {
    int result = 0;
    if (text) {
        const int order = a.text.compare(b.text);  // byte-wise, case matters
        result = (order > 0) - (order < 0);
    } else {
        result = (a.number > b.number) - (a.number < b.number);
    }
    return direction == RowSortDirection::kDescending ? -result : result;
}

int CompareSectionRows(const tagLinkMapSectionInfo& a, const tagLinkMapSectionInfo& b,
                       SectionColumn column, RowSortDirection direction) {
    const ColumnKey key = KeyOf(column);
    const SectionRowFields fields;
    return CompareKeys(KeyOfRow(fields, a, key), KeyOfRow(fields, b, key), key.IsText(), direction);
}

int CompareSymbolRows(const tagLinkMapSymbolInfo& a, const tagLinkMapSymbolInfo& b,
                      SymbolColumn column, RowSortDirection direction) {
    const ColumnKey key = KeyOf(column);
    const SymbolRowFields fields;
    return CompareKeys(KeyOfRow(fields, a, key), KeyOfRow(fields, b, key), key.IsText(), direction);
}

}  // namespace linkmap
