// The block is mapped anonymously (zero, untouched); on Linux with room to start it
// on a 2 MB boundary, the part before and after the aligned block returned.
#include "analysis/kernels/huge_page_block.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace kalvesta {
namespace {

constexpr size_t kHugePage = size_t{2} << 20;

size_t RoundUp(size_t bytes, size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

}  // namespace

#if defined(__linux__)

void* MapZeroedPages(size_t bytes) {
    bytes = RoundUp(bytes, kHugePage);
    const size_t mapped = bytes + kHugePage;
    void* const map =
        ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<uintptr_t>(map);
    const uintptr_t aligned = RoundUp(start, kHugePage);
    if (aligned > start) {
        ::munmap(map, aligned - start);
    }
    const size_t after = mapped - (aligned - start) - bytes;
    if (after > 0) {
        ::munmap(reinterpret_cast<void*>(aligned + bytes), after);
    }
    // Only a hint: without huge pages the block works on small pages.
    ::madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

#else

// Elsewhere (WebAssembly) a mapping is returned only whole: no trimmed alignment.
void* MapZeroedPages(size_t bytes) {
    void* const map = ::mmap(nullptr, RoundUp(bytes, kHugePage), PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED) {
        throw std::bad_alloc();
    }
    return map;
}

#endif

void UnmapZeroedPages(void* block, size_t bytes) noexcept {
    ::munmap(block, RoundUp(bytes, kHugePage));
}

HugePageBlock::HugePageBlock(size_t doubles)
    : data_(static_cast<double*>(MapZeroedPages(doubles * sizeof(double))),
            Release{doubles * sizeof(double)}) {}

}  // namespace kalvesta
