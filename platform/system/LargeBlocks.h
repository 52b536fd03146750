// Memory for arrays of many megabytes (a large listing's rows, their sort keys, a diff's
// tables). Such a block is mapped directly and, where the system offers it, backed by 2 MiB
// pages: filling it then costs a few page faults instead of one for every 4 KiB, and its random
// accesses fewer address translation misses. A released block is kept for the next request
// that it can hold, so that loading a listing again, or the next step of one load, reuses
// memory that is already in place. Smaller requests go to the ordinary heap.
#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace tarnui {

// Requests from this size on are large blocks.
constexpr size_t kLargeBlockSize = size_t{2} << 20;

// Memory for bytes; throws std::bad_alloc when there is none.
void* AllocateLarge(size_t bytes);
// Gives back what AllocateLarge(bytes) returned, with the same bytes.
void FreeLarge(void* memory, size_t bytes);
// Returns the kept blocks to the system (they are kept up to a bound otherwise).
void ReleaseKeptLargeBlocks();
// The bytes of released blocks kept for reuse.
size_t KeptLargeBlockBytes();

template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

    T* allocate(size_t count) { return static_cast<T*>(AllocateLarge(count * sizeof(T))); }
    // Elements made without a value are left uninitialised, as with new T: an array about to
    // be filled is not written twice.
    template <class U>
    void construct(U* at) {
        ::new (static_cast<void*>(at)) U;
    }
    template <class U, class... Args>
    void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }
    void deallocate(T* memory, size_t count) { FreeLarge(memory, count * sizeof(T)); }

    template <class U>
    bool operator==(const LargeBlockAllocator<U>&) const {
        return true;
    }
};

template <class T>
using LargeVector = std::vector<T, LargeBlockAllocator<T>>;

}  // namespace tarnui
