// The elimination's inner loops in three widths: two, four or eight doubles per
// register. Columns stay in registers while the steps run over them in order;
// the four-row form shares each load of a pivot row among four target rows.
#include "analysis/kernels/elimination_kernels.h"

#include "analysis/kernels/double_packs.h"

namespace kalvesta {
namespace {

// One row, kPacks packs of columns at a time, then the remaining columns singly.
template <class Columns, size_t kPacks>
__attribute__((always_inline)) inline void RowWith(MatrixView a, double* row, size_t first,
                                                   size_t end, size_t from, size_t to) {
    constexpr size_t kDoubles = sizeof(Columns) / sizeof(double);
    constexpr size_t kWidth = kPacks * kDoubles;
    size_t j = from;
    for (; j + kWidth <= to; j += kWidth) {
        Columns columns[kPacks];
        for (size_t c = 0; c < kPacks; ++c) {
            Load(columns[c], row + j + c * kDoubles);
        }
        for (size_t step = first; step < end; ++step) {
            const double f = row[step];
            const double* const pivot = a.base + step * a.stride + j;
            for (size_t c = 0; c < kPacks; ++c) {
                Columns pivot_columns;
                Load(pivot_columns, pivot + c * kDoubles);
                columns[c] = columns[c] - f * pivot_columns;
            }
        }
        for (size_t c = 0; c < kPacks; ++c) {
            Store(row + j + c * kDoubles, columns[c]);
        }
    }
    for (; j < to; ++j) {
        double column = row[j];
        for (size_t step = first; step < end; ++step) {
            column = column - row[step] * a.base[step * a.stride + j];
        }
        row[j] = column;
    }
}

// Four rows, kPacks packs of columns of each at a time; the columns left over
// are done row by row.
template <class Columns, size_t kPacks, size_t kRowPacks>
__attribute__((always_inline)) inline void FourRowsWith(MatrixView a, double* const rows[4],
                                                        size_t first, size_t end, size_t from,
                                                        size_t to) {
    constexpr size_t kRows = 4;
    constexpr size_t kDoubles = sizeof(Columns) / sizeof(double);
    constexpr size_t kWidth = kPacks * kDoubles;
    size_t j = from;
    for (; j + kWidth <= to; j += kWidth) {
        Columns columns[kRows][kPacks];
        for (size_t r = 0; r < kRows; ++r) {
            for (size_t c = 0; c < kPacks; ++c) {
                Load(columns[r][c], rows[r] + j + c * kDoubles);
            }
        }
        for (size_t step = first; step < end; ++step) {
            const double* const pivot = a.base + step * a.stride + j;
            Columns pivot_columns[kPacks];
            for (size_t c = 0; c < kPacks; ++c) {
                Load(pivot_columns[c], pivot + c * kDoubles);
            }
            for (size_t r = 0; r < kRows; ++r) {
                const double f = rows[r][step];
                for (size_t c = 0; c < kPacks; ++c) {
                    columns[r][c] = columns[r][c] - f * pivot_columns[c];
                }
            }
        }
        for (size_t r = 0; r < kRows; ++r) {
            for (size_t c = 0; c < kPacks; ++c) {
                Store(rows[r] + j + c * kDoubles, columns[r][c]);
            }
        }
    }
    for (size_t r = 0; r < kRows && j < to; ++r) {
        RowWith<Columns, kRowPacks>(a, rows[r], first, end, j, to);
    }
}

// One step on many rows, a pack of columns at a time, then the rest singly.
template <class Columns>
__attribute__((always_inline)) inline void StepOnRowsWith(MatrixView a, size_t k, size_t from,
                                                          size_t to, size_t first_row,
                                                          size_t end_row) {
    constexpr size_t kDoubles = sizeof(Columns) / sizeof(double);
    const double* const pivot = a.base + k * a.stride;
    for (size_t i = first_row; i < end_row; ++i) {
        double* const row = a.base + i * a.stride;
        const double f = row[k];
        size_t j = from;
        for (; j + kDoubles <= to; j += kDoubles) {
            Columns columns;
            Columns pivot_columns;
            Load(columns, row + j);
            Load(pivot_columns, pivot + j);
            Store(row + j, columns - f * pivot_columns);
        }
        for (; j < to; ++j) {
            row[j] = row[j] - f * pivot[j];
        }
    }
}

void RowBaseline(MatrixView a, double* row, size_t first, size_t end, size_t from, size_t to) {
    RowWith<Pack2, 8>(a, row, first, end, from, to);
}
void FourRowsBaseline(MatrixView a, double* const rows[4], size_t first, size_t end, size_t from,
                      size_t to) {
    FourRowsWith<Pack2, 2, 1>(a, rows, first, end, from, to);
}

void StepOnRowsBaseline(MatrixView a, size_t k, size_t from, size_t to, size_t first_row,
                        size_t end_row) {
    StepOnRowsWith<Pack2>(a, k, from, to, first_row, end_row);
}

#if defined(__x86_64__)
// No fused multiply-add in any (-ffp-contract=off).
__attribute__((target("avx2"))) void RowAvx2(MatrixView a, double* row, size_t first, size_t end,
                                             size_t from, size_t to) {
    RowWith<Pack4, 4>(a, row, first, end, from, to);
}
__attribute__((target("avx2"))) void FourRowsAvx2(MatrixView a, double* const rows[4], size_t first,
                                                  size_t end, size_t from, size_t to) {
    FourRowsWith<Pack4, 2, 1>(a, rows, first, end, from, to);
}
__attribute__((target("avx2"))) void StepOnRowsAvx2(MatrixView a, size_t k, size_t from, size_t to,
                                                    size_t first_row, size_t end_row) {
    StepOnRowsWith<Pack4>(a, k, from, to, first_row, end_row);
}
__attribute__((target("avx512f"))) void RowAvx512(MatrixView a, double* row, size_t first,
                                                  size_t end, size_t from, size_t to) {
    RowWith<Pack8, 4>(a, row, first, end, from, to);
}
__attribute__((target("avx512f"))) void FourRowsAvx512(MatrixView a, double* const rows[4],
                                                       size_t first, size_t end, size_t from,
                                                       size_t to) {
    FourRowsWith<Pack8, 3, 1>(a, rows, first, end, from, to);
}
__attribute__((target("avx512f"))) void StepOnRowsAvx512(MatrixView a, size_t k, size_t from,
                                                         size_t to, size_t first_row,
                                                         size_t end_row) {
    StepOnRowsWith<Pack8>(a, k, from, to, first_row, end_row);
}
#endif

}  // namespace

EliminationKernels SelectEliminationKernels(VectorWidth width) {
#if defined(__x86_64__)
    if (width == VectorWidth::kWidest && __builtin_cpu_supports("avx512f")) {
        return {RowAvx512, FourRowsAvx512, StepOnRowsAvx512};
    }
    if (width != VectorWidth::kBaseline && __builtin_cpu_supports("avx2")) {
        return {RowAvx2, FourRowsAvx2, StepOnRowsAvx2};
    }
#endif
    (void)width;
    return {RowBaseline, FourRowsBaseline, StepOnRowsBaseline};
}

}  // namespace kalvesta
