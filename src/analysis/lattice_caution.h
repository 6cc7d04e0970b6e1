// How far the calculation's answer depends on its lattice: two more lattices, coarser
// (0.5 and 0.6 times the counts in each direction: a quarter and a third of the
// panels, some 2 % and 5 % of the solve) and differently spaced (cosine, as the
// refined-lattice check lays them), solved beside the calculation's. Where either
// neutral point differs from the calculation's by more than 2 % of the reference
// length, the answer is fragile (surfaces closer together than the lattice
// resolves, say): both figures are shown with the advice to run the refined-lattice
// check. Measured, not guessed from the geometry. One lattice alone is not enough:
// where the answer is fragile the lattices scatter, and one of them may land near
// the calculation's by chance (the three large surfaces of bench/data: −27.9 % and
// −0.2 %); on the conventional aircraft of the corpus both lie within 1.6 %.
#pragma once

#include <array>

#include "analysis/lattice.h"
#include "analysis/pipeline.h"
#include "analysis/results.h"
#include "model/aircraft.h"

namespace kalvesta {

inline constexpr std::array<double, 2> kCautionCountRatios = {0.5, 0.6};
inline constexpr double kCautionPercentOfRefLength = 2.0;

struct LatticeCaution {
    bool measured = false;  // every other lattice was solved
    // The other lattice whose neutral point lies farthest from the calculation's
    // (or the first that could not be solved):
    int panel_count = 0;
    double x_np = 0.0;                 // its neutral point, mm in aircraft x
    double x_np_change_mm = 0.0;       // x_np − the calculation's
    double x_np_change_percent = 0.0;  // the same in percent of the calculation's ref_length
    // The change exceeds kCautionPercentOfRefLength, or an other lattice could not be
    // solved where the calculation's could.
    bool shown = false;
};

// The other lattices of the aircraft and lattice of a completed calculation, whose
// figures are `documented`, solved in `scratch` with `workers`.
LatticeCaution MeasureLatticeDependence(const Aircraft& calculated, const Lattice& calculation,
                                        const Results& documented, AnalysisData& scratch,
                                        WorkerPool& workers);

}  // namespace kalvesta
