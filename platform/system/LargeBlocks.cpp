#include "platform/system/LargeBlocks.h"

#include <algorithm>
#include <cstdint>
#include <mutex>

#include <sys/mman.h>

namespace tarnui {
namespace {

// Released blocks kept for reuse, at most this many bytes; the oldest go first. A kept block's
// pages are marked free, so that the system takes them back when it runs short of memory
// rather than writing them out; until then, reusing them costs nothing.
constexpr size_t kMostKeptBytes = size_t{128} << 20;

// A block's size: whole large pages.
size_t BlockSize(size_t bytes) {
    return (bytes + kLargeBlockSize - 1) / kLargeBlockSize * kLargeBlockSize;
}

void Unmap(char* start, size_t size) { ::munmap(start, size); }

// A new block aligned to a large page: one page more is mapped and the ends beyond the
// aligned block are given back.
char* MapBlock(size_t size) {
    const size_t mappedSize = size + kLargeBlockSize;
    void* mapped =
        ::mmap(nullptr, mappedSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t aligned = (start + kLargeBlockSize - 1) / kLargeBlockSize * kLargeBlockSize;
    if (aligned > start) {
        Unmap(static_cast<char*>(mapped), aligned - start);
    }
    if (start + mappedSize > aligned + size) {
        Unmap(reinterpret_cast<char*>(aligned + size), start + mappedSize - (aligned + size));
    }
#ifdef MADV_HUGEPAGE
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<char*>(aligned);
}

struct KeptBlock {
    char* start;
    size_t size;
};

class KeptBlocks {
public:
    // The smallest kept block of at least size bytes, cut to size; nullptr when none is.
    char* Take(size_t size) {
        const std::lock_guard lock(mutex_);
        auto best = blocks_.end();
        for (auto it = blocks_.begin(); it != blocks_.end(); ++it) {
            if (it->size >= size && (best == blocks_.end() || it->size < best->size)) {
                best = it;
            }
        }
        if (best == blocks_.end()) {
            return nullptr;
        }
        const KeptBlock block = *best;
        blocks_.erase(best);
        bytes_ -= block.size;
        if (block.size > size) {
            Unmap(block.start + size, block.size - size);
        }
        return block.start;
    }

    void Keep(char* start, size_t size) {
        if (size > kMostKeptBytes) {
            Unmap(start, size);
            return;
        }
#ifdef MADV_FREE
        ::madvise(start, size, MADV_FREE);
#endif
        const std::lock_guard lock(mutex_);
        blocks_.push_back(KeptBlock{start, size});
        bytes_ += size;
        while (bytes_ > kMostKeptBytes) {
            bytes_ -= blocks_.front().size;
            Unmap(blocks_.front().start, blocks_.front().size);
            blocks_.erase(blocks_.begin());
        }
    }

    void ReleaseAll() {
        const std::lock_guard lock(mutex_);
        for (const KeptBlock& block : blocks_)
            Unmap(block.start, block.size);
        blocks_.clear();
        bytes_ = 0;
    }

    size_t Bytes() {
        const std::lock_guard lock(mutex_);
        return bytes_;
    }

private:
    std::mutex mutex_;
    std::vector<KeptBlock> blocks_;  // oldest first
    size_t bytes_ = 0;
};

// Never destroyed: arrays of static objects may be freed after it would have been.
KeptBlocks& Kept() {
    static KeptBlocks* kept = new KeptBlocks;
    return *kept;
}

}  // namespace

void* AllocateLarge(size_t bytes) {
    if (bytes < kLargeBlockSize) {
        return ::operator new(bytes);
    }
    const size_t size = BlockSize(bytes);
    if (char* reused = Kept().Take(size)) {
        return reused;
    }
    return MapBlock(size);
}

void FreeLarge(void* memory, size_t bytes) {
    if (bytes < kLargeBlockSize) {
        ::operator delete(memory);
        return;
    }
    Kept().Keep(static_cast<char*>(memory), BlockSize(bytes));
}

void ReleaseKeptLargeBlocks() { Kept().ReleaseAll(); }

size_t KeptLargeBlockBytes() { return Kept().Bytes(); }

}  // namespace tarnui
