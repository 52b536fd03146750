// Finds the number of a stored text from the text: an open-addressing table of (hash, number)
// pairs in one flat array, so a lookup costs one cache line where a node-based map chases a
// list of separately allocated nodes. The texts themselves stay with the caller, indexed by
// their numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace linkmap {

class TextIdIndex {
public:
    using TextId = uint32_t;

    static uint64_t Hash(std::string_view text);

    // The number of text among texts, found by its hash.
    std::optional<TextId> Find(std::string_view text, uint64_t hash,
                               const std::vector<std::string_view>& texts) const;
    // Adds a number whose text Find did not find; texts holds the texts of every number.
    void Insert(uint64_t hash, TextId id, const std::vector<std::string_view>& texts);
    // Asks the processor to fetch the slot where a text of this hash is looked for.
    void Prefetch(uint64_t hash) const {
        if (!slots_.empty()) {
            __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
        }
    }
    // Forgets every number; the table keeps its room.
    void Clear();
    // Makes room for this many numbers before any is inserted, so that the table does not
    // grow step by step.
    void Reserve(size_t count);

private:
    struct Slot {
        uint32_t tag = 0;  // the high half of the text's hash
        TextId id = 0;     // the text's number plus one; 0 for an empty slot
    };

    // Eight bytes a slot, so that more of the table stays in the cache while a listing streams
    // through it.
    void Place(uint64_t hash, TextId id);
    void Grow(const std::vector<std::string_view>& texts);

    std::vector<Slot> slots_;  // a power of two of them, at most half in use
    size_t used_ = 0;
};

}  // namespace linkmap
