// The tail volume of each surface against Wing-1, the figure every tail-sizing
// rule of thumb starts from:
//   V = S_t · l_t / (S_w · c_w),
// S_t the surface's area, l_t = x_ac,t − x_ac,Wing-1 the distance between the
// aerodynamic centres (negative for a surface ahead, a canard), S_w and c_w the
// area and mean aerodynamic chord of Wing-1, all as the lattice has them.
#pragma once

#include <optional>

#include "analysis/results.h"

namespace kalvesta {

// The usual range of a tailplane's volume on model aircraft (sailplanes at its low
// end, sport and training models towards the high one).
inline constexpr double kTypicalTailVolumeLow = 0.35;
inline constexpr double kTypicalTailVolumeHigh = 0.7;

enum class TailVolumeRating { kAhead, kBelowTypical, kTypical, kAboveTypical };

// V of `wing` (2 or 3) from the results of a calculation that included it;
// nothing for Wing-1 or a surface outside the analysis, or while Wing-1 has no
// area or chord.
std::optional<double> TailVolume(const Results& results, int wing);

// Where V lies against the typical range; kAhead for a negative V (a canard,
// which the tailplane rule does not describe).
TailVolumeRating RateTailVolume(double volume);

}  // namespace kalvesta
