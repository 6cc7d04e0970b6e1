// The elimination's inner loops in three widths: two, four or eight doubles per
// register. Columns stay in registers while the steps run over them in order;
// the group form shares each load of a pivot row among its rows: four with
// eight doubles (16 of 32 registers hold their columns), six with four or two
// (12 of 16; four with two in WebAssembly). Pivot rows go four at a time in every width, so that a
// block and a sub-block of its panel hold whole groups of them; the rows of such a group also take
// each other's steps and their scales while their columns are in registers. A row's last columns,
// fewer than a pack, are one partial pack.
#include "analysis/kernels/elimination_kernels.h"

#include "analysis/kernels/double_packs.h"

namespace kalvesta {
namespace {

// A group of pivot rows, k on, and their scales.
struct PivotRows {
    size_t k = 0;
    const double* scales = nullptr;
};

// With kSolve, row r of a group of pivot rows, which has taken the steps
// first..k−1, takes the steps of the group's rows before it from their final
// columns (`above`, `above_stride` packs apart) and then its scale:
//
//   row[r][j] ← (row[r][j] − Σ_{q<r} row[r][k+q] × row[q][j]) × scales[r].
template <bool kSolve, class Columns>
__attribute__((always_inline)) inline void SolveInGroup(double* const rows[], PivotRows pivot_rows,
                                                        Columns& column, const Columns* above,
                                                        size_t r, size_t above_stride) {
    if constexpr (kSolve) {
        for (size_t q = 0; q < r; ++q) {
            column = column - rows[r][pivot_rows.k + q] * above[q * above_stride];
        }
        column = column * pivot_rows.scales[r];
    }
}

// kRows rows, kPacks packs of columns of each at a time from column j on, the
// loads of the pivot rows shared by the rows; returns the first column left over
// (fewer than kPacks packs).
template <bool kSolve, class Columns, size_t kRows, size_t kPacks>
__attribute__((always_inline)) inline size_t PacksWith(MatrixView a, double* const rows[],
                                                       size_t first, size_t end,
                                                       PivotRows pivot_rows, size_t j, size_t to) {
    constexpr size_t kDoubles = sizeof(Columns) / sizeof(double);
    constexpr size_t kWidth = kPacks * kDoubles;
    for (; j + kWidth <= to; j += kWidth) {
        // Unrolled, so that the columns go straight between the rows and the
        // registers: copied through the stack instead, a pack stored in halves and
        // loaded whole waits for both halves.
        Columns columns[kRows][kPacks];
#pragma GCC unroll 8
        for (size_t r = 0; r < kRows; ++r) {
#pragma GCC unroll 8
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
#pragma GCC unroll 8
        for (size_t r = 0; r < kRows; ++r) {
#pragma GCC unroll 8
            for (size_t c = 0; c < kPacks; ++c) {
                SolveInGroup<kSolve>(rows, pivot_rows, columns[r][c], &columns[0][c], r, kPacks);
            }
        }
#pragma GCC unroll 8
        for (size_t r = 0; r < kRows; ++r) {
#pragma GCC unroll 8
            for (size_t c = 0; c < kPacks; ++c) {
                Store(rows[r] + j + c * kDoubles, columns[r][c]);
            }
        }
    }
    return j;
}

// The last columns j..to−1 of kRows rows, fewer than a pack, as one partial pack.
template <bool kSolve, class Columns, size_t kRows>
__attribute__((always_inline)) inline void LastColumnsWith(MatrixView a, double* const rows[],
                                                           size_t first, size_t end,
                                                           PivotRows pivot_rows, size_t j,
                                                           size_t to) {
    if (j == to) {
        return;
    }
    const size_t count = to - j;
    Columns columns[kRows];
    for (size_t r = 0; r < kRows; ++r) {
        LoadFirst(columns[r], rows[r] + j, count);
    }
    for (size_t step = first; step < end; ++step) {
        Columns pivot_columns;
        LoadFirst(pivot_columns, a.base + step * a.stride + j, count);
        for (size_t r = 0; r < kRows; ++r) {
            columns[r] = columns[r] - rows[r][step] * pivot_columns;
        }
    }
    for (size_t r = 0; r < kRows; ++r) {
        SolveInGroup<kSolve>(rows, pivot_rows, columns[r], columns, r, 1);
    }
    for (size_t r = 0; r < kRows; ++r) {
        StoreFirst(rows[r] + j, columns[r], count);
    }
}

// kRows consecutive rows from `row` on: kPacks packs of columns at a time, then
// single packs (still kRows independent rows in flight), then the last columns
// as a partial pack.
template <class Columns, size_t kRows, size_t kPacks, bool kSolve = false>
__attribute__((always_inline)) inline void RowsWith(MatrixView a, double* row, size_t first,
                                                    size_t end, size_t from, size_t to,
                                                    PivotRows pivot_rows = {}) {
    double* rows[kRows];
    for (size_t r = 0; r < kRows; ++r) {
        rows[r] = row + r * a.stride;
    }
    size_t j = PacksWith<kSolve, Columns, kRows, kPacks>(a, rows, first, end, pivot_rows, from, to);
    j = PacksWith<kSolve, Columns, kRows, 1>(a, rows, first, end, pivot_rows, j, to);
    LastColumnsWith<kSolve, Columns, kRows>(a, rows, first, end, pivot_rows, j, to);
}

// kSolvedRows pivot rows k.. from `row` on: steps first..k−1, the group's own
// steps and the scales.
template <class Columns, size_t kPacks>
__attribute__((always_inline)) inline void PivotRowsWith(MatrixView a, double* row, size_t first,
                                                         size_t k, const double* scales,
                                                         size_t from, size_t to) {
    RowsWith<Columns, kSolvedRows, kPacks, true>(a, row, first, k, from, to, {k, scales});
}

// One step on many rows, a pack of columns at a time, then the rest singly (the
// search reads a row's first column at once; there single stores are faster
// than a masked partial pack), and the row's right-hand side and pivot search
// while the row is in cache.
template <class Columns>
__attribute__((always_inline)) inline void StepOnRowsWith(MatrixView a, double* b, size_t k,
                                                          size_t from, size_t to, size_t first_row,
                                                          size_t end_row, Pivot& next) {
    constexpr size_t kDoubles = sizeof(Columns) / sizeof(double);
    const double* const pivot = a.base + k * a.stride;
    const double pivot_b = b[k];
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
        b[i] = b[i] - f * pivot_b;
        if (from < to) {
            Consider(next, row[from], i);
        }
    }
}

void RowBaseline(MatrixView a, double* row, size_t first, size_t end, size_t from, size_t to) {
    RowsWith<Pack2, 1, 8>(a, row, first, end, from, to);
}
// WebAssembly's compiler in the browser keeps fewer of the sixteen registers for
// the columns: four rows (8 packs) run a third faster there than six.
#if defined(__wasm_simd128__)
constexpr size_t kBaselineGroupRows = 4;
#else
constexpr size_t kBaselineGroupRows = 6;
#endif
void GroupBaseline(MatrixView a, double* row, size_t first, size_t end, size_t from, size_t to) {
    RowsWith<Pack2, kBaselineGroupRows, 2>(a, row, first, end, from, to);
}
void PivotRowsBaseline(MatrixView a, double* row, size_t first, size_t k, const double* scales,
                       size_t from, size_t to) {
    PivotRowsWith<Pack2, 2>(a, row, first, k, scales, from, to);
}
void StepOnRowsBaseline(MatrixView a, double* b, size_t k, size_t from, size_t to, size_t first_row,
                        size_t end_row, Pivot& next) {
    StepOnRowsWith<Pack2>(a, b, k, from, to, first_row, end_row, next);
}

#if defined(__x86_64__)
// No fused multiply-add in any (-ffp-contract=off).
__attribute__((target("avx2"))) void RowAvx2(MatrixView a, double* row, size_t first, size_t end,
                                             size_t from, size_t to) {
    RowsWith<Pack4, 1, 4>(a, row, first, end, from, to);
}
__attribute__((target("avx2"))) void GroupAvx2(MatrixView a, double* row, size_t first, size_t end,
                                               size_t from, size_t to) {
    RowsWith<Pack4, 6, 2>(a, row, first, end, from, to);
}
__attribute__((target("avx2"))) void PivotRowsAvx2(MatrixView a, double* row, size_t first,
                                                   size_t k, const double* scales, size_t from,
                                                   size_t to) {
    PivotRowsWith<Pack4, 2>(a, row, first, k, scales, from, to);
}
__attribute__((target("avx2"))) void StepOnRowsAvx2(MatrixView a, double* b, size_t k, size_t from,
                                                    size_t to, size_t first_row, size_t end_row,
                                                    Pivot& next) {
    StepOnRowsWith<Pack4>(a, b, k, from, to, first_row, end_row, next);
}
__attribute__((target("avx512f"))) void RowAvx512(MatrixView a, double* row, size_t first,
                                                  size_t end, size_t from, size_t to) {
    RowsWith<Pack8, 1, 4>(a, row, first, end, from, to);
}
__attribute__((target("avx512f"))) void GroupAvx512(MatrixView a, double* row, size_t first,
                                                    size_t end, size_t from, size_t to) {
    RowsWith<Pack8, 4, 4>(a, row, first, end, from, to);
}
__attribute__((target("avx512f"))) void PivotRowsAvx512(MatrixView a, double* row, size_t first,
                                                        size_t k, const double* scales, size_t from,
                                                        size_t to) {
    PivotRowsWith<Pack8, 4>(a, row, first, k, scales, from, to);
}
__attribute__((target("avx512f"))) void StepOnRowsAvx512(MatrixView a, double* b, size_t k,
                                                         size_t from, size_t to, size_t first_row,
                                                         size_t end_row, Pivot& next) {
    StepOnRowsWith<Pack8>(a, b, k, from, to, first_row, end_row, next);
}
#endif

}  // namespace

EliminationKernels SelectEliminationKernels(VectorWidth width) {
#if defined(__x86_64__)
    if (width == VectorWidth::kWidest && __builtin_cpu_supports("avx512f")) {
        return {RowAvx512, GroupAvx512, 4, PivotRowsAvx512, StepOnRowsAvx512};
    }
    if (width != VectorWidth::kBaseline && __builtin_cpu_supports("avx2")) {
        return {RowAvx2, GroupAvx2, 6, PivotRowsAvx2, StepOnRowsAvx2};
    }
#endif
    (void)width;
    return {RowBaseline, GroupBaseline, kBaselineGroupRows, PivotRowsBaseline, StepOnRowsBaseline};
}

}  // namespace kalvesta
