// Storage for many small texts that live as long as the arena: texts are copied into large
// blocks and handed out as views that stay valid until Clear, so a text costs no allocation of
// its own and freeing them all costs one free per block. The first blocks are small; once an
// arena holds many texts (a large listing's names), its further blocks are large blocks of
// the platform, which cost few page faults to fill.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace linkmap {

class TextArena {
public:
    TextArena() = default;
    TextArena(TextArena&& other) noexcept { *this = std::move(other); }
    TextArena& operator=(TextArena&& other) noexcept;

    // Inline for the common case, a short text that fits the block in use.
    std::string_view Store(std::string_view text) {
        if (text.empty() || text.size() > freeSize_) {
            return StoreSlow(text);
        }
        char* stored = free_;
        std::memcpy(stored, text.data(), text.size());
        free_ += text.size();
        freeSize_ -= text.size();
        return {stored, text.size()};
    }
    void Clear();
    // Forgets every text but keeps the blocks, which the texts stored next fill again.
    void Rewind();
    // Frees the kept blocks that the texts stored since Rewind did not reach.
    void ReleaseSpare();

private:
    static constexpr size_t kSmallBlockSize = 256 * 1024;
    // The blocks after this many small ones are large.
    static constexpr size_t kSmallBlocks = 2;
    // A text longer than this takes a block of its own.
    static constexpr size_t kLongText = kSmallBlockSize / 4;

    // A block of the arena, freed as it was allocated.
    class Block {
    public:
        explicit Block(size_t size);
        Block(Block&& other) noexcept
            : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
        Block& operator=(Block&& other) noexcept;
        ~Block();
        char* Data() const { return data_; }
        size_t Size() const { return size_; }

    private:
        char* data_;
        size_t size_;
    };

    std::string_view StoreSlow(std::string_view text);
    void StartBlock();

    std::vector<Block> blocks_;                       // filled blocks, the last in use
    std::vector<std::unique_ptr<char[]>> longTexts_;  // a block of its own for each long text
    std::vector<Block> spare_;                        // kept by Rewind, taken from the back
    char* free_ = nullptr;                            // the unused end of the last block
    size_t freeSize_ = 0;
};

}  // namespace linkmap
