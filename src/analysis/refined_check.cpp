// The refined-lattice check: sizes the three lattices of the study, lays each with
// cosine spacing (TRAWY2), solves it with the calculation's own influence matrix,
// solve and circulation results, and estimates the limit of the neutral point.
#include "analysis/refined_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/grid.h"
#include "model/check.h"
#include "model/pixel.h"

namespace kalvesta {
namespace {

// The units every count of the study is a multiple of.
struct StudyUnits {
    PerWing<int> chord{};   // chordwise panels of surface w, per multiplier
    PerTrapezoid strips{};  // strips of trapezoid t of surface w, per multiplier
};

// The units for `chord` chordwise units on every surface, one more on the
// `raised` largest ones (by area, the earlier first on equal areas); each
// trapezoid of positive span gets at least one strip unit, and as many as make
// square panels of its mean chord.
StudyUnits UnitsFor(const Aircraft& aircraft, int chord, int raised) {
    const auto wings = static_cast<size_t>(aircraft.calc_wing_count);
    StudyUnits units;
    for (size_t w = 1; w <= wings; ++w) {
        int larger = 0;
        for (size_t other = 1; other <= wings; ++other) {
            const double area = aircraft.wing_s[other];
            larger += area > aircraft.wing_s[w] || (area == aircraft.wing_s[w] && other < w);
        }
        units.chord[w] = larger < raised ? chord + 1 : chord;
        for (size_t t = 1; t < static_cast<size_t>(aircraft.station_count[w]); ++t) {
            const double dy = aircraft.plan_y[t][w] - aircraft.plan_y[t - 1][w];
            if (dy > 0.0) {
                const double mean_chord = (aircraft.plan_c[t - 1][w] + aircraft.plan_c[t][w]) / 2.0;
                // Clamped: a trapezoid without chord needs "too many".
                const int32_t square =
                    std::min(RoundHalfEven(units.chord[w] * dy / mean_chord), kStripCapacity);
                units.strips[t][w] = std::max(square, 1);
            }
        }
    }
    return units;
}

// The counts of the lattice `multiplier` times the units (all others 0).
void CountStudyLattice(const Aircraft& aircraft, const StudyUnits& units, int multiplier,
                       Lattice& lattice) {
    lattice.panel_count = 0;
    lattice.chord_count = {};
    lattice.span_count = {};
    lattice.trap_span_count = {};
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        lattice.chord_count[w] = units.chord[w] * multiplier;
        for (size_t t = 1; t <= kMaxLatticeTrapezoids; ++t) {
            lattice.trap_span_count[t][w] = units.strips[t][w] * multiplier;
            lattice.span_count[w] += lattice.trap_span_count[t][w];
        }
        lattice.panel_count += lattice.chord_count[w] * lattice.span_count[w];
    }
}

// What stops the finest lattice of `units` from fitting; all 0 when it fits.
StudyRefusal FinestLatticeFit(const Aircraft& aircraft, const StudyUnits& units) {
    const int multiplier = kStudyMultipliers.back();
    StudyRefusal refusal;
    long panels = 0;
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        long strip_units = 0;
        for (size_t t = 1; t <= kMaxLatticeTrapezoids; ++t) {
            strip_units += units.strips[t][w];
        }
        const long strips = strip_units * multiplier;
        if (refusal.wing == 0 && strips > kMaxSpanCount) {
            refusal.wing = static_cast<int>(w);
            refusal.strips = static_cast<int>(strips);
        }
        panels += strips * units.chord[w] * multiplier;
    }
    if (refusal.wing == 0 && panels > kPanelCapacity) {
        refusal.panels = static_cast<int>(panels);
    }
    return refusal;
}

bool Fits(const StudyRefusal& refusal) {
    return refusal.wing == 0 && refusal.panels == 0;
}

