#include "host/cli/BuildDiff.h"

namespace tarncli {
namespace {

void AddSections(SizeTable& table, const LinkMapSectionRows& rows, SizeTable::Side side) {
    for (const auto& row : rows) {
        if (row->name != kUnallocatedAreaName) {
            table.Add(row->name, {}, row->size, side);
        }
    }
}

void AddSymbols(SizeTable& table, const CLinkMapInfo& model, SizeTable::Side side) {
    model.VisitSymbols({}, [&table, side](const LinkMapSymbolView& row) {
        table.Add(row.name, row.file, row.size, side);
    });
}

}  // namespace

BuildDiff DiffBuilds(const LinkMapSectionRows& oldSections, const CLinkMapInfo& oldSymbols,
                     const LinkMapSectionRows& newSections, const CLinkMapInfo& newSymbols) {
    SizeTable sections(oldSections.size() + newSections.size());
    AddSections(sections, oldSections, SizeTable::kOld);
    AddSections(sections, newSections, SizeTable::kNew);
    SizeTable symbols(static_cast<size_t>(oldSymbols.GetSymbolCount({})) +
                      static_cast<size_t>(newSymbols.GetSymbolCount({})));
    AddSymbols(symbols, oldSymbols, SizeTable::kOld);
    AddSymbols(symbols, newSymbols, SizeTable::kNew);
    return {sections.TakeChanges(), symbols.TakeChanges()};
}

}  // namespace tarncli
