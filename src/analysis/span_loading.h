// How the lift is spread along the span, from the solved lattice: per strip of
// each surface's half, the local lift coefficient and the load per unit lift
// coefficient of the whole aircraft, the elliptic load of the same span and lift
// beside it, and the station where the local lift coefficient peaks, where the
// surface stalls first.
//
// With Γ the circulations of a strip's panels (unit speed, unit angle of attack):
//   section lift per unit span     c·cl_α = 2 ΣΓ
//   aircraft                       CL_α   = Σ over both halves of all strips 2 ΣΓ dy / S_ref
//   local lift coefficient         cl/CL  = 2 ΣΓ / (c · CL_α)
//   load                           c·cl/(c_ref·CL) = 2 ΣΓ / (c_ref · CL_α)
// so that the load integrated over both halves of a surface, times c_ref·CL_α /
// S_surface, is the surface's lift slope.
#pragma once

#include <cstddef>
#include <vector>

#include "analysis/lattice.h"
#include "analysis/results.h"
#include "analysis/solution.h"
#include "model/aircraft.h"

namespace kalvesta {

struct LoadStrip {
    double y_mm = 0.0;       // the strip's middle, from the centre line
    double dy_mm = 0.0;      // its width
    double chord_mm = 0.0;   // the chord at its middle
    double cl_per_CL = 0.0;  // 0 where the chord is 0
    double load = 0.0;       // c·cl/(c_ref·CL)
};

// Where a surface's local lift coefficient is highest, as a fraction f of its
// half-span: the root (f < 1/3), mid-span, or the tips (f > 1/2: the outer half,
// where a stall takes the ailerons and drops a wing).
enum class StallStart { kRoot, kMidSpan, kTips };

struct SurfaceLoading {
    std::vector<LoadStrip> strips;  // one half, root to tip
    double span_mm = 0.0;           // b, tip to tip
    double load_integral_mm = 0.0;  // ∫ load dy over both halves
    size_t peak_strip = 0;          // the first strip with the highest cl/CL
    double peak_y_mm = 0.0;
    double peak_fraction = 0.0;  // peak_y_mm / (b / 2)
    StallStart stall_start = StallStart::kRoot;
};

struct SpanLoading {
    int wing_count = 0;             // the surfaces of the calculation
    PerWing<SurfaceLoading> wings;  // 1..wing_count
    double lift_slope = 0.0;        // CL_α of the aircraft, per radian on ref_area
};

// The loading of every surface of the calculation. Needs the lattice, circulation
// and results of a calculation with results (HasResults); nothing is changed.
SpanLoading ComputeSpanLoading(const Aircraft& aircraft, const Lattice& lattice,
                               const PerPanelNumber& circulation, const Results& results);

// The elliptic load of the surface's span b and lift at y:
//   (4 ∫load dy / (π b)) · √(1 − (2y/b)²), 0 beyond the tips.
double EllipticLoad(const SurfaceLoading& surface, double y_mm);

}  // namespace kalvesta
