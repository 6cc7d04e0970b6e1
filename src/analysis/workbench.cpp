// The open design and what is computed from it, kept in step in one place.
#include "analysis/workbench.h"

#include <exception>

namespace kalvesta {

Workbench::Workbench() : analysis_(std::make_unique<AnalysisData>()) {
    design_.Listen([this](const DesignChange& change) { Follow(change); });
    aircraft_.wing_count = design_.inputs().wing_count;
    aircraft_.current_file_name = "Unknown.da4";
    PrepareAll();
    Rebalance();
}

Workbench::~Workbench() = default;

void Workbench::Tell(const WorkbenchChange& change) const {
    for (const Listener& listener : listeners_) {
        listener(change);
    }
}

void Workbench::PrepareAll() {
    PrepareAircraft(aircraft_, design_.inputs());
    analysis_->memo.Reset();
    measured_cg_mm_.reset();
    added_ = {};
}

void Workbench::Prepare() {
    PrepareAll();
    Rebalance();
    WorkbenchChange told;
    told.prepared = told.balance = true;
    Tell(told);
}

// A wing's boxes or trapezoid count recompute that wing alone, as its tab shows it;
// the aircraft's views follow with the next whole-aircraft preparation. The wing
// count, the positions and the fuselage (whose figures are the calculation's)
// prepare the whole aircraft; a new design is taken as a
// file's is, counts and positions first.
void Workbench::Follow(const DesignChange& change) {
    const AircraftInputs& inputs = design_.inputs();
    aircraft_.current_file_name = design_.path().empty() ? "Unknown.da4" : design_.path();
    WorkbenchChange told;
    told.design = change;
    bool geometry = false;
    if (change.replaced) {
        TakeCountsAndPositions(aircraft_, inputs);
        PrepareAll();
        told.prepared = true;
    } else if (change.wing_count || change.positions || change.fuselage) {
        aircraft_.wing_count = inputs.wing_count;
        PrepareAll();
        told.prepared = true;
    } else {
        for (int wing = 1; wing <= kMaxWings; ++wing) {
            const auto w = static_cast<size_t>(wing);
            if (change.wing[w]) {
                ComputeWing(aircraft_, wing, inputs.wings[w], inputs.trapezoids[w]);
                measured_cg_mm_.reset();
                geometry = true;
            }
        }
    }
    geometry = geometry || told.prepared;
    if (change.margin && !geometry && aircraft_.results_valid) {
        Restabilise();
        told.restabilised = true;
    }
    if (geometry || change.parts || change.margin) {
        Rebalance();
        told.balance = true;
    }
    Tell(told);
}

void Workbench::Restabilise() {
    StabilityForMargin(aircraft_, design_.margin().text, analysis_->results);
    StabiliseAddedFigures(design_.margin().text, added_);
}

void Workbench::Rebalance() {
    BalanceQuestion question = question_;
    question.manual_margin = design_.margin().manual;
    balance_ = ComputeBalance(design_.parts().reading().parts,
                              aircraft_.results_valid ? &recommendation() : nullptr, question);
}

PipelineOutcome Workbench::Calculate(PipelineObserver& observer,
                                     const PipelineRunner& run_pipeline) {
    design_.FinishEdit();
    measured_cg_mm_.reset();
    added_ = {};
    PipelineOutcome outcome = PipelineOutcome::kRefused;
    try {
        outcome = kalvesta::Calculate(design_.inputs(), design_.margin().text, aircraft_,
                                      *analysis_, observer, run_pipeline);
        if (HasResults(outcome)) {
            if (!beside_) {
                beside_ = std::make_unique<AnalysisData>();
            }
            added_ = ComputeAddedFigures(aircraft_, *analysis_, design_.fuselage(), *beside_);
        }
    } catch (const std::exception& failure) {
        // Whatever went wrong, the user reads it and there are no results.
        analysis_->memo.AddLine(TextId::kAnalysisCalculationFailed);
        analysis_->memo.ReportFailure(TextId::kVerbatim, {{"text", failure.what()}});
        aircraft_.results_valid = false;
        added_ = {};
        outcome = PipelineOutcome::kRefused;
    }
    Rebalance();
    WorkbenchChange told;
    told.calculated = told.balance = true;
    Tell(told);
    return outcome;
}

void Workbench::AskBalance(const BalanceQuestion& question) {
    question_ = question;
    Rebalance();
    WorkbenchChange told;
    told.balance = true;
    Tell(told);
}

void Workbench::MeasureCentreOfGravity(double x_cg_mm) {
    measured_cg_mm_ = x_cg_mm;
    WorkbenchChange told;
    told.restabilised = true;
    Tell(told);
}

}  // namespace kalvesta
