// The vortex-lattice panels drawn into the aircraft top view, right half only,
// each panel a quadrilateral outlined in its wing's colour, with the top view's
// mapping so that grid and outlines match.
#pragma once

#include "analysis/lattice.h"
#include "views/canvas.h"
#include "views/view_mapping.h"

namespace kalvesta {

// Draws every panel of wings 1..calc_wing_count with the pen width and brush the
// canvas has (the caller's background, so each panel is filled with it), after a
// top view of the same aircraft has set `mapping`. Counts beyond the lattice's
// capacity are cut to it.
void DrawGrid(Canvas& canvas, const Lattice& lattice, int calc_wing_count,
              const ViewMapping& mapping);

}  // namespace kalvesta
