// The block is mapped anonymously (zero, untouched); on Linux with room to start it
// on a 2 MB boundary, the part before and after the aligned block returned; in
// WebAssembly taken from the untouched end of the heap.
#include "analysis/kernels/huge_page_block.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace kalvesta {
namespace {

[[maybe_unused]] constexpr size_t kHugePage = size_t{2} << 20;
// The alignment the heap gives every block.
[[maybe_unused]] constexpr size_t kHeapAlignment = 16;

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

void UnmapZeroedPages(void* block, size_t bytes) noexcept {
    ::munmap(block, RoundUp(bytes, kHugePage));
}

#elif defined(__EMSCRIPTEN__)

// WebAssembly: memory past the end of the heap is zero and untouched until used,
// and the heap never shrinks. A block is taken from there (sbrk) instead of being
// zeroed page by page, which costs a second for the solve's matrices on their
// first touch; a released block waits for the next of its size and is zeroed then
// (what was used of it is resident already). One thread only: no lock.
namespace {

std::vector<std::pair<void*, size_t> >& ReleasedBlocks() {
    static std::vector<std::pair<void*, size_t> > released;
    return released;
}

}  // namespace

void* MapZeroedPages(size_t bytes) {
    bytes = RoundUp(bytes, kHeapAlignment);
    std::vector<std::pair<void*, size_t> >& released = ReleasedBlocks();
    for (auto block = released.begin(); block != released.end(); ++block) {
        if (block->second == bytes) {
            void* const reused = block->first;
            released.erase(block);
            return std::memset(reused, 0, bytes);
        }
    }
    released.reserve(released.size() + 1);
    const auto end = reinterpret_cast<uintptr_t>(::sbrk(0));
    void* const start = ::sbrk(static_cast<intptr_t>(RoundUp(end, kHeapAlignment) - end + bytes));
    if (start == reinterpret_cast<void*>(-1)) {
        throw std::bad_alloc();
    }
    return reinterpret_cast<void*>(RoundUp(reinterpret_cast<uintptr_t>(start), kHeapAlignment));
}

void UnmapZeroedPages(void* block, size_t bytes) noexcept {
    ReleasedBlocks().emplace_back(block, RoundUp(bytes, kHeapAlignment));
}

#else

void* MapZeroedPages(size_t bytes) {
    void* const map = ::mmap(nullptr, RoundUp(bytes, kHugePage), PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED) {
        throw std::bad_alloc();
    }
    return map;
}

void UnmapZeroedPages(void* block, size_t bytes) noexcept {
    ::munmap(block, RoundUp(bytes, kHugePage));
}

#endif

HugePageBlock::HugePageBlock(size_t doubles)
    : data_(static_cast<double*>(MapZeroedPages(doubles * sizeof(double))),
            Release{doubles * sizeof(double)}) {}

}  // namespace kalvesta
