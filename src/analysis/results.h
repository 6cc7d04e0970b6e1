// What the analysis reports: per-surface span, area, mean chord and aspect ratio as
// the lattice has them, lift slope and aerodynamic centre, the reference values,
// the neutral point and the centre-of-gravity recommendation.
#pragma once

#include "model/aircraft.h"

namespace kalvesta {

struct Results {
    // WIRBEL_ERG. Surfaces outside the analysis hold 0. The planform figures are the
    // lattice's own (its strips, not the trapezoids the wing tabs integrate).
    PerWing<double> wing_b{};           // mm, span tip to tip
    PerWing<double> wing_s{};           // mm², area of both halves
    PerWing<double> wing_lm{};          // mm, mean aerodynamic chord
    PerWing<double> wing_lam{};         // aspect ratio b² / s
    PerWing<double> wing_lift_slope{};  // per radian, referred to the surface's own area
    PerWing<double> wing_x_ac{};        // aerodynamic centre, mm in aircraft x
    double ref_area = 0.0;              // mm², area of the reference surface
    double ref_length = 0.0;            // mm, its mean aerodynamic chord
    double x_np = 0.0;                  // neutral point, mm in aircraft x

    // Stability recommendation. Margins in percent of ref_length, positions in mm.
    double stability_low = 0.0;
    double stability_high = 0.0;
    double stability_manual = 0.0;
    double x_cg_low = 0.0;
    double x_cg_high = 0.0;
    double x_cg_manual = 0.0;
};

}  // namespace kalvesta
