// A square matrix of doubles stored row by row, as the elimination and its inner
// loops address it.
#pragma once

#include <cstddef>

namespace kalvesta {

// Element (i, j), 1-based, at base[(i-1) × stride + (j-1)].
struct MatrixView {
    double* base = nullptr;
    size_t stride = 0;
};

}  // namespace kalvesta
