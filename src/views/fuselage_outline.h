// The fuselage seen from above, drawn in grey under the surfaces on the top view
// (and so on the summary page, which copies it).
#pragma once

#include "model/fuselage.h"
#include "views/canvas.h"
#include "views/view_mapping.h"

namespace kalvesta {

// The outline as one closed line in grey, with the canvas's pen width, on the top
// view's mapping (TopViewMapping of the aircraft and the picture):
// across the nose, down the right side station by station, across the tail and up
// the left side. Nothing for an empty outline.
void DrawFuselageOutline(Canvas& canvas, const Fuselage& fuselage, const ViewMapping& mapping);

}  // namespace kalvesta
