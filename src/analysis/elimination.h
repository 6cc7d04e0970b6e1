// The Gauss elimination with row pivoting shared by the lattice solve (SIMQ902)
// and the trim's Newton step (SIMQ90). Every stored value is a double and every
// element receives its updates in this order, which fixes the rounding:
//
//   for k = 1..n:
//     p = the row i = k..n of largest |a[i][k]|, the later row on a tie
//     s = 1 / a[p][k] if that magnitude is above 0, else 0 (a singular step)
//     t = b[p]; b[p] = b[k]; b[k] = t × s
//     for j = k..n: t = a[p][j]; a[p][j] = a[k][j]; a[k][j] = t × s
//     for j = k+1..n, for i = k+1..n: a[i][j] = a[i][j] − a[i][k] × a[k][j]
//     for i = k+1..n: b[i] = b[i] − a[i][k] × b[k]
//   for i = n−1..1: sum = Σ_{j=i+1..n, ascending} b[j] × a[i][j]; b[i] = b[i] − sum
//
// Columns left of k are not exchanged, and the multipliers a[i][k] stay in the
// matrix below the diagonal. The elements of one column only ever meet the
// multipliers and their own pivot row, so the update of step k may walk the
// matrix row by row (contiguous, vectorisable) instead of column by column, and
// the updates of several steps may be applied to a block of columns together,
// several rows may share the loads of a pivot row, and different threads may
// update different elements, without changing a single bit of any element.
#pragma once

#include <cstddef>

#include "analysis/kernels/matrix_view.h"
#include "analysis/kernels/vector_width.h"

namespace kalvesta {

// The largest system solved: one unknown per panel.
inline constexpr int kMaxEliminationSize = 3500;

// Receives n − k after elimination step k is complete, in ascending k.
class EliminationProgress {
public:
    virtual ~EliminationProgress() = default;
    virtual void StepDone(int remaining) = 0;
};

class WorkerPool;

// Eliminates a (1..n × 1..n) in place and leaves the solution in the right-hand
// side: b[0..n-1] hold unknowns 1..n. Returns the number of singular steps (columns whose largest
// magnitude was 0 and that were passed over with the scale 0). n ≤ 3500. With
// `workers` the large updates are shared among the pool's threads (the results
// are the same bits with any number of threads); without, the caller does all.
int GaussEliminate(MatrixView a, double* b, int n, EliminationProgress* progress,
                   VectorWidth width = VectorWidth::kWidest, WorkerPool* workers = nullptr);

}  // namespace kalvesta
