// The panel grid: GRID sizes the lattice (chordwise panels per surface, strips per
// trapezoid) and refuses what it cannot grid; TRAWY2 lays strips and panels.
#pragma once

#include "analysis/lattice.h"
#include "analysis/memo.h"
#include "analysis/trim.h"
#include "model/aircraft.h"

namespace kalvesta {

// Panels the largest surface gets on its half-span in the calculation's own lattice.
inline constexpr int kDocumentedPanelBudget = 400;

// How TRAWY2 places the strip edges and the chordwise lines: the calculation's own
// lattice (edges from TRAPEZ_TRIM, uniform panels along the chord) or cosine spacing
// in both directions, dense at every trapezoid's ends and at the leading and
// trailing edges.
enum class LatticeSpacing { kTrimmedUniform, kCosine };

// Counts for surfaces 1..calc_wing_count (all others 0). Refuses, in surface
// order, every surface with no area, with more than 299 chordwise panels or with
// 300 or more strips, and then an aircraft of more than 3000 panels: two lines
// each in the memo, which is shown, and calc_failed. A refused aircraft is left
// with all counts 0, so that no reader walks past the lattice's arrays.
// `panel_budget` is what the largest surface gets; the others get it in
// proportion to their area.
void GRID(const Aircraft& aircraft, Lattice& lattice, Memo& memo,
          int panel_budget = kDocumentedPanelBudget);

// Clears the whole geometry, then lays every strip of surfaces 1..calc_wing_count
// (edges from TRAPEZ_TRIM for trapezoids of two or more strips), the control
// points, strip chords and the surface heights (equal heights are moved apart by
// 0.333, 0.666 and 0.5 mm). A failed trim reports itself and sets calc_failed; the
// grid is completed all the same. With cosine spacing no trim runs.
void TRAWY2(const Aircraft& aircraft, Lattice& lattice, TrimMatrix& trim_matrix, Memo& memo,
            LatticeSpacing spacing = LatticeSpacing::kTrimmedUniform);

}  // namespace kalvesta
