#include "host/cli/SymbolTsvRows.h"

#include "host/cli/EscapedTexts.h"
#include "src/data/CLinkMapInfo.h"

namespace tarncli {

void WriteSymbolTsvRows(const CLinkMapInfo& linkMap, const std::string& section, RowWriter& rows) {
    const EscapedTexts texts(linkMap.GetSymbolTexts());
    using Cursor = RowWriter::RowCursor;
    linkMap.VisitSymbolRecords(section, [&](const LinkMapSymbolRecord& row) {
        const std::string_view attribute = texts[row.attribute];
        const std::string_view scope = texts[row.scope];
        const std::string_view sectionName = texts[row.section];
        const std::string_view file = texts[row.file];
        const size_t room = Cursor::TextRoom(row.name) + 2 * Cursor::kHexRoom +
                            Cursor::PaddedRoom(attribute) + Cursor::PaddedRoom(scope) +
                            Cursor::PaddedRoom(sectionName) + Cursor::PaddedRoom(file);
        rows.EndRow(rows.StartRow(room)
                        .Text(row.name)
                        .Hex(row.address)
                        .Hex(row.size)
                        .Padded(attribute)
                        .Padded(scope)
                        .Padded(sectionName)
                        .Padded(file));
    });
}

}  // namespace tarncli
