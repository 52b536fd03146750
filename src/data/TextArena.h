// Storage for many small texts that live as long as the arena: texts are copied into large
// blocks and handed out as views that stay valid until Clear, so a text costs no allocation of
// its own and freeing them all costs one free per block.
#pragma once

#include <cstddef>
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

    std::string_view Store(std::string_view text);
    void Clear();
    // Forgets every text but keeps the blocks, which the texts stored next fill again.
    void Rewind();
    // Frees the kept blocks that the texts stored since Rewind did not reach.
    void ReleaseSpare();

private:
    static constexpr size_t kBlockSize = 256 * 1024;

    std::vector<std::unique_ptr<char[]>> blocks_;     // full-size blocks, the last in use
    std::vector<std::unique_ptr<char[]>> longTexts_;  // a block of its own for each long text
    std::vector<std::unique_ptr<char[]>> spare_;      // kept by Rewind, taken from the back
    char* free_ = nullptr;                            // the unused end of the last block
    size_t freeSize_ = 0;
};

}  // namespace linkmap
