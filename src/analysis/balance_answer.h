// The plain answer to "where do I balance the model?": the recommended range of the
// centre of gravity as distances behind the root leading edge of Wing-1, the edge a
// builder can put a ruler to. The front-ends make the sentence.
#pragma once

#include "analysis/results.h"
#include "analysis/stability.h"
#include "model/aircraft.h"

namespace kalvesta {

struct BalanceAnswer {
    CentreOfGravityRange range;  // in aircraft x, with the margins
    double datum_x_mm = 0.0;     // aircraft x of the edge measured from
    // range.front_x_mm − datum and range.aft_x_mm − datum: mm behind the edge,
    // negative ahead of it. Equal for a manual margin.
    double front_behind_mm = 0.0;
    double aft_behind_mm = 0.0;

    bool IsOnePosition() const { return front_behind_mm == aft_behind_mm; }
};

// The recommended range (RecommendedRange) measured from the root leading edge of
// Wing-1, which lies at wing_x_mm[1] whatever the sweep.
BalanceAnswer PlainBalanceAnswer(const Aircraft& aircraft, const Results& results,
                                 bool manual_margin);

}  // namespace kalvesta
