// Parsing of the command line's options.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "src/data/LinkMapColumns.h"

namespace tarncli {

struct ExportArguments {
    std::string what;  // sections, symbols, groups, memory
    std::string mapFile;
    std::string elfFile;  // only with mapFile
    std::string workspaceFile;
    std::optional<SectionColumn> sectionSort;  // for sections
    std::optional<SymbolColumn> symbolSort;    // for symbols
    RowSortDirection sortDirection = RowSortDirection::kAscending;
    std::optional<std::string> section;
};

// Parses "export WHAT (--map FILE [--elf FILE] | --workspace FILE) [--sort COLUMN[:asc|:desc]]
// [--section NAME]" without the word export. Returns nothing and sets error on bad arguments.
std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args,
                                                    std::string* error);

}  // namespace tarncli
