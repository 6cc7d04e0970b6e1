// The aircraft seen from above on the "Aircraft" tab: both halves of every
// selected wing in its colour, the axes and the flight-direction arrow, scaled so
// that the widest wing and the whole length of the aircraft fit the picture.
#pragma once

#include "model/aircraft.h"
#include "views/canvas.h"
#include "views/view_mapping.h"
#include "views/wing_selection.h"

namespace kalvesta {

// The top view's placement for a picture of width × height pixels: the scale
// (pixels per mm), the row of aircraft x = 0, and the 3-D view's scale reset to the
// top view's. The first wing_count wings count; the others count as half-span
// 1, trailing edge 1 and leading edge 0. The scale is always finite and positive:
// a zero half-span or length drops that candidate, and with neither the scale is
// 1 pixel per mm.
ViewMapping TopViewMapping(const Aircraft& aircraft, int width, int height);

// Clears the top-view picture before a top view (whole-aircraft preparation) or a
// grid and top view (stability step): brush info background, pen grey, the whole
// picture.
void ClearTopView(Canvas& canvas);

// Draws the top view onto a picture the caller has cleared, with the canvas's pen
// width and brush, and stores its placement in `mapping` (TopViewMapping).
void DrawTopView(Canvas& canvas, const Aircraft& aircraft, const WingSelection& drawn,
                 ViewMapping& mapping);

}  // namespace kalvesta
