// The recommended range of the centre of gravity drawn on the top view as a band
// across the centre line, dimensioned from the root leading edge of Wing-1 in the
// reader's unit, and the neutral point named in words beside its mark.
#pragma once

#include "analysis/balance_answer.h"
#include "model/display_units.h"
#include "texts/catalogue.h"
#include "views/canvas.h"
#include "views/view_mapping.h"

namespace kalvesta {

// The band (a blue frame, kBandHalfWidth pixels each side of the centre line,
// hatched every 4 rows) from the front to the aft end of the range; for a manual
// margin, one position, no band. To its right a dimension line from the leading
// edge's row to the range with a tick at each row it dimensions, and the distance
// behind the edge written beside each tick ("70 mm"); below them, in red, the
// neutral point's name at its row. A label that would overlap the one above moves
// down below it; a row outside the picture is not drawn.
inline constexpr int kBandHalfWidth = 12;
void DrawBalanceBand(Canvas& canvas, const BalanceAnswer& answer, double x_np_mm, LengthUnit unit,
                     const Catalogue& texts, const ViewMapping& mapping);

}  // namespace kalvesta
