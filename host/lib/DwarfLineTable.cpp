#include "host/lib/DwarfLineTable.h"

#include <elfutils/libdw.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <unordered_map>

namespace tarnhost {
namespace {

struct DwarfCloser {
    void operator()(Dwarf* dwarf) const { dwarf_end(dwarf); }
};

struct FileCloser {
    int fd;
    ~FileCloser() {
        if (fd >= 0) {
            close(fd);
        }
    }
};

}  // namespace

std::unique_ptr<DwarfLineTable> DwarfLineTable::Open(const std::string& elfPath,
                                                     std::string* error) {
    FileCloser file{open(elfPath.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        *error = elfPath + ": cannot be read";
        return nullptr;
    }
    std::unique_ptr<Dwarf, DwarfCloser> dwarf(dwarf_begin(file.fd, DWARF_C_READ));
    if (dwarf == nullptr) {
        *error = elfPath + ": no debugging information";
        return nullptr;
    }
    std::unique_ptr<DwarfLineTable> table(new DwarfLineTable);
    std::unordered_map<std::string, uint32_t> fileIndex;
    Dwarf_Off offset = 0;
    Dwarf_Off next = 0;
    size_t headerSize = 0;
    while (dwarf_nextcu(dwarf.get(), offset, &next, &headerSize, nullptr, nullptr, nullptr) == 0) {
        Dwarf_Die unit;
        Dwarf_Lines* lines = nullptr;
        size_t count = 0;
        if (dwarf_offdie(dwarf.get(), offset + headerSize, &unit) != nullptr &&
            dwarf_getsrclines(&unit, &lines, &count) == 0) {
            for (size_t i = 0; i < count; ++i) {
                Dwarf_Line* line = dwarf_onesrcline(lines, i);
                Dwarf_Addr address = 0;
                int number = 0;
                bool end = false;
                const char* source = dwarf_linesrc(line, nullptr, nullptr);
                if (line == nullptr || dwarf_lineaddr(line, &address) != 0 ||
                    dwarf_lineno(line, &number) != 0 || dwarf_lineendsequence(line, &end) != 0) {
                    continue;
                }
                const std::string name = source != nullptr ? source : "";
                auto [it, added] =
                    fileIndex.emplace(name, static_cast<uint32_t>(table->files_.size()));
                if (added) {
                    table->files_.push_back(
                        std::filesystem::path(name).lexically_normal().string());
                }
                table->rows_.push_back({address, it->second, number, end});
            }
        }
        offset = next;
    }
    if (table->rows_.empty()) {
        *error = elfPath + ": no line information";
        return nullptr;
    }
    // At one address, the end of a sequence comes before the rows of the next one.
    std::stable_sort(table->rows_.begin(), table->rows_.end(), [](const Row& a, const Row& b) {
        return a.address != b.address ? a.address < b.address : a.endSequence && !b.endSequence;
    });
    return table;
}

std::optional<SourceLocation> DwarfLineTable::Find(uint64_t address) const {
    auto it = std::upper_bound(rows_.begin(), rows_.end(), address,
                               [](uint64_t a, const Row& row) { return a < row.address; });
    if (it == rows_.begin()) {
        return std::nullopt;
    }
    const Row& row = *std::prev(it);
    if (row.endSequence || row.line <= 0) {
        return std::nullopt;
    }
    return SourceLocation{files_[row.file], row.line};
}

std::optional<SourceLocation> SourceFromDebugInfo(const std::string& elfPath, uint32_t address) {
    static std::string lastPath;
    static std::unique_ptr<DwarfLineTable> lastTable;
    if (elfPath != lastPath || lastTable == nullptr) {
        std::string error;
        lastTable = DwarfLineTable::Open(elfPath, &error);
        lastPath = elfPath;
    }
    return lastTable != nullptr ? lastTable->Find(address) : std::nullopt;
}

}  // namespace tarnhost
