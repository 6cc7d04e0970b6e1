// The caution's lattices: the calculation's counts made coarser, cosine spacing.
#include "analysis/lattice_caution.h"

#include <algorithm>
#include <cmath>

#include "model/check.h"
#include "model/pixel.h"

namespace kalvesta {
namespace {

// A count of the calculation's lattice times `ratio`; at least 1 where it was.
int32_t Coarser(double ratio, int32_t count) {
    return count > 0 ? std::max(RoundHalfEven(ratio * count), 1) : 0;
}

// The counts of the calculation's lattice times `ratio`, in `lattice`.
void CountCoarser(int calc_wing_count, const Lattice& calculation, double ratio, Lattice& lattice) {
    lattice.panel_count = 0;
    lattice.chord_count = {};
    lattice.span_count = {};
    lattice.trap_span_count = {};
    for (size_t w = 1; w <= static_cast<size_t>(calc_wing_count); ++w) {
        lattice.chord_count[w] = Coarser(ratio, calculation.chord_count[w]);
        for (size_t t = 1; t <= kMaxLatticeTrapezoids; ++t) {
            lattice.trap_span_count[t][w] = Coarser(ratio, calculation.trap_span_count[t][w]);
            lattice.span_count[w] += lattice.trap_span_count[t][w];
        }
        lattice.panel_count += lattice.chord_count[w] * lattice.span_count[w];
    }
}

}  // namespace

LatticeCaution MeasureLatticeDependence(const Aircraft& calculated, const Lattice& calculation,
                                        const Results& documented, AnalysisData& scratch,
                                        WorkerPool& workers) {
    KALVESTA_CHECK(calculated.calc_wing_count >= 1 && calculated.calc_wing_count <= kMaxWings);
    LatticeCaution caution;
    caution.measured = true;
    for (const double ratio : kCautionCountRatios) {
        CountCoarser(calculated.calc_wing_count, calculation, ratio, scratch.lattice);
        const int panel_count = scratch.lattice.panel_count;
        if (!SolveCountedLattice(calculated, LatticeSpacing::kCosine, scratch, &workers)) {
            caution = {};
            caution.panel_count = panel_count;
            break;
        }
        const double change = scratch.results.x_np - documented.x_np;
        if (ratio == kCautionCountRatios.front() ||
            std::fabs(change) > std::fabs(caution.x_np_change_mm)) {
            caution.panel_count = panel_count;
            caution.x_np = scratch.results.x_np;
            caution.x_np_change_mm = change;
            caution.x_np_change_percent = change / documented.ref_length * 100.0;
        }
    }
    caution.shown = !caution.measured ||
                    !(std::fabs(caution.x_np_change_percent) <= kCautionPercentOfRefLength);
    return caution;
}

}  // namespace kalvesta
