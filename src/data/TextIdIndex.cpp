#include "src/data/TextIdIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace linkmap {

// All of a text's bytes taken eight at a time: cheap for the short names of sections and files.
uint64_t TextIdIndex::Hash(std::string_view text) {
    constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    uint64_t hash = text.size();
    size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        uint64_t chunk;
        std::memcpy(&chunk, text.data() + at, 8);
        hash = (hash ^ chunk) * kMultiplier;
    }
    uint64_t tail = 0;
    for (size_t i = 0; at + i < text.size(); ++i)
        tail |= uint64_t{static_cast<unsigned char>(text[at + i])} << (8 * i);
    hash = (hash ^ tail) * kMultiplier;
    // Mixed at the end, so that the high bits, which choose the slot, depend on every byte as
    // much as the low ones: names differing only in their last characters spread.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    return hash ^ (hash >> 33);
}

std::optional<TextIdIndex::TextId> TextIdIndex::Find(
    std::string_view text, uint64_t hash, const std::vector<std::string_view>& texts) const {
    if (slots_.empty()) {
        return std::nullopt;
    }
    const size_t mask = slots_.size() - 1;
    const auto tag = static_cast<uint32_t>(hash >> 32);
    for (size_t at = Home(hash);; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.id == 0) {
            return std::nullopt;
        }
        if (slot.tag == tag && texts[slot.id - 1] == text) {
            return slot.id - 1;
        }
    }
}

void TextIdIndex::Insert(uint64_t hash, TextId id) {
    if (2 * (used_ + 1) > slots_.size()) {
        Resize(slots_.empty() ? 64 : slots_.size() * 2);
    }
    Place(static_cast<uint32_t>(hash >> 32), id);
    ++used_;
}

void TextIdIndex::Place(uint32_t tag, TextId id) {
    const size_t mask = slots_.size() - 1;
    size_t at = Home(uint64_t{tag} << 32);
    while (slots_[at].id != 0)
        at = (at + 1) & mask;
    slots_[at] = Slot{tag, id + 1};
}

void TextIdIndex::Resize(size_t slotCount) {
    // The slot position comes from the tag's bits, so a table has at most 2^32 slots.
    const std::vector<Slot> old = std::move(slots_);
    slots_.assign(slotCount, Slot{});
    shift_ = 64 - std::countr_zero(slotCount);
    for (const Slot& slot : old) {
        if (slot.id != 0) {
            Place(slot.tag, slot.id - 1);
        }
    }
}

void TextIdIndex::Reserve(size_t count) {
    if (2 * count > slots_.size()) {
        Resize(std::bit_ceil(std::max<size_t>(64, 2 * count)));
    }
}

void TextIdIndex::Clear() {
    std::fill(slots_.begin(), slots_.end(), Slot{});
    used_ = 0;
}

}  // namespace linkmap
