// Test support: every picture the window draws from an aircraft (planforms, top
// view, 3-D view and, with results, the result view), drawn on recording
// canvases of the window's sizes and checked for soundness.
#pragma once

#include <string>

#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "views/wing_selection.h"

namespace kalvesta::testing_support {

// "" when every picture is sound; otherwise one line per faulty picture,
// "<picture>: <fault>". `analysis` is null when there are no results to draw.
std::string SoundViewsFault(const Aircraft& aircraft, const WingSelection& drawn,
                            const AnalysisData* analysis);

}  // namespace kalvesta::testing_support
