// From the solved circulation to lift slopes, aerodynamic centres, the reference
// surface and the neutral point (WIRBEL_ERG).
#pragma once

#include "analysis/lattice.h"
#include "analysis/memo.h"
#include "analysis/results.h"
#include "analysis/solution.h"
#include "model/aircraft.h"

namespace kalvesta {

// Writes every WIRBEL_ERG output of `results`: the lattice's span, area, mean chord
// and aspect ratio per surface (0 for surfaces outside the analysis), the lift
// slopes and aerodynamic centres, the reference values and the neutral point.
// A surface, or the whole aircraft, whose lift comes out exactly 0 (or not finite)
// has no aerodynamic centre: it is refused with two lines in the memo, which is
// shown, and calc_failed; its figures, and x_np if the total is affected, stay 0.
// Returns false after such a refusal.
bool WIRBEL_ERG(const Aircraft& aircraft, const Lattice& lattice, const PerPanelNumber& circulation,
                Results& results, Memo& memo);

}  // namespace kalvesta
