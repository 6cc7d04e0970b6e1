// The headless analysis pipeline: everything a calculation runs between the
// whole-aircraft preparation and the stability recommendation, on data owned by
// one AnalysisData that the caller allocates once.
#pragma once

#include <cstddef>

#include "analysis/grid.h"
#include "analysis/influence.h"
#include "analysis/kernels/huge_page_block.h"
#include "analysis/kernels/worker_pool.h"
#include "analysis/lattice.h"
#include "analysis/memo.h"
#include "analysis/pipeline_observer.h"
#include "analysis/results.h"
#include "analysis/solution.h"
#include "analysis/trim.h"
#include "model/aircraft.h"

namespace kalvesta {

// All analysis state: about 15 MB of lattice and a matrix of 3500 × 3500
// reserved (not touched until a calculation writes them), and the threads that
// share the big loops (started with the data, so that no calculation starts
// one). Heap-allocate it once (std::make_unique) and keep it: its own 320 KB
// come on zeroed (huge) pages too, so that making it touches one page, not the
// seventy small ones its members would otherwise fault in one by one.
struct AnalysisData {
    // Every member initialises itself; the made constructor keeps value
    // initialisation from also zeroing the panel points, which only ever hold
    // what EINFLUSS wrote.
    AnalysisData();

    static void* operator new(size_t bytes) { return MapZeroedPages(bytes); }
    static void operator delete(void* data, size_t bytes) { UnmapZeroedPages(data, bytes); }

    Lattice lattice;
    Solution solution;
    Results results;
    Memo memo;
    TrimMatrix trim_matrix;
    PanelPoints panel_points;
    WorkerPool workers;
};

// How a calculation ended; the memo says why in every case but kCompleted.
enum class PipelineOutcome {
    kRefused,      // GRID refused a surface or the aircraft: no lattice
    kTrimFailed,   // TRAWY2 could not lay a trapezoid's strips
    kNoLift,       // WIRBEL_ERG found a surface or the aircraft without lift
    kSolveFailed,  // EINFLUSS or LOES reported a failure; the results stand all the same
    kCompleted,    // results, and no step reported a failure
};

// Results exist: Aircraft::results_valid after the calculation.
constexpr bool HasResults(PipelineOutcome outcome) {
    return outcome == PipelineOutcome::kSolveFailed || outcome == PipelineOutcome::kCompleted;
}
// A step reported a failure: Memo::calc_failed after the calculation.
constexpr bool CalcFailed(PipelineOutcome outcome) {
    return outcome != PipelineOutcome::kCompleted;
}

// Runs, on an aircraft prepared by PrepareAircraft and a memo the caller has
// reset to its heading: calc_wing_count = wing_count, the one
// place it is set; clear calc_failed; GRID (observer:
// GridCounted); stop if failed (kRefused); TRAWY2; stop if failed (kTrimFailed,
// else LatticeReady); EINFLUSS; LOES (on false "LOES: Fehler..." is added and the
// memo shown); WIRBEL_ERG (a surface without lift stops here: kNoLift). Then
// kSolveFailed if EINFLUSS or LOES failed, else kCompleted. results_valid and
// calc_failed are left as HasResults and CalcFailed of the outcome say. Requires
// wing_count in 1..3.
PipelineOutcome RunPipeline(Aircraft& aircraft, AnalysisData& data, PipelineObserver& observer);
// The same, sharing the big loops with `workers` instead of data's own: a
// calculation beside another runs on the threads that are already awake (a pool
// that has just finished a job keeps its threads watching for the next for a
// millisecond, and two such pools would take turns at the processors).
PipelineOutcome RunPipelineWithWorkers(Aircraft& aircraft, AnalysisData& data,
                                       PipelineObserver& observer, WorkerPool& workers);

// A lattice beside the calculation's, on an aircraft whose calc_wing_count is set:
// with the counts `data.lattice` holds, lays it with `spacing` (TRAWY2), then
// EINFLUSS, LOES and WIRBEL_ERG into data.results, on a memo reset to its heading
// and without progress, sharing the work with `workers` when given (the same bits
// either way). False when a step reported a failure (its lines in data.memo).
bool SolveCountedLattice(const Aircraft& aircraft, LatticeSpacing spacing, AnalysisData& data,
                         WorkerPool* workers);

}  // namespace kalvesta