// The finest study that fits the strips and the panel capacity (and at most 299
// chordwise panels): the most chordwise units on every surface, then one more on
// as many of the largest surfaces as still fit, so that every surface is refined
// as far as the largest allows. `refusal` says why not even one unit fits.
StudyUnits ChooseUnits(const Aircraft& aircraft, StudyRefusal& refusal) {
    refusal = FinestLatticeFit(aircraft, UnitsFor(aircraft, 1, 0));
    if (!Fits(refusal)) {
        return StudyUnits{};
    }
    const auto fits = [&aircraft](int chord, int raised) {
        return (chord + (raised > 0 ? 1 : 0)) * kStudyMultipliers.back() <= kMaxChordCount &&
               Fits(FinestLatticeFit(aircraft, UnitsFor(aircraft, chord, raised)));
    };
    int chord = 1;
    while (fits(chord + 1, 0)) {
        ++chord;
    }
    int raised = 0;
    while (raised + 1 < aircraft.calc_wing_count && fits(chord, raised + 1)) {
        ++raised;
    }
    return UnitsFor(aircraft, chord, raised);
}

// The coarsest lattice's resolution of one surface, and where it lies along x.
struct CoarsestPanels {
    double strip_width = 0.0;   // mm, the widest of its trapezoids' mean strips
    double panel_length = 0.0;  // mm, the longest of their mean chordwise panels
    double front_x = 0.0;       // mm, its foremost leading edge
    double back_x = 0.0;        // mm, its rearmost trailing edge
};

CoarsestPanels CoarsestPanelsOf(const Aircraft& aircraft, const StudyUnits& units, size_t w) {
    const int multiplier = kStudyMultipliers.front();
    CoarsestPanels panels;
    panels.front_x = aircraft.plan_x[0][w];
    panels.back_x = aircraft.plan_x[0][w] + aircraft.plan_c[0][w];
    for (size_t t = 1; t < static_cast<size_t>(aircraft.station_count[w]); ++t) {
        panels.front_x = std::min(panels.front_x, aircraft.plan_x[t][w]);
        panels.back_x = std::max(panels.back_x, aircraft.plan_x[t][w] + aircraft.plan_c[t][w]);
        const int strips = units.strips[t][w] * multiplier;
        if (strips == 0) {
            continue;
        }
        const double dy = aircraft.plan_y[t][w] - aircraft.plan_y[t - 1][w];
        const double mean_chord = (aircraft.plan_c[t - 1][w] + aircraft.plan_c[t][w]) / 2.0;
        panels.strip_width = std::max(panels.strip_width, dy / strips);
        panels.panel_length =
            std::max(panels.panel_length, mean_chord / (units.chord[w] * multiplier));
    }
    return panels;
}

// Two surfaces closer in height than the coarsest lattice can resolve, so that
// no three lattices of the study are asymptotic; the closest such pair.
// - Surfaces over each other (their x ranges overlap) act panel on panel: not
//   resolved when a panel is longer or a strip wider than the height between
//   them. The three large surfaces of 1500 mm chord 30 to 80 mm apart, on panels
//   of 190 mm: x_np jumps by tens of millimetres from lattice to lattice.
// - Otherwise the rear surface lies in the front one's trailing vortices, which
//   the lattice spaces a strip apart: not resolved when the front surface's
//   strips are more than five times wider than the height between them. The
//   start-up tailplane 0.333 to 3 mm above the wing's plane (its strips 23 mm
//   wide): x_np moves by 0.1 to 4 mm from lattice to lattice without an order;
//   5 mm and more above it, x_np settles within 0.03 mm.
bool FindCloseSurfaces(const Aircraft& aircraft, const StudyUnits& units, RefinedCheck& check) {
    const auto wings = static_cast<size_t>(aircraft.calc_wing_count);
    PerWing<CoarsestPanels> panels{};
    for (size_t w = 1; w <= wings; ++w) {
        panels[w] = CoarsestPanelsOf(aircraft, units, w);
    }
    const PerWing<double> z = SurfaceHeights(aircraft);
    bool found = false;
    for (size_t a = 1; a <= wings; ++a) {
        for (size_t b = a + 1; b <= wings; ++b) {
            const double gap = std::fabs(z[a] - z[b]);
            const CoarsestPanels& pa = panels[a];
            const CoarsestPanels& pb = panels[b];
            const bool over_each_other =
                std::max(pa.front_x, pb.front_x) < std::min(pa.back_x, pb.back_x);
            const double front_strips = pa.front_x < pb.front_x ? pa.strip_width : pb.strip_width;
            const bool resolved = over_each_other
                                      ? std::max({pa.strip_width, pa.panel_length, pb.strip_width,
                                                  pb.panel_length}) <= gap
                                      : front_strips <= 5.0 * gap;
            if (!resolved && (!found || gap < check.close_gap_mm)) {
                found = true;
                check.close_wing_a = static_cast<int>(a);
                check.close_wing_b = static_cast<int>(b);
                check.close_gap_mm = gap;
            }
        }
    }
    return found;
}

