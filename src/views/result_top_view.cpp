// The top view with the results of a calculation.
#include "views/result_top_view.h"

#include "analysis/balance_answer.h"
#include "views/balance_band.h"
#include "views/fuselage_outline.h"
#include "views/grid_view.h"
#include "views/stability_view.h"
#include "views/top_view.h"

namespace kalvesta {

void DrawResultTopView(Canvas& canvas, const Aircraft& aircraft, const Lattice& lattice,
                       const Results& results, const WingSelection& drawn, bool manual_margin,
                       LengthUnit unit, const Catalogue& texts, ViewMapping& mapping,
                       const Fuselage& fuselage, const Results* recommended) {
    ClearTopView(canvas);
    DrawFuselageOutline(canvas, fuselage, mapping);
    DrawGrid(canvas, lattice, aircraft.calc_wing_count, mapping);
    DrawTopView(canvas, aircraft, drawn, mapping);
    const Results& band = recommended ? *recommended : results;
    DrawBalanceBand(canvas, PlainBalanceAnswer(aircraft, band, manual_margin), results.x_np, unit,
                    texts, mapping);
    DrawStabilityResults(canvas, results, manual_margin, texts, mapping);
}

}  // namespace kalvesta
