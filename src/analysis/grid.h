// The panel grid: GRID sizes the lattice (chordwise panels per surface, strips per
// trapezoid) and refuses what it cannot grid; TRAWY2 lays strips and panels.
#pragma once

#include "analysis/lattice.h"
#include "analysis/memo.h"
#include "analysis/trim.h"
#include "model/aircraft.h"

namespace kalvesta {

// Counts for surfaces 1..calc_wing_count (all others 0). Refuses, in surface
// order, every surface with no area, with more than 299 chordwise panels or with
// 300 or more strips, and then an aircraft of more than 3000 panels: two lines
// each in the memo, which is shown, and calc_failed. A refused aircraft is left
// with all counts 0, so that no reader walks past the lattice's arrays.
void GRID(const Aircraft& aircraft, Lattice& lattice, Memo& memo);

// Clears the whole geometry, then lays every strip of surfaces 1..calc_wing_count
// (edges from TRAPEZ_TRIM for trapezoids of two or more strips), the control
// points, strip chords and the surface heights (equal heights are moved apart by
// 0.333, 0.666 and 0.5 mm). A failed trim reports itself and sets calc_failed; the
// grid is completed all the same.
void TRAWY2(const Aircraft& aircraft, Lattice& lattice, TrimMatrix& trim_matrix, Memo& memo);

}  // namespace kalvesta
