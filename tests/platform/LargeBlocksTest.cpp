// Large blocks: aligned for 2 MiB pages, kept when released and handed out again, cut to the
// size asked for, bounded, and small requests left to the heap.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/system/LargeBlocks.h"

namespace tarnui {
namespace {

constexpr size_t kMiB = size_t{1} << 20;

class LargeBlocksTest : public ::testing::Test {
protected:
    void SetUp() override { ReleaseKeptLargeBlocks(); }
    void TearDown() override { ReleaseKeptLargeBlocks(); }
};

TEST_F(LargeBlocksTest, ReleasedBlocksAreKeptAndReusedWhole) {
    char* first = static_cast<char*>(AllocateLarge(5 * kMiB));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(first) % kLargeBlockSize, 0u);
    std::memset(first, 0x5A, 5 * kMiB);  // every page can be written
    FreeLarge(first, 5 * kMiB);
    EXPECT_EQ(KeptLargeBlockBytes(), 6 * kMiB);  // whole large pages

    // A request that fits takes the kept block; what it does not need is given back.
    char* again = static_cast<char*>(AllocateLarge(3 * kMiB));
    EXPECT_EQ(again, first);
    EXPECT_EQ(KeptLargeBlockBytes(), 0u);
    std::memset(again, 0x11, 3 * kMiB);
    FreeLarge(again, 3 * kMiB);
    EXPECT_EQ(KeptLargeBlockBytes(), 4 * kMiB);

    // A larger request than any kept block gets a new one and leaves the kept block alone.
    char* larger = static_cast<char*>(AllocateLarge(9 * kMiB));
    EXPECT_NE(larger, first);
    larger[9 * kMiB - 1] = 1;
    EXPECT_EQ(KeptLargeBlockBytes(), 4 * kMiB);
    FreeLarge(larger, 9 * kMiB);
    EXPECT_EQ(KeptLargeBlockBytes(), 14 * kMiB);

    ReleaseKeptLargeBlocks();
    EXPECT_EQ(KeptLargeBlockBytes(), 0u);
}

TEST_F(LargeBlocksTest, TheSmallestKeptBlockThatFitsIsTaken) {
    void* big = AllocateLarge(16 * kMiB);
    void* small = AllocateLarge(4 * kMiB);
    void* middle = AllocateLarge(8 * kMiB);
    FreeLarge(big, 16 * kMiB);
    FreeLarge(small, 4 * kMiB);
    FreeLarge(middle, 8 * kMiB);
    EXPECT_EQ(AllocateLarge(6 * kMiB), middle);
    EXPECT_EQ(AllocateLarge(2 * kMiB), small);
    EXPECT_EQ(AllocateLarge(10 * kMiB), big);
    FreeLarge(middle, 6 * kMiB);
    FreeLarge(small, 2 * kMiB);
    FreeLarge(big, 10 * kMiB);
}

TEST_F(LargeBlocksTest, KeptBytesAreBoundedOldestFirst) {
    // Blocks are only mapped, never touched: this costs address space, not memory.
    constexpr size_t kBlock = 48 * kMiB;
    void* blocks[4];
    for (void*& block : blocks)
        block = AllocateLarge(kBlock);
    for (void* block : blocks)
        FreeLarge(block, kBlock);
    // Two fit under the bound; the two released first were given back.
    EXPECT_EQ(KeptLargeBlockBytes(), 2 * kBlock);
    void* reused = AllocateLarge(kBlock);
    EXPECT_TRUE(reused == blocks[2] || reused == blocks[3]);
    FreeLarge(reused, kBlock);

    // A block larger than the bound is never kept.
    ReleaseKeptLargeBlocks();
    void* huge = AllocateLarge(200 * kMiB);
    FreeLarge(huge, 200 * kMiB);
    EXPECT_EQ(KeptLargeBlockBytes(), 0u);
}

TEST_F(LargeBlocksTest, SmallRequestsUseTheHeapAndVectorsFillUninitialised) {
    void* small = AllocateLarge(kLargeBlockSize - 1);
    FreeLarge(small, kLargeBlockSize - 1);
    EXPECT_EQ(KeptLargeBlockBytes(), 0u);

    LargeVector<uint32_t> values(1 << 20);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<uint32_t>(i * 7);
    values.push_back(1);  // grows into a new block; the old one is kept
    EXPECT_EQ(values[12345], 12345u * 7);
    EXPECT_EQ(values.back(), 1u);
    EXPECT_EQ(KeptLargeBlockBytes(), 4 * kMiB);
}

}  // namespace
}  // namespace tarnui
