// The fuselage's own pitching moment and the shift of the neutral point it gives:
// Munk's moment of a slender body in Multhopp's strips, each strip turned by the
// flow angle that the solved lattice induces on the fuselage's axis (upwash ahead of
// a surface, downwash behind it), with Lamb's apparent-mass factor of a prolate
// spheroid of the fuselage's fineness. A fuselage is destabilising: the moment
// rises with the angle of attack and the neutral point moves forward.
#pragma once

#include <vector>

#include "analysis/carried_through.h"
#include "analysis/lattice.h"
#include "analysis/results.h"
#include "analysis/solution.h"
#include "model/fuselage.h"

namespace kalvesta {

// Strips the fuselage's length is divided into at least, beside the breaks at its
// stations and at the surfaces' root chords. The upwash rises steeply towards a
// leading edge; still, on the aircraft measured the shift with 60 strips lies within
// 1 % of that with 240 (20 strips: 3 %).
inline constexpr int kFuselageStripCount = 60;

// Lamb's k2 − k1 for a prolate spheroid of fineness f = length / diameter ≥ 1, with
// e = √(1 − 1/f²), L = ln((1 + e) / (1 − e)), α0 = 2 (1 − e²) / e³ (L/2 − e),
// β0 = 1/e² − (1 − e²) / (2 e³) L, k1 = α0 / (2 − α0), k2 = β0 / (2 − β0):
// 0 for a sphere, 0.94 at f = 10, towards 1 for a long body.
double LambFactor(double fineness);

// d(ε_u)/dα at the point (x, 0, z): the vertical velocity that the solved horseshoes
// of the lattice and their mirror images induce there, for the circulation of unit
// speed and unit angle of attack; negative where they induce downwash.
double AxisUpwash(const Lattice& lattice, int calc_wing_count, const PerPanelNumber& circulation,
                  double x_mm, double z_mm);

// One of Multhopp's strips: its middle, its width (the root mean square of the
// outline's over the strip, so that width² × length is the outline's ∫w² dx), its
// length and its flow factor 1 + d(ε_u)/dα at the middle.
struct FuselageStrip {
    double x_mm = 0.0;
    double width_mm = 0.0;
    double dx_mm = 0.0;
    double flow_factor = 0.0;
};

struct FuselageMoment {
    FuselageSize size;
    double k2_minus_k1 = 0.0;
    // Nose to tail; the fuselage over a surface's root chord is left out: the surface
    // carries it.
    std::vector<FuselageStrip> strips;
    double lift_slope = 0.0;     // CL_α of the carried-through aircraft on its ref_area, per rad
    double cm_alpha = 0.0;       // the fuselage's Cm_α on ref_area and ref_length, per rad
    double x_np_shift_mm = 0.0;  // −Cm_α / CL_α × ref_length
    // The carried-through figures with x_np moved by the shift and the recommended
    // centre of gravity from it, for the same margins.
    Results results;
};

// Cm_α = (π/2) (k2 − k1) / (S c) Σ w_i² (1 + d(ε_u)/dα at x_i) dx_i per radian, S
// and c the carried-through reference area and length, on the axis at Wing-1's
// height. Requires a usable outline (CheckOutline) and carried-through results,
// whose lattice and circulation `lattice` and `circulation` are.
FuselageMoment ComputeFuselageMoment(const Fuselage& fuselage, const CarriedThrough& carried,
                                     const Lattice& lattice, const PerPanelNumber& circulation);

}  // namespace kalvesta
