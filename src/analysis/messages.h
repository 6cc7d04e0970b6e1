// The refusal lines the analysis writes when it cannot calculate a surface or the
// whole aircraft.
#pragma once

#include "analysis/memo.h"

namespace kalvesta {

// "Can not calculate wing-<w>. ", then the reason; shows the memo and sets
// calc_failed.
void ReportSurfaceRefusal(Memo& memo, int wing, TextId reason);

// "Can not calculate the aircraft. ", then the reason; shows the memo and sets
// calc_failed.
void ReportAircraftRefusal(Memo& memo, TextId reason);

}  // namespace kalvesta
