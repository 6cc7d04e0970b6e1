// One calculation, from the aircraft's description to the recommended centre of
// gravity: the one path the window's "Calculate" and the command line both take.
#pragma once

#include <functional>
#include <string_view>

#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "model/aircraft_inputs.h"

namespace kalvesta {

// The analysis between the preparation and the stability figures; RunPipeline
// unless a test puts another in its place.
using PipelineRunner = std::function<PipelineOutcome(Aircraft&, AnalysisData&, PipelineObserver&)>;

// The stability figures for the margin box's text (read as a decimal number, ""
// as 0), on results of a completed pipeline.
void StabilityForMargin(const Aircraft& aircraft, std::string_view margin_text, Results& results);

// The aircraft prepared once from its description (PrepareForCalculation; the
// observer hears AircraftPrepared), the memo reset to its heading, the pipeline,
// and where it gives results the stability figures for `margin_text`. The aircraft
// keeps its file name; the observer hears the pipeline's progress.
PipelineOutcome Calculate(const AircraftInputs& description, std::string_view margin_text,
                          Aircraft& aircraft, AnalysisData& data, PipelineObserver& observer,
                          const PipelineRunner& run_pipeline = RunPipeline);

}  // namespace kalvesta
