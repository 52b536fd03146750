#include "host/cli/SizeTable.h"

#include <cstring>

#include "host/cli/ChangeOrder.h"
#include "src/data/TextIdIndex.h"

namespace tarncli {
namespace {

// A slot holds the upper half of its entry's hash beside the entry's index + 1 (0: empty), so
// that a probe rarely has to visit an entry that is not the one looked for.
uint64_t SlotOf(uint64_t hash, size_t index) {
    return (hash & 0xFFFFFFFF00000000u) | (index + 1);
}

}  // namespace

SizeTable::SizeTable(size_t expectedRows) {
    size_t capacity = 16;
    while (capacity < 2 * expectedRows) {
        capacity *= 2;
    }
    slots_.assign(capacity, 0);
    entries_.reserve(expectedRows);
}

uint32_t SizeTable::FileNumber(std::string_view file) {
    // The model stores each file name once: the same view means the same file.
    if (hasLastFile_ && file.data() == lastFile_.data() && file.size() == lastFile_.size()) {
        return lastFileNumber_;
    }
    const auto [it, added] = fileNumbers_.emplace(file, static_cast<uint32_t>(files_.size()));
    if (added) {
        files_.push_back(file);
    }
    lastFile_ = file;
    lastFileNumber_ = it->second;
    hasLastFile_ = true;
    return it->second;
}

uint64_t SizeTable::HashOf(std::string_view name, uint32_t file) {
    return linkmap::TextIdIndex::Hash(name) ^ (uint64_t{file} * 0x9E3779B97F4A7C15u);
}

void SizeTable::Add(std::string_view name, std::string_view file, uint64_t size, Side side) {
    const uint32_t fileNumber = FileNumber(file);
    const Pending row{name.data(), static_cast<uint32_t>(name.size()),
                      fileNumber,  HashOf(name, fileNumber),
                      size,        side};
    __builtin_prefetch(&slots_[row.hash & (slots_.size() - 1)]);
    if (pendingCount_ < kPendingRows) {
        pending_[pendingCount_++] = row;
        return;
    }
    Insert(pending_[pendingNext_]);
    pending_[pendingNext_] = row;
    pendingNext_ = (pendingNext_ + 1) % kPendingRows;
}

void SizeTable::Flush() {
    for (size_t i = 0; i < pendingCount_; ++i) {
        Insert(pending_[(pendingNext_ + i) % kPendingRows]);
    }
    pendingCount_ = 0;
    pendingNext_ = 0;
}

// Linear probing; the table doubles before it is more than half full, which the expected
// number of rows given avoids.
void SizeTable::Insert(const Pending& row) {
    const size_t mask = slots_.size() - 1;
    for (size_t at = row.hash & mask;; at = (at + 1) & mask) {
        const uint64_t slot = slots_[at];
        if (slot == 0) {
            if (2 * (entries_.size() + 1) > slots_.size()) {
                Grow();
                Insert(row);
                return;
            }
            slots_[at] = SlotOf(row.hash, entries_.size());
            SizeEntry& entry =
                entries_.emplace_back(SizeEntry{row.name, row.nameSize, row.file, {0, 0}});
            entry.sizes[row.side] = SizeEntry::kPresent | row.size;
            return;
        }
        if ((slot ^ row.hash) >> 32 == 0) {
            SizeEntry& entry = entries_[(slot & 0xFFFFFFFFu) - 1];
            if (entry.nameSize == row.nameSize && entry.file == row.file &&
                std::memcmp(entry.name, row.name, row.nameSize) == 0) {
                entry.sizes[row.side] = SizeEntry::kPresent | (entry.sizes[row.side] + row.size);
                return;
            }
        }
    }
}

void SizeTable::Grow() {
    slots_.assign(slots_.size() * 2, 0);
    const size_t mask = slots_.size() - 1;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const uint64_t hash = HashOf(entries_[i].Name(), entries_[i].file);
        size_t at = hash & mask;
        while (slots_[at] != 0) {
            at = (at + 1) & mask;
        }
        slots_[at] = SlotOf(hash, i);
    }
}

ChangeList SizeTable::TakeChanges() {
    Flush();
    LargeVector<uint64_t>().swap(slots_);
    const LargeVector<SizeEntry>& entries = entries_;
    ChangeList list;
    LargeVector<ChangeRecord>& records = list.rows_;
    const std::vector<std::string_view>& files = files_;
    RankChanges(entries, records, [&entries, &files](uint32_t a, uint32_t b) {
        const int names = entries[a].Name().compare(entries[b].Name());
        return names != 0 ? names < 0 : files[entries[a].file] < files[entries[b].file];
    });
    // Each record takes its entry, so that writing the rows reads one list from start to end.
    constexpr size_t kPrefetchDistance = 16;
    for (size_t i = 0; i < records.size(); ++i) {
        if (i + kPrefetchDistance < records.size()) {
            __builtin_prefetch(&entries[records[i + kPrefetchDistance].rank.index]);
        }
        const uint32_t index = records[i].rank.index;
        records[i].entry = entries[index];
    }
    LargeVector<SizeEntry>().swap(entries_);
    list.files_ = std::move(files_);
    return list;
}

}  // namespace tarncli
