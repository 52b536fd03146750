// Parsing of the command line's options.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/cli/TableWriter.h"
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
    OutputFormat format = OutputFormat::kTsv;
};

// Parses "export WHAT (--map FILE [--elf FILE] | --workspace FILE) [--sort COLUMN[:asc|:desc]]
// [--section NAME] [--format tsv|csv|json]" without the word export. Returns nothing and sets
// error on bad arguments.
std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args,
                                                    std::string* error);

struct UsageArguments {
    std::string mapFile;
    std::string elfFile;
    std::string workspaceFile;
    OutputFormat format = OutputFormat::kTsv;
};

// Parses "usage (--map FILE [--elf FILE] | --workspace FILE) [--format tsv|csv|json]" without
// the word usage.
std::optional<UsageArguments> ParseUsageArguments(const std::vector<std::string>& args,
                                                  std::string* error);

struct DiffArguments {
    std::string oldFile;
    std::string newFile;
    OutputFormat format = OutputFormat::kTsv;
};

// Parses "diff OLD NEW [--format tsv|csv|json]" without the word diff.
std::optional<DiffArguments> ParseDiffArguments(const std::vector<std::string>& args,
                                                std::string* error);

}  // namespace tarncli
