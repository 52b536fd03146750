#include "host/cli/Arguments.h"

#include <charconv>

namespace tarncli {
namespace {

// The column number and direction of "--sort COLUMN[:asc|:desc]".
bool ParseSort(const std::string& text, int32_t& value, ExportArguments& parsed) {
    std::string column = text;
    const size_t colon = text.find(':');
    if (colon != std::string::npos) {
        column = text.substr(0, colon);
        const std::string direction = text.substr(colon + 1);
        if (direction == "desc") {
            parsed.sortDirection = RowSortDirection::kDescending;
        } else if (direction != "asc") {
            return false;
        }
    }
    const auto [end, ec] = std::from_chars(column.data(), column.data() + column.size(), value);
    return ec == std::errc() && end == column.data() + column.size();
}

bool ParseFormat(const std::string& value, OutputFormat& format, std::string* error) {
    const auto parsed = ParseOutputFormat(value);
    if (!parsed) {
        *error = "--format takes tsv, csv or json, not \"" + value + "\"";
        return false;
    }
    format = *parsed;
    return true;
}

// The options after the command's words: the build (--map, --elf, --workspace) and --format,
// and, when sortText is given (export), --sort and --section. Checks that exactly one build is
// named.
bool ParseOptions(const std::vector<std::string>& args, size_t first,
                  std::optional<std::string>* sortText, ExportArguments& parsed,
                  std::string* error) {
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            *error = "option " + option + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (option == "--map") {
            parsed.mapFile = value;
        } else if (option == "--elf") {
            parsed.elfFile = value;
        } else if (option == "--workspace") {
            parsed.workspaceFile = value;
        } else if (option == "--format") {
            if (!ParseFormat(value, parsed.format, error)) {
                return false;
            }
        } else if (option == "--sort" && sortText != nullptr) {
            *sortText = value;  // checked by the caller, against the columns of the list
        } else if (option == "--section" && sortText != nullptr) {
            parsed.section = value;
        } else {
            *error = "unknown option " + option;
            return false;
        }
    }
    if (parsed.mapFile.empty() == parsed.workspaceFile.empty()) {
        *error = "give exactly one of --map FILE or --workspace FILE";
        return false;
    }
    if (!parsed.elfFile.empty() && parsed.mapFile.empty()) {
        *error = "--elf goes with --map; a workspace names its ELF file as [linker] elf";
        return false;
    }
    return true;
}

}  // namespace

std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args,
                                                    std::string* error) {
    ExportArguments parsed;
    std::optional<std::string> sortText;
    if (args.empty()) {
        *error = "export needs what to export: sections, symbols, groups or memory";
        return std::nullopt;
    }
    parsed.what = args[0];
    if (parsed.what != "sections" && parsed.what != "symbols" && parsed.what != "groups" &&
        parsed.what != "memory") {
        *error =
            "cannot export \"" + parsed.what + "\": choose sections, symbols, groups or memory";
        return std::nullopt;
    }
    if (!ParseOptions(args, 1, &sortText, parsed, error)) {
        return std::nullopt;
    }
    if (parsed.section && parsed.what != "symbols") {
        *error = "--section applies to symbols only";
        return std::nullopt;
    }
    if (sortText && parsed.what != "symbols" && parsed.what != "sections") {
        *error = "--sort applies to sections and symbols only";
        return std::nullopt;
    }
    if (sortText) {
        const bool symbols = parsed.what == "symbols";
        const int32_t columns = symbols ? kSymbolColumnCount : kSectionColumnCount;
        int32_t column = -1;
        if (!ParseSort(*sortText, column, parsed) || column < 0 || column >= columns) {
            *error = std::string("--sort takes COLUMN[:asc|:desc] with a ") +
                     (symbols ? "symbol" : "section") + " column from 0 to " +
                     std::to_string(columns - 1) + ", not \"" + *sortText + "\"";
            return std::nullopt;
        }
        if (symbols) {
            parsed.symbolSort = static_cast<SymbolColumn>(column);
        } else {
            parsed.sectionSort = static_cast<SectionColumn>(column);
        }
    }
    return parsed;
}

std::optional<UsageArguments> ParseUsageArguments(const std::vector<std::string>& args,
                                                  std::string* error) {
    ExportArguments parsed;
    if (!ParseOptions(args, 0, nullptr, parsed, error)) {
        return std::nullopt;
    }
    return UsageArguments{parsed.mapFile, parsed.elfFile, parsed.workspaceFile, parsed.format};
}

std::optional<DiffArguments> ParseDiffArguments(const std::vector<std::string>& args,
                                                std::string* error) {
    DiffArguments parsed;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--format") {
            files.push_back(args[i]);
        } else if (i + 1 >= args.size()) {
            *error = "option --format needs a value";
            return std::nullopt;
        } else if (!ParseFormat(args[++i], parsed.format, error)) {
            return std::nullopt;
        }
    }
    if (files.size() != 2 || files[0].empty() || files[1].empty() || files[0].starts_with("--") ||
        files[1].starts_with("--")) {
        *error = "diff takes two builds: OLD NEW (map listings or .tarnws workspaces)";
        return std::nullopt;
    }
    parsed.oldFile = files[0];
    parsed.newFile = files[1];
    return parsed;
}

}  // namespace tarncli
