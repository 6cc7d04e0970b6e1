// The stability recommendation's numbers: margins and recommended centre-of-
// gravity positions from the neutral point (the drawing is the views' business).
#pragma once

#include <string_view>

#include "analysis/results.h"

namespace kalvesta {

// The margin box's text as a decimal number, whatever the locale: leading blanks,
// an optional sign, digits with an optional "." and fraction, an optional
// exponent ("e" or "E", optional sign, digits). The longest prefix of that form is
// converted and the rest ignored, so "7.5" gives 7.5, "7,5" gives 7, "1e" gives 1,
// and text with no digits (empty, "-", ".", "abc", "inf", "nan") gives 0. A value
// beyond the double range gives ±DBL_MAX, one below it ±0. Never fails.
double TextToDouble(std::string_view text);

// Margins (percent): 8 and 16 with more than one surface, 4 and 8 with one;
// stability_manual = manual_margin_percent. Then each x_cg = x_np − ref_length ×
// margin × 0.01, in that order of operations. A position beyond the double range
// (only from an absurd manual margin) is held at ±DBL_MAX.
void ComputeStability(int calc_wing_count, double manual_margin_percent, Results& results);

}  // namespace kalvesta
