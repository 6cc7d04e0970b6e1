// The inner loops of the blocked elimination: a run of elimination steps applied
// to some columns of one row, or of a group of consecutive rows at once (pivot
// rows also taking each other's steps and their scales), or one step applied to
// many rows,
//
//   for step = first..end−1 (ascending): row[j] = row[j] − row[step] × a[step][j]
//
// for every column j in from..to−1. Each element receives the steps in ascending
// order as one product and one difference each (never fused), so all variants
// store the same bits; they differ only in how many columns and rows share the
// loads of the pivot rows a[step]. The one-step form also updates the rows'
// right-hand side and searches the next pivot column as it passes each row.
#pragma once

#include <cmath>
#include <cstddef>

#include "analysis/kernels/matrix_view.h"
#include "analysis/kernels/vector_width.h"

namespace kalvesta {

// The pivot of a step: the largest magnitude in its column and its row.
struct Pivot {
    double big = 0.0;
    size_t row = 0;
};

// Rows are considered in ascending order: the later row wins a tie.
inline void Consider(Pivot& pivot, double value, size_t row) {
    const double t = std::fabs(value);
    if (pivot.big <= t) {
        pivot.big = t;
        pivot.row = row;
    }
}

// Steps first..end−1 on one row, or on `group_rows` consecutive rows from `row`
// on (a.stride apart).
using ApplySteps = void (*)(MatrixView a, double* row, size_t first, size_t end, size_t from,
                            size_t to);

// Pivot rows share a group of this many, whatever the width.
inline constexpr size_t kSolvedRows = 4;

// Pivot rows k..k+kSolvedRows−1 from `row` on, over columns from..to−1: steps
// first..k−1, then each row the steps of the group's rows before it and its
// scale (scales[0..kSolvedRows−1]).
using SolvePivotRows = void (*)(MatrixView a, double* row, size_t first, size_t k,
                                const double* scales, size_t from, size_t to);

// Step k on rows first_row..end_row−1: columns from..to−1, then the
// right-hand side, b[i] = b[i] − a[i][k] × b[k]; when from < to, `next`
// considers each row's new a[i][from] in turn.
using ApplyStepToRows = void (*)(MatrixView a, double* b, size_t k, size_t from, size_t to,
                                 size_t first_row, size_t end_row, Pivot& next);

struct EliminationKernels {
    ApplySteps row = nullptr;
    ApplySteps row_group = nullptr;
    // Rows of a group (4 or 6): as many as keep their columns and the shared
    // pivot columns in the registers of the width.
    size_t group_rows = 0;
    SolvePivotRows pivot_rows = nullptr;
    ApplyStepToRows step_on_rows = nullptr;
};

// The widest kernels this processor offers for `width`: AVX-512 or AVX2 where
// present and asked for, else the baseline every processor has.
EliminationKernels SelectEliminationKernels(VectorWidth width);

}  // namespace kalvesta
