// Memory for the diff's tables of many megabytes: mapped directly and, where the system offers
// it, backed by 2 MiB pages, so that filling a table costs a few page faults instead of one for
// every 4 KiB (and its random accesses fewer address translation misses). Smaller requests go
// to the ordinary heap.
#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace tarncli {

void* AllocateLarge(size_t bytes);
void FreeLarge(void* memory, size_t bytes);

template <class T>
struct LargePageAllocator {
    using value_type = T;

    LargePageAllocator() = default;
    template <class U>
    LargePageAllocator(const LargePageAllocator<U>&) {}

    T* allocate(size_t count) { return static_cast<T*>(AllocateLarge(count * sizeof(T))); }
    // Elements made without a value are left uninitialised, as with new T: a table about to
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
    bool operator==(const LargePageAllocator<U>&) const {
        return true;
    }
};

template <class T>
using LargeVector = std::vector<T, LargePageAllocator<T>>;

}  // namespace tarncli
