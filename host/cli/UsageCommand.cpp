#include "host/cli/UsageCommand.h"

#include <ostream>

#include "host/cli/Arguments.h"
#include "host/cli/BuildInput.h"
#include "host/cli/MemoryUsage.h"
#include "host/cli/TableWriter.h"

namespace tarncli {
namespace {

// One row per area, then one per section that starts in no area.
void WriteUsage(const MemoryUsage& usage, TableWriter& table) {
    for (const AreaUsage& area : usage.areas) {
        table.Text("area").Text(area.area.name).Hex(area.area.start).Hex(area.area.end);
        table.Hex(area.area.Size()).Hex(area.used).Percent(area.Percent()).Hex(area.free);
        table.Hex(area.largestGap);
        if (area.Over()) {
            table.Text("over");
        } else {
            table.Empty();
        }
        table.EndRow();
    }
    for (const tagLinkMapSectionInfo* section : usage.outside) {
        const uint64_t end = uint64_t{section->startAddress} + section->size - 1;
        table.Text("outside").Text(section->name).Hex(section->startAddress).Hex(end);
        table.Hex(section->size).Hex(section->size).Empty().Empty().Empty().Empty().EndRow();
    }
}

}  // namespace

int RunUsage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseUsageArguments(args, &error);
    if (!parsed) {
        err << "tarnmap: " << error << "\n";
        return 2;
    }
    const auto build =
        LoadBuild({parsed->mapFile, parsed->workspaceFile, parsed->elfFile}, err, &error);
    if (!build) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    auto table = TableWriter::Create(parsed->format, out,
                                     {"record", "name", "start", "end", "size", "used", "percent",
                                      "free", "largest_gap", "status"});
    WriteUsage(ComputeMemoryUsage(build->areas, build->sections, build->loadImages), *table);
    if (!table->Finish()) {
        err << "tarnmap: the output could not be written\n";
        return 1;
    }
    return 0;
}

}  // namespace tarncli
