// What a calculation adds beside its documented figures, which stay as they are:
// the calculation with the surfaces carried through the fuselage (where a surface
// leaves a gap at the centre line, or a fuselage is described), the fuselage's own
// moment, and the caution where the answer depends on the lattice.
#pragma once

#include <optional>
#include <string_view>

#include "analysis/carried_through.h"
#include "analysis/fuselage_moment.h"
#include "analysis/lattice_caution.h"
#include "analysis/pipeline.h"
#include "model/fuselage.h"

namespace kalvesta {

struct AddedFigures {
    std::optional<CarriedThrough> carried_through;  // a root gap or a fuselage
    std::optional<FuselageMoment> fuselage;         // a fuselage, and carried-through results
    std::optional<LatticeCaution> caution;          // when measured
};

// The added figures of a calculation with results, whose aircraft is `calculated`
// and whose lattice and figures `calculation` holds, for the usable outline
// `fuselage` (none when empty), computed in `scratch` on the calculation's threads
// (its lattice and figures stay as they are): first the caution (unless
// `measure_caution` is false), then the carried-through calculation, whose lattice
// and circulation `scratch` holds afterwards.
AddedFigures ComputeAddedFigures(const Aircraft& calculated, AnalysisData& calculation,
                                 const Fuselage& fuselage, AnalysisData& scratch,
                                 bool measure_caution = true);

// The stability figures of the added results for the margin box's text, as
// StabilityForMargin gives the calculation's (after a change of the margin).
void StabiliseAddedFigures(std::string_view margin_text, AddedFigures& added);

// The figures the recommended centre of gravity comes from: the fuselage's when
// there are any, else the calculation's `documented` ones.
const Results& RecommendationResults(const AddedFigures& added, const Results& documented);

}  // namespace kalvesta
