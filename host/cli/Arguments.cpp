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
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            *error = "option " + option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--map") {
            parsed.mapFile = value;
        } else if (option == "--elf") {
            parsed.elfFile = value;
        } else if (option == "--workspace") {
            parsed.workspaceFile = value;
        } else if (option == "--sort") {
            sortText = value;  // checked below, against the columns of the list
        } else if (option == "--section") {
            parsed.section = value;
        } else {
            *error = "unknown option " + option;
            return std::nullopt;
        }
    }
    if (parsed.mapFile.empty() == parsed.workspaceFile.empty()) {
        *error = "give exactly one of --map FILE or --workspace FILE";
        return std::nullopt;
    }
    if (!parsed.elfFile.empty() && parsed.mapFile.empty()) {
        *error = "--elf goes with --map; a workspace names its ELF file as [linker] elf";
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

}  // namespace tarncli
