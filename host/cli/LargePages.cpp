#include "host/cli/LargePages.h"

#include <cstdint>

#include <sys/mman.h>

namespace tarncli {
namespace {

constexpr size_t kLargePage = size_t{2} << 20;

// The mapping's size: whole large pages, with one more to align the start to one.
size_t MappedSize(size_t bytes) {
    return (bytes + kLargePage - 1) / kLargePage * kLargePage + kLargePage;
}

}  // namespace

void* AllocateLarge(size_t bytes) {
    if (bytes < kLargePage) {
        return ::operator new(bytes);
    }
    const size_t size = MappedSize(bytes);
    void* mapped =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        throw std::bad_alloc();
    }
    // The part before the first large page boundary is given back; so is the unused end.
    const auto start = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
    if (aligned > start) {
        ::munmap(mapped, aligned - start);
    }
    const size_t kept = size - kLargePage;
    if (start + size > aligned + kept) {
        ::munmap(reinterpret_cast<void*>(aligned + kept), start + size - (aligned + kept));
    }
#ifdef MADV_HUGEPAGE
    ::madvise(reinterpret_cast<void*>(aligned), kept, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(aligned);
}

void FreeLarge(void* memory, size_t bytes) {
    if (bytes < kLargePage) {
        ::operator delete(memory);
        return;
    }
    ::munmap(memory, MappedSize(bytes) - kLargePage);
}

}  // namespace tarncli
