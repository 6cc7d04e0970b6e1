// The refined-lattice check: GRID at a larger budget, TRAWY2 with cosine spacing,
// then the calculation's own influence matrix, solve and circulation results.
#include "analysis/refined_check.h"

#include "analysis/circulation_results.h"
#include "analysis/grid.h"
#include "analysis/influence.h"
#include "analysis/solver.h"

namespace kalvesta {

int FinestPanelBudget(const Aircraft& calculated, AnalysisData& scratch) {
    // The largest surface's half gets about its budget, so no budget beyond the
    // panel capacity can fit; the count is not monotone in the budget (rounding),
    // hence the search from the top.
    for (int budget = kMaxPanels; budget >= kDocumentedPanelBudget; --budget) {
        scratch.memo.Clear();
        scratch.memo.calc_failed = false;
        GRID(calculated, scratch.lattice, scratch.memo, budget);
        if (!scratch.memo.calc_failed) {
            return budget;
        }
    }
    return 0;
}

RefinedLattice SolveRefinedLattice(const Aircraft& calculated, int panel_budget,
                                   AnalysisData& scratch) {
    Aircraft aircraft = calculated;  // WIRBEL_ERG rewrites the planform figures
    Memo& memo = scratch.memo;
    Lattice& lattice = scratch.lattice;
    memo.Reset(aircraft.english_captions);
    memo.calc_failed = false;

    RefinedLattice refined;
    refined.panel_budget = panel_budget;
    GRID(aircraft, lattice, memo, panel_budget);
    if (memo.calc_failed) {
        return refined;
    }
    TRAWY2(aircraft, lattice, scratch.trim_matrix, memo, LatticeSpacing::kCosine);
    EINFLUSS(aircraft.calc_wing_count, lattice, scratch.panel_points,
             scratch.solution.influence_matrix, memo, &scratch.workers);
    PipelineObserver quiet;
    const bool solved = LOES(lattice.panel_count, scratch.solution, memo, quiet, &scratch.workers);
    if (!solved ||
        !WIRBEL_ERG(aircraft, lattice, scratch.solution.circulation, scratch.results, memo) ||
        memo.calc_failed) {
        return refined;
    }
    refined.ok = true;
    refined.panel_count = lattice.panel_count;
    for (size_t w = 1; w <= kMaxWings; ++w) {
        refined.chord_count[w] = lattice.chord_count[w];
        refined.span_count[w] = lattice.span_count[w];
        refined.wing_lift_slope[w] = scratch.results.wing_lift_slope[w];
        refined.wing_x_ac[w] = scratch.results.wing_x_ac[w];
    }
    refined.x_np = scratch.results.x_np;
    return refined;
}

RefinedCheck RunRefinedCheck(const Aircraft& calculated, const Results& documented,
                             AnalysisData& scratch) {
    RefinedCheck check;
    const int budget = FinestPanelBudget(calculated, scratch);
    if (budget == 0) {
        return check;
    }
    check.refined = SolveRefinedLattice(calculated, budget, scratch);
    if (check.refined.ok) {
        check.x_np_change_mm = check.refined.x_np - documented.x_np;
        check.x_np_change_percent = check.x_np_change_mm / documented.ref_length * 100.0;
    }
    return check;
}

}  // namespace kalvesta
