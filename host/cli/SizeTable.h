// Sizes of rows by name and object file in two builds, and the rows whose size changed: the
// diff's table for 100k-symbol builds. Names are kept as views into the rows added, which must
// outlive the table and its change list; files are numbered, so that most comparisons and the
// hash of a row take a number where a text would be read.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/cli/ChangeOrder.h"
#include "host/cli/SizeEntry.h"
#include "platform/system/LargeBlocks.h"

namespace tarncli {

using tarnui::LargeVector;

// The changed rows in their order, made by SizeTable::TakeChanges.
class ChangeList {
public:
    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    SizeChange operator[](size_t i) const {
        const SizeEntry& entry = rows_[i].entry;
        return {entry.Name(), files_[entry.file], entry.Size(0), entry.Size(1)};
    }
    // Asks the processor to fetch the name of a row a little after i: the names lie all over
    // the models' memory.
    void Prefetch(size_t i) const {
        constexpr size_t kDistance = 16;
        if (i + kDistance < rows_.size()) {
            __builtin_prefetch(rows_[i + kDistance].entry.name);
        }
    }

private:
    friend class SizeTable;
    LargeVector<ChangeRecord> rows_;       // the changed entries, in the list's order
    std::vector<std::string_view> files_;  // by number
};

class SizeTable {
public:
    enum Side { kOld = 0, kNew = 1 };

    // Room for that many distinct rows; more make the table grow.
    explicit SizeTable(size_t expectedRows);

    // Adds a row's size to the entry of its name and file on one side. The row goes in a few
    // calls later: the slot it needs is fetched from memory meanwhile.
    void Add(std::string_view name, std::string_view file, uint64_t size, Side side);

    // The changed entries by the absolute difference (largest first), then by name and file.
    // The table is done with afterwards.
    ChangeList TakeChanges();

private:
    struct Pending {
        const char* name;
        uint32_t nameSize;
        uint32_t file;
        uint64_t hash;
        uint64_t size;
        Side side;
    };
    static constexpr size_t kPendingRows = 16;

    uint32_t FileNumber(std::string_view file);
    static uint64_t HashOf(std::string_view name, uint32_t file);
    void Insert(const Pending& row);
    void Flush();
    void Grow();

    LargeVector<uint64_t> slots_;  // a power of two of them, at most half in use
    LargeVector<SizeEntry> entries_;
    std::vector<std::string_view> files_;  // by number
    std::unordered_map<std::string_view, uint32_t> fileNumbers_;
    std::string_view lastFile_;  // rows come grouped by file: the last one's number is kept
    uint32_t lastFileNumber_ = 0;
    bool hasLastFile_ = false;
    Pending pending_[kPendingRows];
    size_t pendingCount_ = 0;
    size_t pendingNext_ = 0;  // the oldest of a full ring
};

}  // namespace tarncli
