#include "host/cli/DiffCommand.h"

#include <ostream>

#include "host/cli/Arguments.h"
#include "host/cli/BuildDiff.h"
#include "host/cli/BuildInput.h"
#include "host/cli/MemoryUsage.h"
#include "host/cli/TableWriter.h"

namespace tarncli {
namespace {

void WriteChanges(const char* record, const ChangeList& changes, TableWriter& table) {
    for (size_t i = 0; i < changes.size(); ++i) {
        // The rows come by size, their names from all over the models' memory: fetch ahead.
        changes.Prefetch(i);
        const SizeChange change = changes[i];
        table.Text(record).Text(change.name).Text(change.file);
        change.oldSize ? table.Hex(*change.oldSize) : table.Empty();
        change.newSize ? table.Hex(*change.newSize) : table.Empty();
        table.SignedHex(change.Difference()).EndRow();
    }
}

// One row per area, then the "total" row.
void WriteAreaTotals(const LoadedBuild& older, const LoadedBuild& newer, TableWriter& table) {
    const std::vector<AreaTotal> totals =
        AreaTotals(older.areas, older.sections, newer.areas, newer.sections, older.loadImages,
                   newer.loadImages);
    for (size_t i = 0; i < totals.size(); ++i) {
        const AreaTotal& total = totals[i];
        table.Text(i + 1 == totals.size() ? "total" : "area").Text(total.name).Empty();
        table.Hex(total.oldBytes).Hex(total.newBytes).SignedHex(total.Difference()).EndRow();
    }
}

}  // namespace

int RunDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseDiffArguments(args, &error);
    if (!parsed) {
        err << "tarnmap: " << error << "\n";
        return 2;
    }
    auto older = LoadBuild(SourceOfPath(parsed->oldFile), err, &error);
    if (!older) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    auto newer = LoadBuild(SourceOfPath(parsed->newFile), err, &error);
    if (!newer) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    const BuildDiff diff = DiffBuilds(older->sections, *older->data->LinkMap(), newer->sections,
                                      *newer->data->LinkMap());
    auto table = TableWriter::Create(parsed->format, out,
                                     {"record", "name", "file", "old", "new", "difference"});
    WriteChanges("section", diff.sections, *table);
    WriteChanges("symbol", diff.symbols, *table);
    WriteAreaTotals(*older, *newer, *table);
    if (!table->Finish()) {
        err << "tarnmap: the output could not be written\n";
        return 1;
    }
    return 0;
}

}  // namespace tarncli
