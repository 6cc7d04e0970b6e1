// The linear solve of the lattice: LOES scales the influence matrix in place and
// solves it for a right-hand side of −1 with SIMQ902.
#pragma once

#include "analysis/kernels/worker_pool.h"
#include "analysis/memo.h"
#include "analysis/pipeline_observer.h"
#include "analysis/solution.h"

namespace kalvesta {

// 1/(4π) as the seven-digit decimal the scaling uses.
inline constexpr double kOneOverFourPi = 0.0795775;

// influence_matrix ← 0.0795775 × influence_matrix over the panel_count block,
// b = −1, SIMQ902 on it, circulation[1..panel_count] = b. Returns true when solved; otherwise
// adds "LOES: Fehler beim Loesen des Gleichungssystems ", shows the memo, sets
// calc_failed and returns false (the circulation is stored all the same). The
// elimination shares its work with `workers` when given (same bits either way).
bool LOES(int panel_count, Solution& solution, Memo& memo, PipelineObserver& observer,
          WorkerPool* workers = nullptr);

// Eliminates solve_matrix (its active n × n block) in place and leaves the
// solution in b[1..n]. Reports n − k to the observer for every step k, in
// ascending k, as the blocked elimination completes its steps. Returns
// the status: 0 solved, 1 when a step met a column of zeros (the system is
// singular; that unknown is then set to 0 and the elimination goes on).
int SIMQ902(PerPanelNumber& b, int n, PanelMatrix& solve_matrix, PipelineObserver& observer,
            WorkerPool* workers = nullptr);

}  // namespace kalvesta
