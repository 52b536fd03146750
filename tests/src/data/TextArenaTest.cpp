// The text arena keeps every stored text intact across its small and large blocks, through
// Rewind (blocks reused in order) and Clear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "src/data/TextArena.h"

namespace linkmap {
namespace {

std::string TextNumber(size_t i) {
    // Lengths from 0 to 99; one in a thousand longer than a small block's quarter.
    std::string text = "name_" + std::to_string(i) + std::string(i % 95, 'a' + i % 26);
    if (i % 1000 == 999) {
        text += std::string(70 * 1024, 'L');
    }
    return text.substr(0, i % 100 == 0 ? 0 : text.size());
}

void StoreAndCheck(TextArena& arena, size_t count) {
    std::vector<std::string_view> views;
    for (size_t i = 0; i < count; ++i)
        views.push_back(arena.Store(TextNumber(i)));
    for (size_t i = 0; i < count; ++i)
        ASSERT_EQ(views[i], TextNumber(i)) << "text " << i;
}

TEST(TextArena, TextsStayIntactAcrossBlocksRewindAndClear) {
    TextArena arena;
    // About 5 MB of texts: two small blocks, then large ones.
    StoreAndCheck(arena, 100000);
    arena.Rewind();
    StoreAndCheck(arena, 60000);
    arena.ReleaseSpare();
    StoreAndCheck(arena, 1000);
    TextArena moved = std::move(arena);
    StoreAndCheck(moved, 3000);
    moved.Clear();
    StoreAndCheck(moved, 100000);
}

}  // namespace
}  // namespace linkmap
