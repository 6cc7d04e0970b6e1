// The lifting surfaces carried through the fuselage, as vortex-lattice users model a
// wing on a fuselage: every surface of the analysis whose root lies off the centre
// line gets a rectangular centre section from y = 0 to its root, with the root
// chord at the root leading edge. The gap that the calculation's own lattice leaves
// there sheds a strong vortex from each root, which cancels much of the downwash a
// tailplane behind should see and so puts the neutral point too far aft.
#pragma once

#include "analysis/pipeline.h"
#include "analysis/results.h"
#include "model/aircraft.h"

namespace kalvesta {

// The width of the gap surface `wing` leaves at the centre line: twice its root
// offset, 0 for none.
double RootGapWidth(const Aircraft& aircraft, int wing);

// Whether a surface of the analysis (1..calc_wing_count) leaves a gap.
bool HasRootGap(const Aircraft& aircraft);

// The aircraft of a completed calculation with every gap closed: a surface with a
// root offset takes a station more, at y = 0 with the root's leading edge and
// chord, and its area, mean chord, r25 and aspect ratio are the gross ones (the
// centre section included). Everything else is the calculated aircraft's.
Aircraft CarriedThroughAircraft(const Aircraft& calculated);

// The calculation on the carried-through aircraft: its own lattice, sized and laid
// as the calculation lays one, and its figures, whose reference area and length
// are those of the gross reference surface.
struct CarriedThrough {
    Aircraft aircraft;  // CarriedThroughAircraft of the calculated one
    PipelineOutcome outcome = PipelineOutcome::kRefused;
    Results results;             // with the stability figures for the same margin
    double x_np_shift_mm = 0.0;  // results.x_np − the calculation's x_np
};

// Runs the carried-through calculation in `data` (which then holds its lattice and
// circulation) with `workers`, against the calculation's figures `documented`.
CarriedThrough SolveCarriedThrough(const Aircraft& calculated, const Results& documented,
                                   AnalysisData& data, WorkerPool& workers);

}  // namespace kalvesta
