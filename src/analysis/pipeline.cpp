// The analysis pipeline in the order of a calculation: grid, lattice, influence
// matrix, solve, circulation results.
#include "analysis/pipeline.h"

#include "analysis/circulation_results.h"
#include "analysis/grid.h"
#include "analysis/influence.h"
#include "analysis/solver.h"
#include "model/check.h"

namespace kalvesta {
namespace {

PipelineOutcome RunSteps(Aircraft& aircraft, AnalysisData& data, PipelineObserver& observer,
                         WorkerPool& workers) {
    Memo& memo = data.memo;
    memo.calc_failed = false;
    aircraft.results_valid = false;

    GRID(aircraft, data.lattice, memo);
    observer.GridCounted();
    if (memo.calc_failed) {
        return PipelineOutcome::kRefused;
    }
    TRAWY2(aircraft, data.lattice, data.trim_matrix, memo);
    if (memo.calc_failed) {
        return PipelineOutcome::kTrimFailed;
    }
    observer.LatticeReady();

    // From here on a failure is reported but the calculation goes on.
    EINFLUSS(aircraft.calc_wing_count, data.lattice, data.panel_points,
             data.solution.influence_matrix, memo, &workers);
    if (!LOES(data.lattice.panel_count, data.solution, memo, observer, &workers)) {
        memo.AddLine(TextId::kAnalysisSolveFailedAfter);
        memo.visible = true;
    }
    // Except for a surface without lift: it has no aerodynamic centre to show.
    const bool solve_failed = memo.calc_failed;
    if (!WIRBEL_ERG(aircraft, data.lattice, data.solution.circulation, data.results, memo)) {
        return PipelineOutcome::kNoLift;
    }
    aircraft.results_valid = true;
    return solve_failed ? PipelineOutcome::kSolveFailed : PipelineOutcome::kCompleted;
}

}  // namespace

AnalysisData::AnalysisData() = default;

bool SolveCountedLattice(const Aircraft& aircraft, LatticeSpacing spacing, AnalysisData& data,
                         WorkerPool* workers) {
    Memo& memo = data.memo;
    memo.Reset();
    memo.calc_failed = false;
    TRAWY2(aircraft, data.lattice, data.trim_matrix, memo, spacing);
    EINFLUSS(aircraft.calc_wing_count, data.lattice, data.panel_points,
             data.solution.influence_matrix, memo, workers);
    PipelineObserver quiet;
    return LOES(data.lattice.panel_count, data.solution, memo, quiet, workers) &&
           WIRBEL_ERG(aircraft, data.lattice, data.solution.circulation, data.results, memo) &&
           !memo.calc_failed;
}

PipelineOutcome RunPipeline(Aircraft& aircraft, AnalysisData& data, PipelineObserver& observer) {
    return RunPipelineWithWorkers(aircraft, data, observer, data.workers);
}

PipelineOutcome RunPipelineWithWorkers(Aircraft& aircraft, AnalysisData& data,
                                       PipelineObserver& observer, WorkerPool& workers) {
    KALVESTA_CHECK(aircraft.wing_count >= 1 && aircraft.wing_count <= kMaxWings);
    // The surfaces of this calculation, which the analysis steps and the result
    // views read.
    aircraft.calc_wing_count = aircraft.wing_count;
    const PipelineOutcome outcome = RunSteps(aircraft, data, observer, workers);
    KALVESTA_CHECK(aircraft.results_valid == HasResults(outcome));
    KALVESTA_CHECK(data.memo.calc_failed == CalcFailed(outcome));
    return outcome;
}

}  // namespace kalvesta