// Lays, solves and evaluates the lattice `multiplier` times `units` in `scratch`.
// False, with the memo's lines in check.failure, when a step reported a failure.
bool SolveStudyLattice(const Aircraft& aircraft, const StudyUnits& units, int multiplier,
                       AnalysisData& scratch, StudyLattice& solved, RefinedCheck& check) {
    Lattice& lattice = scratch.lattice;
    CountStudyLattice(aircraft, units, multiplier, lattice);
    if (!SolveCountedLattice(aircraft, LatticeSpacing::kCosine, scratch, &scratch.workers)) {
        check.failure = scratch.memo.Lines(1);
        return false;
    }
    solved.panel_count = lattice.panel_count;
    solved.chord_count = lattice.chord_count;
    solved.span_count = lattice.span_count;
    solved.wing_lift_slope = scratch.results.wing_lift_slope;
    solved.wing_x_ac = scratch.results.wing_x_ac;
    solved.x_np = scratch.results.x_np;
    return true;
}

RefinedVerdict VerdictFor(const RefinedCheck& check) {
    if (!IsConverged(check.x_np.verdict)) {
        return RefinedVerdict::kNotConverged;
    }
    const double percent = std::fabs(check.x_np_change_percent);
    if (percent < 0.5) {
        return RefinedVerdict::kNegligible;
    }
    return percent <= 2.0 ? RefinedVerdict::kWorthKnowing : RefinedVerdict::kLarge;
}

}  // namespace

TextId VerdictText(RefinedVerdict verdict) {
    switch (verdict) {
        case RefinedVerdict::kNegligible:
            return TextId::kRefinedVerdictNegligible;
        case RefinedVerdict::kWorthKnowing:
            return TextId::kRefinedVerdictWorthKnowing;
        case RefinedVerdict::kLarge:
            return TextId::kRefinedVerdictLarge;
        case RefinedVerdict::kNotConverged:
            break;
    }
    return TextId::kRefinedVerdictNotConverged;
}

RefinedCheck RunRefinedCheck(const Aircraft& calculated, const Results& documented,
                             AnalysisData& scratch, RefinedCheckProgress& progress) {
    KALVESTA_CHECK(calculated.calc_wing_count >= 1 && calculated.calc_wing_count <= kMaxWings);
    RefinedCheck check;
    const StudyUnits units = ChooseUnits(calculated, check.refusal);
    if (!Fits(check.refusal)) {
        check.outcome = RefinedOutcome::kRefused;
        return check;
    }
    for (size_t level = 0; level < kStudyLatticeCount; ++level) {
        if (!progress.Continue(static_cast<int>(level) + 1, kStudyLatticeCount)) {
            check.outcome = RefinedOutcome::kCancelled;
            return check;
        }
        if (!SolveStudyLattice(calculated, units, kStudyMultipliers[level], scratch,
                               check.lattices[level], check)) {
            check.outcome = RefinedOutcome::kFailed;
            return check;
        }
    }
    check.outcome = RefinedOutcome::kCompleted;

    const std::array<double, kStudyLatticeCount> x_np = {
        check.lattices[0].x_np, check.lattices[1].x_np, check.lattices[2].x_np};
    if (FindCloseSurfaces(calculated, units, check)) {
        // Not converged whatever the steps say: the finest value and the spread.
        const auto [smallest, largest] = std::minmax({x_np[0], x_np[1], x_np[2]});
        check.x_np = {ConvergenceVerdict::kSurfacesTooClose, x_np.back(), largest - smallest,
                      std::numeric_limits<double>::quiet_NaN()};
    } else {
        check.x_np = EstimateLimit(x_np, kStudyRatio,
                                   kSettledSpreadOfRefLength * std::fabs(documented.ref_length));
    }
    check.x_np_change_mm = check.x_np.value - documented.x_np;
    check.x_np_change_percent = check.x_np_change_mm / documented.ref_length * 100.0;
    check.verdict = VerdictFor(check);
    return check;
}

}  // namespace kalvesta
