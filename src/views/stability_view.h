// The stability recommendation written into and marked on the aircraft top view:
// reference area and length, the recommended centre-of-gravity positions and the
// neutral point, with short bars on the aircraft axis.
#pragma once

#include <string>
#include <vector>

#include "analysis/results.h"
#include "texts/catalogue.h"
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
                                          const Catalogue& texts);

// Writes the lines at x = 9 and marks the neutral point (red, 4 pixels each side)
// and the recommended centre of gravity (blue, 3 pixels each side; both ends of
// the automatic range) on the centre line, with pen width 2, then width 1 again.
// A mark whose row lies outside the picture is not drawn.
void DrawStabilityResults(Canvas& canvas, const Results& results, bool manual_margin,
                          const Catalogue& texts, const ViewMapping& mapping);

// A centre of gravity the user asked about, kept on the top view until an input
// changes: one typed in, the one of the parts list, or the target of the balance.
struct CentreOfGravityMark {
    enum class Kind { kMeasured, kParts, kTarget };
    Kind kind = Kind::kMeasured;
    double x_mm = 0.0;
    double margin_percent = 0.0;
};

// The label of a mark: "x_cg 62.0mm: 11.5%", "x_cg (parts) 73.4mm: 7.3%" or
// "target 60.7mm: 12.0%" (Russian "x_ЦТ", "x_ЦТ (детали)", "цель" and "мм").
std::string CentreOfGravityLabel(const CentreOfGravityMark& mark, const Catalogue& texts);

// Each mark as a bar across the centre line, 6 pixels each side with pen width 2
// (black for a centre of gravity, blue for a target), and its label in the same
// colour to the right of the line, centred on the bar; a label that would overlap
// the one above moves down below it. Marks outside the picture are left out.
void DrawCentreOfGravityMarks(Canvas& canvas, std::vector<CentreOfGravityMark> marks,
                              const Catalogue& texts, const ViewMapping& mapping);

}  // namespace kalvesta
