// The lift along the span: for every surface of a calculation, the local lift
// coefficient cl/CL (upper plot, its highest point marked) and the load
// c·cl/(c_ref·CL) with the elliptic load of the same span and lift (lower plot),
// against y from the centre line, each surface in its colour.
#pragma once

#include <string>

#include "analysis/span_loading.h"
#include "model/display_units.h"
#include "views/canvas.h"

namespace kalvesta {

// The texts the plot shows, in the caller's language.
struct SpanLoadingTexts {
    std::string local_lift;  // heading of the upper plot, e.g. "Local lift coefficient cl/CL"
    std::string load;        // heading of the lower plot, e.g. "Load c·cl/(c_ref·CL)"
    std::string elliptic;    // legend of the grey elliptic loads
    std::string span_axis;   // under the y axis, e.g. "y (mm), from the centre line"
    // One line per surface of the loading under the plots, in its colour (where its
    // local lift peaks, for instance); empty lines are left out.
    PerWing<std::string> notes;
};

// Redraws the whole picture: white background, both plots with their grid and
// tick values (y in `unit`, ticks at 1, 2 or 5 times a power of ten), the curves,
// the notes. Any canvas size from about 300 × 250 pixels (8-point texts).
void DrawSpanLoading(Canvas& canvas, const SpanLoading& loading, LengthUnit unit,
                     const SpanLoadingTexts& texts);

}  // namespace kalvesta
