// A large block of doubles reserved once and never initialised: a page becomes
// resident only when it is first written. The block asks for transparent huge
// pages (2 MB), so that the first touch of the tens of megabytes of a large
// linear system costs one fault per 2 MB instead of one per 4 KB.
#pragma once

#include <cstddef>
#include <memory>

namespace kalvesta {

class HugePageBlock {
public:
    explicit HugePageBlock(size_t doubles);

    double* data() { return data_.get(); }
    const double* data() const { return data_.get(); }

private:
    struct Release {
        size_t bytes = 0;
        void operator()(double* block) const;
    };

    std::unique_ptr<double[], Release> data_;
};

}  // namespace kalvesta
