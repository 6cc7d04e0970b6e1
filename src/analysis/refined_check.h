// How much the lattice itself moves the answer: the same surfaces and heights on a
// finer lattice, cosine-spaced along the chord and along each trapezoid's span, as
// fine as the panel capacity allows, against the calculation's own figures.
#pragma once

#include "analysis/pipeline.h"
#include "model/aircraft.h"

namespace kalvesta {

// One solve of the cosine-spaced lattice at a given panel budget.
struct RefinedLattice {
    bool ok = false;       // the lattice was laid and solved without a reported failure
    int panel_budget = 0;  // panels of the largest surface's half, as GRID sizes them
    int panel_count = 0;   // panels of the whole aircraft
    PerWing<int> chord_count{};
    PerWing<int> span_count{};
    PerWing<double> wing_lift_slope{};  // per radian
    PerWing<double> wing_x_ac{};        // mm
    double x_np = 0.0;                  // mm
};

struct RefinedCheck {
    RefinedLattice refined;
    double x_np_change_mm = 0.0;       // refined x_np − the calculation's x_np
    double x_np_change_percent = 0.0;  // the same in percent of the calculation's ref_length
};

// `calculated` is the aircraft as a completed calculation left it (its planform
// tables and calc_wing_count); it is not changed.

// The largest panel budget whose lattice GRID accepts within 3000 panels (at
// least the calculation's own 400), or 0 when not even that one fits.
int FinestPanelBudget(const Aircraft& calculated, AnalysisData& scratch);

// Lays, solves and evaluates the cosine lattice of `panel_budget` in `scratch`.
RefinedLattice SolveRefinedLattice(const Aircraft& calculated, int panel_budget,
                                   AnalysisData& scratch);

// The finest lattice against the figures `documented` of the same calculation.
RefinedCheck RunRefinedCheck(const Aircraft& calculated, const Results& documented,
                             AnalysisData& scratch);

}  // namespace kalvesta
