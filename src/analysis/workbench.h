// The open design with what is computed from it: the aircraft model, the analysis
// data of the last calculation and the figures beside it (the aircraft carried
// through the fuselage, the fuselage's moment, the caution), and the balance of the
// parts. It is the one place
// where a change of the design recomputes the model and invalidates or refreshes
// the results; front-ends change the design through `design()`, run "Calculate"
// here, and redraw when it tells them what changed.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/added_figures.h"
#include "analysis/balance.h"
#include "analysis/calculation.h"
#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "model/design.h"

namespace kalvesta {

// What a change touched: the design's part, and what followed from it.
struct WorkbenchChange {
    DesignChange design;
    bool prepared = false;      // the whole aircraft prepared anew: no results, memo reset
    bool restabilised = false;  // the stability figures or a measured mark on valid results
    bool calculated = false;    // a calculation ended (results, or a failure in the memo)
    bool balance = false;       // the balance of the parts
};

class Workbench {
public:
    using Listener = std::function<void(const WorkbenchChange&)>;

    // The start-up design, prepared, without results.
    Workbench();
    ~Workbench();

    Design& design() { return design_; }
    const Design& design() const { return design_; }
    const Aircraft& aircraft() const { return aircraft_; }
    const AnalysisData& analysis() const { return *analysis_; }
    // The figures beside the results, for the design's fuselage; none without
    // results.
    const AddedFigures& added() const { return added_; }
    // The figures the recommended centre of gravity comes from: with a fuselage
    // described, its neutral point's; else the calculation's. Needs results.
    const Results& recommendation() const {
        return RecommendationResults(added_, analysis_->results);
    }
    // The balance of the design's parts against the recommendation there is, for
    // the question last asked.
    const Balance& balance() const { return balance_; }
    // The centre of gravity measured and marked on the results, until they change.
    const std::optional<double>& measured_cg_mm() const { return measured_cg_mm_; }

    // Listeners hear every change after the model and results have followed it.
    void Listen(Listener listener) { listeners_.push_back(std::move(listener)); }

    // "Calculate" on the design as it stands: the whole analysis to the stability
    // figures for the margin choice, and with results the figures beside them
    // (ComputeAddedFigures; the observer hears nothing of those). Anything thrown on the way is
    // written to the memo as a failure ("Calculation failed:" and what was thrown) and leaves
    // no results.
    PipelineOutcome Calculate(PipelineObserver& observer, const PipelineRunner& run_pipeline);
    // The whole-aircraft preparation on the design as it stands: the model
    // recomputed, the results invalidated, the memo reset (as a tab change does while
    // there are no results, and "Open" whatever it found).
    void Prepare();
    // The target margin, the part to move and the ballast place the balance answers.
    void AskBalance(const BalanceQuestion& question);
    // Marks a measured centre of gravity on the results (until they change).
    void MeasureCentreOfGravity(double x_cg_mm);

private:
    void Follow(const DesignChange& change);
    // The whole-aircraft preparation without telling.
    void PrepareAll();
    // The stability figures for the margin choice, on valid results.
    void Restabilise();
    void Rebalance();
    void Tell(const WorkbenchChange& change) const;

    Design design_;
    Aircraft aircraft_;
    std::unique_ptr<AnalysisData> analysis_;
    AddedFigures added_;
    // Where the added figures are worked out; made at the first calculation with
    // results, then kept.
    std::unique_ptr<AnalysisData> beside_;
    BalanceQuestion question_;
    Balance balance_;
    std::optional<double> measured_cg_mm_;
    std::vector<Listener> listeners_;
};

}  // namespace kalvesta
