// Large blocks of memory that start as all zeros without being touched: they are
// mapped from the system, so a page becomes resident only when it is first
// written, and they ask for transparent huge pages (2 MB). The first touch of
// such a page costs about as much as that of ten or twenty 4 KB pages, and every
// further 4 KB of it is then free: a calculation that writes a few hundred
// kilobytes spread over a table, or the tens of megabytes of a large linear
// system, takes one fault per 2 MB instead of one per 4 KB.
#pragma once

#include <cstddef>
#include <memory>

namespace kalvesta {

// `bytes` of zeros on a 2 MB boundary (throws std::bad_alloc); give the same
// `bytes` back to UnmapZeroedPages.
void* MapZeroedPages(size_t bytes);
void UnmapZeroedPages(void* block, size_t bytes) noexcept;

// A block of `doubles` doubles, zero until written, released with the object.
class HugePageBlock {
public:
    explicit HugePageBlock(size_t doubles);

    double* data() { return data_.get(); }
    const double* data() const { return data_.get(); }

private:
    struct Release {
        size_t bytes = 0;
        void operator()(double* block) const { UnmapZeroedPages(block, bytes); }
    };

    std::unique_ptr<double[], Release> data_;
};

}  // namespace kalvesta
