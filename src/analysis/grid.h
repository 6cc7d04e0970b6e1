// The panel grid: GRID sizes the lattice (chordwise panels per surface, strips per
// trapezoid) and refuses what it cannot grid; TRAWY2 lays strips and panels.
#pragma once

#include "analysis/lattice.h"
#include "analysis/memo.h"
#include "analysis/trim.h"
#include "model/aircraft.h"

namespace kalvesta {

// How TRAWY2 lays the lattice:
// - kTrimmedUniform, the calculation's own: strip edges from TRAPEZ_TRIM, uniform
//   panels along the chord, the bound vortex at a quarter and the control point
//   at three quarters of each panel, on the strip's arithmetic centre line;
// - kCosine, the refined-lattice check's: strip edges at (1 − cos(π i / n)) / 2
//   of every trapezoid's span and chordwise lines at (1 − cos(π m / n_c)) / 2 of
//   the chord, dense at the leading and trailing edges, the tips and the
//   trapezoid junctions. Seen as angles on a semicircle, each bound vortex sits
//   at its panel's middle angle, each control point at the panel's rear angle,
//   and the control points of a strip on the line at the strip's middle angle.
//   In two dimensions a flat plate's lift, and from two chordwise panels on its
//   moment, then come out exact. Measured on the start-up aircraft, the neutral
//   point converges with an order of 1.3 to 1.9 in the panel size and lies
//   within 0.02 mm of its limit from 200 panels on. Control points on the
//   strip's arithmetic centre line instead converge with order 1 and are still
//   0.3 mm from the limit at 2200 panels: the tip strips see their edge vortices
//   unevenly.
enum class LatticeSpacing { kTrimmedUniform, kCosine };

// Counts for surfaces 1..calc_wing_count (all others 0): about 400 panels on the
// largest surface's half, the others in proportion to their area. Refuses, in
// surface order, every surface with no area, with more than 299 chordwise panels
// or with 300 or more strips, and then an aircraft of more than 3000 panels: two
// lines each in the memo, which is shown, and calc_failed. A refused aircraft is
// left with all counts 0, so that no reader walks past the lattice's arrays.
void GRID(const Aircraft& aircraft, Lattice& lattice, Memo& memo);

// Clears the whole geometry, then lays every strip of surfaces 1..calc_wing_count
// by the lattice's counts (edges from TRAPEZ_TRIM for trapezoids of two or more
// strips), the control points, strip chords and the surface heights. A failed
// trim reports itself and sets calc_failed; the grid is completed all the same.
// With cosine spacing no trim runs.
void TRAWY2(const Aircraft& aircraft, Lattice& lattice, TrimMatrix& trim_matrix, Memo& memo,
            LatticeSpacing spacing = LatticeSpacing::kTrimmedUniform);

// The height of every surface's plane, equal heights moved apart by 0.333, 0.666
// and 0.5 mm, as TRAWY2 lays them.
PerWing<double> SurfaceHeights(const Aircraft& aircraft);

}  // namespace kalvesta
