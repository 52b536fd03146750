#include "src/data/TextArena.h"

#include <cstring>
#include <iterator>

#include "platform/system/LargeBlocks.h"

namespace linkmap {

std::string_view TextArena::StoreSlow(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text.size() > kLongText) {
        // A long text takes a block of its own and leaves the current block in use.
        longTexts_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
        std::memcpy(longTexts_.back().get(), text.data(), text.size());
        return {longTexts_.back().get(), text.size()};
    }
    StartBlock();
    return Store(text);
}

TextArena::Block::Block(size_t size)
    : data_(static_cast<char*>(tarnui::AllocateLarge(size))), size_(size) {}

TextArena::Block& TextArena::Block::operator=(Block&& other) noexcept {
    if (this != &other) {
        if (data_ != nullptr) {
            tarnui::FreeLarge(data_, size_);
        }
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

TextArena::Block::~Block() {
    if (data_ != nullptr) {
        tarnui::FreeLarge(data_, size_);
    }
}

void TextArena::StartBlock() {
    if (spare_.empty()) {
        blocks_.emplace_back(blocks_.size() < kSmallBlocks ? kSmallBlockSize
                                                           : tarnui::kLargeBlockSize);
    } else {
        blocks_.push_back(std::move(spare_.back()));
        spare_.pop_back();
    }
    free_ = blocks_.back().Data();
    freeSize_ = blocks_.back().Size();
}

TextArena& TextArena::operator=(TextArena&& other) noexcept {
    blocks_ = std::move(other.blocks_);
    longTexts_ = std::move(other.longTexts_);
    spare_ = std::move(other.spare_);
    free_ = std::exchange(other.free_, nullptr);
    freeSize_ = std::exchange(other.freeSize_, 0);
    return *this;
}

void TextArena::Clear() {
    blocks_.clear();
    blocks_.shrink_to_fit();
    longTexts_.clear();
    longTexts_.shrink_to_fit();
    ReleaseSpare();
    free_ = nullptr;
    freeSize_ = 0;
}

void TextArena::Rewind() {
    longTexts_.clear();
    // Reversed, so that the blocks are taken again in their first order.
    spare_.insert(spare_.end(), std::make_move_iterator(blocks_.rbegin()),
                  std::make_move_iterator(blocks_.rend()));
    blocks_.clear();
    free_ = nullptr;
    freeSize_ = 0;
}

void TextArena::ReleaseSpare() {
    spare_.clear();
    spare_.shrink_to_fit();
}

}  // namespace linkmap
