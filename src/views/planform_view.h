// The scaled planform of one surface, both halves, in the lower image of its tab.
#pragma once

#include "model/aircraft.h"
#include "views/canvas.h"

namespace kalvesta {

// Draws surface `wing` with `trapezoids` trapezoids from the model as the planform
// computation left it: background, axes, flight-direction arrow, r25 and mean-chord
// marks, outline in the wing's colour, axis letters. The centre line is the
// aircraft's x axis (pointing down), the root row the wing's root leading edge.
// The background's frame takes the pen the previous drawing left.
void DrawPlanform(Canvas& canvas, const Aircraft& aircraft, int wing, int trapezoids);

// Sets the pen that DrawPlanform of the same wing leaves: width 1, in the wing's
// colour, or red for a wing without chordwise extent (no outline).
void SetPlanformEndPen(Canvas& canvas, const Aircraft& aircraft, int wing, int trapezoids);

}  // namespace kalvesta
