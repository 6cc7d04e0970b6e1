// Test support: every picture the window draws from an aircraft (planforms, top
// view, 3-D view and, with results, the result view), drawn on recording
// canvases of the window's sizes and checked for soundness.
#pragma once

#include <string>

#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "support/recording_canvas.h"
#include "views/view_mapping.h"
#include "views/wing_selection.h"

namespace kalvesta::testing_support {

// The pictures without results (planforms, top view, 3-D view); the top and 3-D
// views kept with their mapping for what is drawn from them afterwards. `fault` is
// "" when every picture is sound, otherwise one line per faulty picture,
// "<picture>: <fault>".
struct AircraftViews {
    ViewMapping mapping;
    RecordingCanvas top_view{616, 321};  // the window's sizes, in pixels
    RecordingCanvas view_3d{616, 191};
    std::string fault;
};
AircraftViews DrawAircraftViews(const Aircraft& aircraft, const WingSelection& drawn);

// The faults of what is drawn from results beyond the window's pictures: the lift
// along the span and every sheet of the balance template (A4, 10 dots per mm).
std::string ResultDrawingsFault(const Aircraft& aircraft, const AnalysisData& analysis);

// Their faults and, when `analysis` is not null, the result view's and
// ResultDrawingsFault.
std::string SoundViewsFault(const Aircraft& aircraft, const WingSelection& drawn,
                            const AnalysisData* analysis);

}  // namespace kalvesta::testing_support
