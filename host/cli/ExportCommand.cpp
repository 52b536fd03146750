#include "host/cli/ExportCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>

#include "host/cli/Arguments.h"
#include "host/cli/HostSession.h"
#include "host/cli/RowWriter.h"
#include "host/cli/SymbolTsvRows.h"
#include "host/cli/TableWriter.h"
#include "src/data/CTarnMapDataManager.h"

namespace tarncli {
namespace {

void WriteSections(CTarnMapDataManager& data, const ExportArguments& args, std::ostream& out) {
    CLinkMapInfo& linkMap = *data.LinkMap();
    if (args.sectionSort) {
        linkMap.SortSections(*args.sectionSort, args.sortDirection);
    }
    LinkMapSectionRows rows;
    linkMap.GetSections(0, linkMap.GetSectionCount(), rows);
    auto table = TableWriter::Create(args.format, out, {"name", "start", "end", "size", "overlay"});
    for (const auto& row : rows) {
        table->Text(row->name).Hex(row->startAddress).Hex(row->endAddress).Hex(row->size);
        table->Text(row->overlay).EndRow();
    }
    table->Finish();
    CLinkMapInfo::FreeSectionRows(rows);
}

const std::vector<std::string> kSymbolColumns{"name",  "address", "size", "attribute",
                                              "scope", "section", "file"};

// The symbols are read in place: a copy of every row would double the memory of a large
// listing (tsv, the largest, has a writer of its own: WriteSymbolTsvRows).
void WriteSymbolRows(const CLinkMapInfo& linkMap, const std::string& section, TableWriter& rows) {
    linkMap.VisitSymbols(section, [&](const LinkMapSymbolView& row) {
        rows.Text(row.name).Hex(row.address).Hex(row.size).Text(row.attribute);
        rows.Text(row.scope).Text(row.section).Text(row.file).EndRow();
    });
}

void WriteSymbols(CTarnMapDataManager& data, const ExportArguments& args, std::ostream& out) {
    CLinkMapInfo& linkMap = *data.LinkMap();
    if (args.symbolSort) {
        linkMap.SortSymbols(*args.symbolSort, args.sortDirection);
    }
    const std::string section = args.section.value_or(std::string());
    if (args.format == OutputFormat::kTsv) {
        // A large export: fields go straight into the row writer's block.
        RowWriter rows(out);
        for (const std::string& column : kSymbolColumns)
            rows.Text(column);
        rows.EndRow();
        WriteSymbolTsvRows(linkMap, section, rows);
        return;
    }
    auto table = TableWriter::Create(args.format, out, kSymbolColumns);
    WriteSymbolRows(linkMap, section, *table);
    table->Finish();
}

// One row per address of a group (a group without address has one row with both empty).
void WriteGroups(CTarnMapDataManager& data, OutputFormat format, std::ostream& out) {
    LinkerSectionRows groups;
    data.GetLinkerSections(groups);
    auto table = TableWriter::Create(format, out, {"group", "start", "end", "sections"});
    for (size_t g = 0; g < groups.size(); ++g) {
        const auto& group = *groups[g];
        const size_t rows = std::max<size_t>(1, group.startAddresses.size());
        for (size_t a = 0; a < rows; ++a) {
            const std::string start =
                a < group.startAddresses.size() ? group.startAddresses[a] : std::string();
            const std::string end =
                a < group.endAddresses.size() ? group.endAddresses[a] : std::string();
            table->Text(std::to_string(g + 1)).Text(start).Text(end).Text(group.sections);
            table->EndRow();
        }
    }
    table->Finish();
    CTarnMapDataManager::FreeLinkerSectionRows(groups);
}

}  // namespace

void WriteMemory(const CMemoryMapInfo& memory, std::ostream& out, OutputFormat format) {
    auto table = TableWriter::Create(format, out, {"record", "start", "end", "kind"});
    for (const auto& area : memory.GetAreas()) {
        table->Text("area").Hex(area->startAddress).Hex(area->endAddress).Text(area->kind);
        table->EndRow();
    }
    for (const auto& resource : memory.GetResources()) {
        table->Text("resource").Hex(resource->startAddress).Hex(resource->endAddress);
        table->Text(resource->access).EndRow();
    }
    table->Finish();
}

bool LoadLinkMap(tarnhost::SubstituteHost& host, CTarnMapDataManager& data, std::string* error) {
    data.LoadLinkMap();
    if (const auto* settings = host.LinkerSettings();
        settings != nullptr && !settings->ListingError().empty()) {
        *error = "the map file could not be converted: " + settings->ListingError();
        return false;
    }
    const std::string& path = data.LinkMap()->GetListingPath();
    if (path.empty()) {
        *error = "the map listing \"" + host.OpenWorkspace()->MapListingPath() + "\" was not found";
        return false;
    }
    if (!std::ifstream(path)) {
        *error = path + ": cannot be read: " + std::strerror(errno);
        return false;
    }
    return true;
}

void GiveContext(tarnhost::SubstituteHost& host, CTarnMapDataManager& data) {
    const tarnhost::Contexts c = host.ContextStrings();
    data.SetContext(c.workspace, c.project, c.config, c.device);
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseExportArguments(args, &error);
    if (!parsed) {
        err << "tarnmap: " << error << "\n";
        return 2;
    }
    auto host = parsed->mapFile.empty() ? OpenWorkspaceHost(parsed->workspaceFile, &error)
                                        : OpenListingHost(parsed->mapFile, &error, parsed->elfFile);
    if (host == nullptr) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    for (const auto& warning : host->OpenWorkspace()->Warnings()) {
        err << "tarnmap: warning: " << warning << "\n";
    }
    CTarnMapDataManager data(host->Host());
    GiveContext(*host, data);
    if (parsed->what == "sections" || parsed->what == "symbols") {
        if (!LoadLinkMap(*host, data, &error)) {
            err << "tarnmap: " << error << "\n";
            return 1;
        }
        if (parsed->what == "sections") {
            WriteSections(data, *parsed, out);
        } else {
            WriteSymbols(data, *parsed, out);
        }
    } else if (parsed->what == "groups") {
        data.LoadLinkerSections();
        WriteGroups(data, parsed->format, out);
    } else {
        data.LoadMemoryMap();
        WriteMemory(*data.MemoryMap(), out, parsed->format);
    }
    out.flush();
    if (!out) {
        err << "tarnmap: the output could not be written\n";
        return 1;
    }
    return 0;
}

}  // namespace tarncli
