// Induced velocity of a horseshoe vortex (INDU) and the influence matrix of the
// whole lattice with the mirrored left half (EINFLUSS).
#pragma once

#include "analysis/kernels/panel_points.h"
#include "analysis/kernels/worker_pool.h"
#include "analysis/lattice.h"
#include "analysis/memo.h"
#include "analysis/solution.h"

namespace kalvesta {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Vertical velocity × 4π that a horseshoe of unit circulation induces at a point
// P, given r1 = P − (start of the bound segment) and r2 = P − (end of the bound
// segment): trailing leg from x = +∞ to the start, bound segment, trailing leg from
// the end to x = +∞. A point on the bound segment's line or on a trailing leg's
// line gets 0 from that part.
double INDU(Vec3 r1, Vec3 r2);

// Fills the lattice.panel_count × panel_count block of influence_matrix:
// element (i, j) = INDU(P_i − E1_j, P_i − E2_j) + INDU of the mirror image
// (y of the ends negated, traversed from E2' to E1'). When the surfaces 1..
// calc_wing_count do not add up to panel_count, adds "EINFLUSS: Irgend ein
// Kuddel-Muddel", shows the memo, sets calc_failed and leaves the block zero.
// The rows are shared among `workers` when given (the same bits either way).
void EINFLUSS(int calc_wing_count, const Lattice& lattice, PanelPoints& points,
              PanelMatrix& influence_matrix, Memo& memo, WorkerPool* workers = nullptr);

}  // namespace kalvesta
