// The added figures in the order their scratch data allows.
#include "analysis/added_figures.h"

#include "analysis/calculation.h"

namespace kalvesta {

AddedFigures ComputeAddedFigures(const Aircraft& calculated, AnalysisData& calculation,
                                 const Fuselage& fuselage, AnalysisData& scratch,
                                 bool measure_caution) {
    AddedFigures added;
    if (measure_caution) {
        added.caution = MeasureLatticeDependence(calculated, calculation.lattice,
                                                 calculation.results, scratch, calculation.workers);
    }
    if (!fuselage.Described() && !HasRootGap(calculated)) {
        return added;
    }
    added.carried_through =
        SolveCarriedThrough(calculated, calculation.results, scratch, calculation.workers);
    if (fuselage.Described() && HasResults(added.carried_through->outcome)) {
        added.fuselage = ComputeFuselageMoment(fuselage, *added.carried_through, scratch.lattice,
                                               scratch.solution.circulation);
    }
    return added;
}

void StabiliseAddedFigures(std::string_view margin_text, AddedFigures& added) {
    if (!added.carried_through || !HasResults(added.carried_through->outcome)) {
        return;
    }
    const Aircraft& carried = added.carried_through->aircraft;
    StabilityForMargin(carried, margin_text, added.carried_through->results);
    if (added.fuselage) {
        StabilityForMargin(carried, margin_text, added.fuselage->results);
    }
}

const Results& RecommendationResults(const AddedFigures& added, const Results& documented) {
    return added.fuselage ? added.fuselage->results : documented;
}

}  // namespace kalvesta
