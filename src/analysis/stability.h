// The stability recommendation's numbers: margins and recommended centre-of-
// gravity positions from the neutral point (the drawing is the views' business).
#pragma once

#include "analysis/results.h"

namespace kalvesta {

// Margins (percent): 8 and 16 with more than one surface, 4 and 8 with one;
// stability_manual = manual_margin_percent. Then each x_cg = x_np − ref_length ×
// margin × 0.01, in that order of operations. A position beyond the double range
// (only from an absurd manual margin) is held at ±DBL_MAX.
void ComputeStability(int calc_wing_count, double manual_margin_percent, Results& results);

// The centre of gravity for a margin in percent of ref_length: x_np − ref_length ×
// margin × 0.01, in that order, held within the double range.
double CentreOfGravityAtMargin(const Results& results, double margin_percent);

// The recommended range of the centre of gravity: the automatic margins, or with
// `manual_margin` the manual margin alone (front and aft then coincide). The front
// end has the larger margin, so the smaller x.
struct CentreOfGravityRange {
    double front_margin_percent = 0.0;
    double aft_margin_percent = 0.0;
    double front_x_mm = 0.0;
    double aft_x_mm = 0.0;
};
CentreOfGravityRange RecommendedRange(const Results& results, bool manual_margin);

// The static margin of a centre of gravity at x_cg_mm, in percent of ref_length:
// (x_np − x_cg) / ref_length × 100; positive when the centre of gravity lies ahead
// of the neutral point.
double StaticMarginPercent(const Results& results, double x_cg_mm);

}  // namespace kalvesta
