// The aircraft top view as it stands after a calculation: the panel grid under the
// outlines, the recommended band, the reference values, the recommended centre of
// gravity and the neutral point written into it and marked on the aircraft axis.
#pragma once

#include "analysis/lattice.h"
#include "analysis/results.h"
#include "model/aircraft.h"
#include "model/display_units.h"
#include "model/fuselage.h"
#include "texts/catalogue.h"
#include "views/canvas.h"
#include "views/view_mapping.h"
#include "views/wing_selection.h"

namespace kalvesta {

// Clears the picture, draws the fuselage's outline and the grid (with the mapping of
// the previous top view, which the preparation drew for the same aircraft), the top
// view (renewing the mapping), the recommended band dimensioned in `unit` (from
// `recommended`, the fuselage's figures when one is described; none: `results`), then
// the stability lines and marks of `results` in the language of `texts`.
void DrawResultTopView(Canvas& canvas, const Aircraft& aircraft, const Lattice& lattice,
                       const Results& results, const WingSelection& drawn, bool manual_margin,
                       LengthUnit unit, const Catalogue& texts, ViewMapping& mapping,
                       const Fuselage& fuselage = {}, const Results* recommended = nullptr);

}  // namespace kalvesta
