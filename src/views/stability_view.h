// The stability recommendation written into and marked on the aircraft top view:
// reference area and length, the recommended centre-of-gravity positions and the
// neutral point, with short bars on the aircraft axis.
#pragma once

#include <string>
#include <vector>

#include "analysis/results.h"
#include "views/canvas.h"
#include "views/view_mapping.h"

namespace kalvesta {

// One result line: where it goes, its colour and its text.
struct StabilityLine {
    int y = 0;
    Color color;
    std::string text;
};

// The four (manual margin) or five (automatic range) lines, top to bottom. The
// lines of the automatic range and the neutral point end in the Cyrillic "мм" in
// both languages, as they always have.
std::vector<StabilityLine> StabilityLines(const Results& results, bool manual_margin,
                                          bool english_captions);

// Writes the lines at x = 9 and marks the neutral point (red, 4 pixels each side)
// and the recommended centre of gravity (blue, 3 pixels each side; both ends of
// the automatic range) on the centre line, with pen width 2, then width 1 again.
// A mark whose row lies outside the picture is not drawn.
void DrawStabilityResults(Canvas& canvas, const Results& results, bool manual_margin,
                          bool english_captions, const ViewMapping& mapping);

// Marks a measured centre of gravity at x_cg_mm on the centre line: a black bar, 6
// pixels each side, pen width 2, then width 1 again; not drawn outside the picture.
void DrawMeasuredCentreOfGravity(Canvas& canvas, double x_cg_mm, const ViewMapping& mapping);

}  // namespace kalvesta
