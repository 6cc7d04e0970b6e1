// One calculation, from the aircraft's description to the recommended centre of gravity.
#include "analysis/calculation.h"

#include "analysis/stability.h"
#include "model/text_to_double.h"

namespace kalvesta {

void StabilityForMargin(const Aircraft& aircraft, std::string_view margin_text, Results& results) {
    ComputeStability(aircraft.calc_wing_count, TextToDouble(margin_text), results);
}

PipelineOutcome Calculate(const AircraftInputs& description, std::string_view margin_text,
                          Aircraft& aircraft, AnalysisData& data, PipelineObserver& observer,
                          const PipelineRunner& run_pipeline) {
    PrepareForCalculation(aircraft, description);
    observer.AircraftPrepared();
    data.memo.Reset();
    const PipelineOutcome outcome = run_pipeline(aircraft, data, observer);
    if (HasResults(outcome)) {
        StabilityForMargin(aircraft, margin_text, data.results);
    }
    return outcome;
}

}  // namespace kalvesta
