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

private:
    static constexpr size_t kBlockSize = 256 * 1024;

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;  // the unused end of the last block
    size_t freeSize_ = 0;
};

}  // namespace linkmap
