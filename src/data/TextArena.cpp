#include "src/data/TextArena.h"

#include <cstring>

namespace linkmap {

std::string_view TextArena::Store(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text.size() > freeSize_) {
        if (text.size() > kBlockSize / 4) {
            // A long text takes a block of its own and leaves the current block in use.
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
            std::memcpy(blocks_.back().get(), text.data(), text.size());
            return {blocks_.back().get(), text.size()};
        }
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        free_ = blocks_.back().get();
        freeSize_ = kBlockSize;
    }
    char* stored = free_;
    std::memcpy(stored, text.data(), text.size());
    free_ += text.size();
    freeSize_ -= text.size();
    return {stored, text.size()};
}

TextArena& TextArena::operator=(TextArena&& other) noexcept {
    blocks_ = std::move(other.blocks_);
    free_ = std::exchange(other.free_, nullptr);
    freeSize_ = std::exchange(other.freeSize_, 0);
    return *this;
}

void TextArena::Clear() {
    blocks_.clear();
    blocks_.shrink_to_fit();
    free_ = nullptr;
    freeSize_ = 0;
}

}  // namespace linkmap
