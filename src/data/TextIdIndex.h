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
    // Adds a number whose text Find did not find.
    void Insert(uint64_t hash, TextId id);
    // Asks the processor to fetch the slot where a text of this hash is looked for.
    void Prefetch(uint64_t hash) const {
        if (!slots_.empty()) {
            __builtin_prefetch(&slots_[Home(hash)]);
        }
    }
    // Forgets every number; the table keeps its room.
    void Clear();
    // Makes room for this many numbers, so that the table does not grow step by step.
    void Reserve(size_t count);

private:
    struct Slot {
        uint32_t tag = 0;  // the high half of the text's hash
        TextId id = 0;     // the text's number plus one; 0 for an empty slot
    };

    // Eight bytes a slot, so that more of the table stays in the cache while a listing streams
    // through it. A text's first slot is chosen by the high bits of its hash, which the tag
    // keeps: growing the table moves the slots without hashing any text again.
    size_t Home(uint64_t hash) const { return static_cast<size_t>(hash >> shift_); }
    void Place(uint32_t tag, TextId id);
    void Resize(size_t slotCount);

    std::vector<Slot> slots_;  // a power of two of them, at most half in use
    int shift_ = 64;           // 64 less the bits of a slot's position; unused while empty
    size_t used_ = 0;
};

}  // namespace linkmap
