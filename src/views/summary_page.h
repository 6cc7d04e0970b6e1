// The printed one-page summary: header, copies of the top view and the 3-D view,
// the stability results and one block of planform data per wing, in the language
// of the catalogue it is given (German where the window's is Russian), drawn on an
// 800 x 1220 picture.
#pragma once

#include <string>
#include <vector>

#include "analysis/results.h"
#include "model/aircraft.h"
#include "model/display_units.h"
#include "texts/catalogue.h"
#include "views/canvas.h"

namespace kalvesta {

inline constexpr int kSummaryPageWidth = 800;
inline constexpr int kSummaryPageHeight = 1220;

// Redraws the whole page on `page` (kSummaryPageWidth x kSummaryPageHeight) from the
// model and the results of one calculation: texts in Courier 12 pt, black on white,
// `top_view` stretched into (0, 42)-(616, 354) and `view_3d` into (0, 357)-(616, 548).
// Wing 1 always, wing 2 from calc_wing_count 2, wing 3 at 3. Numbers that do not
// fit their field widen their text. Under the recommended positions (y = 663, 9 pt)
// where to balance the model in a sentence, its distances in `unit`, from the
// `recommended` figures where given (with a fuselage, those of its neutral point),
// else from `results`; in the block
// of a surface behind or ahead of Wing-1, its tail volume (y + 160). Right of the
// pictures (x >= 622, 8 pt) the `added` sentences (AddedFigureSentences), each
// broken into the column's lines.
void DrawSummaryPage(Canvas& page, const Aircraft& aircraft, const Results& results,
                     LengthUnit unit, const Canvas& top_view, const Canvas& view_3d,
                     const Catalogue& texts, const std::vector<std::string>& added = {},
                     const Results* recommended = nullptr);

}  // namespace kalvesta
