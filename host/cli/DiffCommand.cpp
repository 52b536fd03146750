#include "host/cli/DiffCommand.h"

#include <ostream>

#include "host/cli/Arguments.h"
#include "host/cli/BuildDiff.h"
#include "host/cli/BuildInput.h"
#include "host/cli/MemoryUsage.h"
#include "host/cli/TableWriter.h"

namespace tarncli {
namespace {

void WriteChanges(const char* record, const std::vector<SizeChange>& changes, TableWriter& table) {
    for (const SizeChange& change : changes) {
        table.Text(record).Text(change.name).Text(change.file);
        change.oldSize ? table.Hex(*change.oldSize) : table.Empty();
        change.newSize ? table.Hex(*change.newSize) : table.Empty();
        table.SignedHex(change.Difference()).EndRow();
    }
}

void WriteTotal(const char* record, const std::string& name, uint64_t oldBytes, uint64_t newBytes,
                TableWriter& table) {
    table.Text(record).Text(name).Empty().Hex(oldBytes).Hex(newBytes);
    table.SignedHex(static_cast<int64_t>(newBytes) - static_cast<int64_t>(oldBytes)).EndRow();
}

// The bytes each area holds in both builds, measured against the new build's areas (the old
// build's when the new one has none); then all sections' bytes as the "total" row.
void WriteAreaTotals(const LoadedBuild& older, const LoadedBuild& newer, TableWriter& table) {
    const std::vector<UsageArea>& areas = newer.areas.empty() ? older.areas : newer.areas;
    const MemoryUsage before = ComputeMemoryUsage(areas, older.sections);
    const MemoryUsage after = ComputeMemoryUsage(areas, newer.sections);
    for (size_t a = 0; a < areas.size(); ++a) {
        WriteTotal("area", areas[a].name, before.areas[a].used, after.areas[a].used, table);
    }
    const std::vector<UsageArea> everything = {{"total", 0, 0xFFFFFFFFu}};
    WriteTotal("total", "total", ComputeMemoryUsage(everything, older.sections).areas[0].used,
               ComputeMemoryUsage(everything, newer.sections).areas[0].used, table);
}

}  // namespace

int RunDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseDiffArguments(args, &error);
    if (!parsed) {
        err << "tarnmap: " << error << "\n";
        return 2;
    }
    auto older = LoadBuild(SourceOfPath(parsed->oldFile), true, err, &error);
    if (!older) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    auto newer = LoadBuild(SourceOfPath(parsed->newFile), true, err, &error);
    if (!newer) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    const BuildDiff diff =
        DiffBuilds(older->sections, older->symbols, newer->sections, newer->symbols);
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
