// The refined-lattice check: how far the calculation's neutral point lies from the
// answer the same vortex-lattice model gives on a fine lattice. Three cosine
// lattices (see LatticeSpacing::kCosine) refine every surface together, chordwise
// and spanwise, each one's panels 1.5 times smaller than the previous one's; the
// limit of their neutral points is estimated by Richardson extrapolation, with an
// uncertainty, or the check says that they have not converged.
#pragma once

#include <array>
#include <vector>

#include "analysis/convergence.h"
#include "analysis/pipeline.h"
#include "analysis/results.h"
#include "model/aircraft.h"

namespace kalvesta {

// Every count of a study lattice (chordwise panels of a surface, strips of a
// trapezoid) is its unit times 4, 6 and 9 in turn: exactly 1.5 times finer each
// time. Every surface has as many chordwise units as the panel capacity allows,
// the largest ones possibly one more, and each trapezoid as many strip units as
// make its panels about square.
inline constexpr int kStudyLatticeCount = 3;
inline constexpr std::array<int, kStudyLatticeCount> kStudyMultipliers = {4, 6, 9};
inline constexpr double kStudyRatio = 1.5;
// The three lattices agree "within nothing worth a figure": 0.01 % of ref_length.
inline constexpr double kSettledSpreadOfRefLength = 1e-4;

// One lattice of the study, solved.
struct StudyLattice {
    int panel_count = 0;
    PerWing<int> chord_count{};
    PerWing<int> span_count{};
    PerWing<double> wing_lift_slope{};  // per radian
    PerWing<double> wing_x_ac{};        // mm, aircraft x (aft of x = 0)
    double x_np = 0.0;                  // mm, aircraft x
};

enum class RefinedOutcome {
    kCompleted,  // every lattice solved; `x_np` says whether they converged
    kRefused,    // not even the coarsest study fits: `refusal` says why
    kFailed,     // a lattice could not be solved: `failure` holds the memo's lines
    kCancelled,  // the progress said stop
};

// Why no study fits: in the finest lattice of the coarsest study, surface `wing`
// would need `strips` strips on its half (more than 299), or the aircraft `panels`
// panels (more than kPanelCapacity).
struct StudyRefusal {
    int wing = 0;
    int strips = 0;
    int panels = 0;
};

// The answer for a model builder, from the change in percent of ref_length.
enum class RefinedVerdict {
    kNegligible,    // under 0.5 %
    kWorthKnowing,  // 0.5 % to 2 %
    kLarge,         // above 2 %: trust the refined value
    kNotConverged,  // the lattices disagree: the spread is all there is
};

// The verdict's text in the catalogue ("refined.verdict.negligible": "The difference
// is negligible."), whose name after "refined.verdict." names it where a name is
// wanted (the command line's JSON).
TextId VerdictText(RefinedVerdict verdict);

struct RefinedCheck {
    RefinedOutcome outcome = RefinedOutcome::kFailed;
    std::array<StudyLattice, kStudyLatticeCount> lattices{};  // coarsest first
    // The limit of x_np (mm, aircraft x) and its uncertainty, or, not converged,
    // the finest lattice's x_np and the spread of the three.
    ConvergenceEstimate x_np{};
    // Surfaces too close for the lattices (kSurfacesTooClose): the pair, and the
    // height between their planes in mm.
    int close_wing_a = 0;
    int close_wing_b = 0;
    double close_gap_mm = 0.0;
    double x_np_change_mm = 0.0;       // x_np.value − the calculation's x_np
    double x_np_change_percent = 0.0;  // the same in percent of its ref_length
    RefinedVerdict verdict = RefinedVerdict::kNotConverged;
    StudyRefusal refusal{};
    std::vector<Message> failure;  // kFailed: the memo's lines after its heading
};

// Hears the study between its lattices (on the thread that runs it).
class RefinedCheckProgress {
public:
    virtual ~RefinedCheckProgress() = default;
    // Before lattice `lattice` of `count` (1-based) is laid and solved; false
    // stops the check (kCancelled).
    virtual bool Continue(int /*lattice*/, int /*count*/) { return true; }
};

// The study on the aircraft as a completed calculation left it (its planform
// tables and calc_wing_count; not changed), against that calculation's figures
// `documented`, in `scratch` (its own analysis data: the calculation's lattice
// and results stay as they are).
RefinedCheck RunRefinedCheck(const Aircraft& calculated, const Results& documented,
                             AnalysisData& scratch, RefinedCheckProgress& progress);

}  // namespace kalvesta
