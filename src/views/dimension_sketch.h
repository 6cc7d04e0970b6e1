// The fixed dimension sketch above the input boxes of a wing tab: a half wing of
// one to four trapezoids seen from above, with the dimension arrows that the boxes
// sit on and a red flight-direction arrow. It has the same pixel geometry whatever
// the dimensions typed; only the trapezoid count changes it.
#pragma once

#include "texts/catalogue.h"
#include "views/canvas.h"

namespace kalvesta {

// Dimension arrows, 11 pixels long and 4 wide heads outlined with the current pen
// and filled with the current brush (tip first, then the two base corners); they
// set no colours themselves.
// PfeilV1: line with one head at (x2, y2) pointing down the picture.
void PfeilV1(Canvas& canvas, int x1, int y1, int x2, int y2);
// PfeilV2: line with a head at (x1, y1) pointing up and one at (x2, y2) pointing down.
void PfeilV2(Canvas& canvas, int x1, int y1, int x2, int y2);
// PfeilH2: line with a head at (x1, y1) pointing left and one at (x2, y2) pointing right.
void PfeilH2(Canvas& canvas, int x1, int y1, int x2, int y2);

// Redraws the whole sketch of wing tab `wing` (1..3; Image_W, Image_W2, Image_W3) with `trapezoids`
// trapezoids (the checked trapezoid-count button; trapezoid 1 is always drawn) and the
// flight-direction caption in the language of `texts`.
void DrawDimensionSketch(Canvas& canvas, int wing, int trapezoids, const Catalogue& texts);

}  // namespace kalvesta
