// Source lines of a linked program from the DWARF line table of its ELF file (elfutils'
// libdw): address to file and line, as the source lookup service answers "View source".
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/lib/Workspace.h"

namespace tarnhost {

class DwarfLineTable {
public:
    // Reads every line table of the file; null with error set when the file cannot be read
    // or has no line information.
    static std::unique_ptr<DwarfLineTable> Open(const std::string& elfPath, std::string* error);

    // The source line of the instruction at the address: the last row at or below it in the
    // same sequence. Nothing outside every sequence or for line 0.
    std::optional<SourceLocation> Find(uint64_t address) const;

    size_t RowCount() const { return rows_.size(); }

private:
    struct Row {
        uint64_t address;
        uint32_t file;
        int32_t line;
        bool endSequence;
    };
    DwarfLineTable() = default;

    std::vector<Row> rows_;
    std::vector<std::string> files_;
};

// The source line at an address of the ELF file; the tables of the last file asked are kept,
// so that one program's lookups read it once.
std::optional<SourceLocation> SourceFromDebugInfo(const std::string& elfPath, uint32_t address);

}  // namespace tarnhost
