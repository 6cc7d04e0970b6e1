// One row of the influence matrix: the downwash at one control point of every
// horseshoe with its mirror image, several horseshoes at a time where the
// processor has wide registers (the same bits as one at a time).
#pragma once

#include <cstddef>

#include "analysis/kernels/panel_points.h"
#include "analysis/kernels/vector_width.h"

namespace kalvesta {

// row[j] = INDU(P_i − E1_j, P_i − E2_j) + INDU(P_i − E2'_j, P_i − E1'_j) for
// j = 0..n−1, where E' is E with y negated (the mirror image, traversed from E2'
// to E1').
using FillInfluenceRow = void (*)(const PanelPoints& points, size_t n, size_t i, double* row);

// The widest form this processor runs within `width`.
FillInfluenceRow SelectInfluenceRowFiller(VectorWidth width = VectorWidth::kWidest);

}  // namespace kalvesta
