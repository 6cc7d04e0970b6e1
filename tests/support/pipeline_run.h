// One calculation on an aircraft prepared beforehand, as "Calculate" runs it after
// the preparation: the memo reset to its heading, then the pipeline, on analysis
// data of its own.
#pragma once

#include <memory>

#include "analysis/pipeline.h"

namespace kalvesta::testing_support {

struct PipelineRun {
    std::unique_ptr<AnalysisData> data = std::make_unique<AnalysisData>();
    PipelineOutcome outcome = PipelineOutcome::kRefused;

    PipelineOutcome Calculate(Aircraft& aircraft, PipelineObserver& observer) {
        data->memo.Reset();
        outcome = RunPipeline(aircraft, *data, observer);
        return outcome;
    }
    PipelineOutcome Calculate(Aircraft& aircraft) {
        PipelineObserver quiet;
        return Calculate(aircraft, quiet);
    }
    const Results& results() const { return data->results; }
};

}  // namespace kalvesta::testing_support
