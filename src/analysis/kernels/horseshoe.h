// The Biot-Savart law for one horseshoe vortex, written once for a single
// double and for packs of doubles that are computed element by element with the
// same operations in the same order (IEEE products, sums, quotients and square
// roots are exact roundings in either form, so every lane equals the scalar).
#pragma once

#include "analysis/kernels/double_packs.h"

namespace kalvesta {
namespace horseshoe {

// For a point exactly on a trailing leg's line (r_y = r_z = 0) the leg's r_z is
// replaced by this, so that the leg contributes r_y × (a finite value) = 0.
inline constexpr double kLegCutOff = 1e-17;

// Vertical velocity × 4π of a unit horseshoe at P, with r1 = P − (start of the
// bound segment) and r2 = P − (end of the bound segment). `Number` is double or
// a pack of doubles with a SquareRoot overload (double_packs.h). Arguments by reference: see
// double_packs.h.
template <class Number>
__attribute__((always_inline)) inline void Downwash(const Number& r1x, const Number& r1y,
                                                    const Number& r1z_in, const Number& r2x,
                                                    const Number& r2y, const Number& r2z_in,
                                                    Number& result) {
    Number r1z = r1z_in;
    Number r2z = r2z_in;
    // Bound segment, with r0 = r2 − r1 (start minus end):
    //   w_bound = (r0 × r1)_z · (r0·r1/|r1| − r0·r2/|r2|) / |r0 × r1|².
    const Number r0x = r2x - r1x;
    const Number r0y = r2y - r1y;
    const Number r0z = r2z - r1z;
    const Number s1 = r0x * r1x + r0y * r1y + r0z * r1z;
    const Number s2 = r0x * r2x + r0y * r2y + r0z * r2z;
    Number length1;
    Number length2;
    SquareRoot(r1x * r1x + r1y * r1y + r1z * r1z, length1);
    SquareRoot(r2x * r2x + r2y * r2y + r2z * r2z, length2);
    const Number c_x = r0y * r1z - r0z * r1y;
    const Number c_y = r0z * r1x - r0x * r1z;
    const Number c_z = r0x * r1y - r0y * r1x;
    const Number q = c_x * c_x + c_y * c_y + c_z * c_z;
    const Number zero{};  // 0.0 in every lane
    const Number f = q == 0.0 ? zero : (s1 / length1 - s2 / length2) / q;

    // Semi-infinite legs along x: w_leg = (r_x/|r| + 1) / (r_y² + r_z²), times −r1_y
    // for the leg arriving at the start and +r2_y for the leg leaving the end.
    r1z = ((r1z == 0.0) & (r1y == 0.0)) ? zero + kLegCutOff : r1z;
    r2z = ((r2z == 0.0) & (r2y == 0.0)) ? zero + kLegCutOff : r2z;
    const Number g1 = (r1x / length1 + 1.0) / (r1y * r1y + r1z * r1z);
    const Number g2 = (r2x / length2 + 1.0) / (r2y * r2y + r2z * r2z);
    result = c_z * f - r1y * g1 + r2y * g2;
}

}  // namespace horseshoe
}  // namespace kalvesta
