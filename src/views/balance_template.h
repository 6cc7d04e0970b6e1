// The balance template: the root region of Wing-1 at full size, its leading edge,
// the recommended range of the centre of gravity as a band with its distances from
// the root leading edge, the chosen centre of gravity and a check bar, to be taped
// under the wing so that the model can be balanced on two fingertips. A root chord
// longer than the sheet runs on over further sheets, which overlap by a strip with
// alignment marks. The first sheet also carries the parts list when there is one.
//
// On the sheet (portrait, mm from its top-left corner) the wing is seen from above,
// nose up: aircraft x runs down the sheet, y to the right from the centre line at
// the drawing area's left edge.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/results.h"
#include "model/aircraft.h"
#include "model/display_units.h"
#include "views/canvas.h"

namespace kalvesta {

struct PaperSize {
    double width_mm = 0.0;
    double height_mm = 0.0;
};
inline constexpr PaperSize kA4Paper{210.0, 297.0};
inline constexpr PaperSize kLetterPaper{215.9, 279.4};

// A region that would need more sheets than this is not laid out.
inline constexpr size_t kMaxTemplateSheets = 12;
// The lines of the parts block that fit beside a useful drawing on the first sheet.
inline constexpr size_t kMaxTemplatePartsLines = 30;

struct BalanceTemplateRequest {
    PaperSize paper = kA4Paper;
    double band_front_x_mm = 0.0;  // the recommended range in aircraft x
    double band_aft_x_mm = 0.0;
    double band_front_margin_percent = 0.0;  // its margins, for the caller's texts
    double band_aft_margin_percent = 0.0;
    double chosen_x_mm = 0.0;  // the chosen centre of gravity
    double chosen_margin_percent = 0.0;
    double check_bar_mm = 100.0;  // 100 mm, or 101.6 mm (4 in)
    size_t parts_lines = 0;       // lines of the parts block (at most kMaxTemplatePartsLines)
};

// The request for the results of a calculation (their stability figures): the
// automatic range as the band; the centre of gravity aimed at the target margin
// when there is one, else at the middle of the recommended range (the manual
// margin alone with `manual_margin`); a check bar of 100 mm, or of 4 in for a
// template in inches.
BalanceTemplateRequest TemplateRequestFor(const Results& results, bool manual_margin,
                                          std::optional<double> target_margin_percent,
                                          LengthUnit unit, PaperSize paper, size_t parts_lines);

// One station of Wing-1 in aircraft axes (mm).
struct TemplateStation {
    double y_mm = 0.0;
    double le_x_mm = 0.0;
    double chord_mm = 0.0;
};

// One sheet: which stretch of aircraft x its drawing area shows.
struct TemplateSheet {
    double x_top_mm = 0.0;     // aircraft x at the area's top edge
    double x_bottom_mm = 0.0;  // at its bottom edge
    double area_top_mm = 0.0;  // the area's edges on the sheet
    double area_bottom_mm = 0.0;
    std::optional<double> join_above_x_mm;  // alignment marks with the sheet before
    std::optional<double> join_below_x_mm;  // and with the sheet after
};

enum class TemplateLayoutStatus {
    kLaidOut,
    kTooLong,   // more than kMaxTemplateSheets sheets
    kNoRegion,  // no finite region to show (Wing-1 without a root, figures not finite)
};

struct BalanceTemplateLayout {
    TemplateLayoutStatus status = TemplateLayoutStatus::kNoRegion;
    BalanceTemplateRequest request;
    std::vector<TemplateStation> stations;  // Wing-1, root first
    double datum_x_mm = 0.0;                // the root leading edge
    double area_left_mm = 0.0;              // the centre line, y = 0
    double area_right_mm = 0.0;
    std::vector<TemplateSheet> sheets;  // with kLaidOut
};

// The sheets for Wing-1 of `aircraft` (its planform tables) and the request: the
// root chord and everything marked, with room around it, in steps of the drawing
// area's height less the overlap.
BalanceTemplateLayout LayOutBalanceTemplate(const Aircraft& aircraft,
                                            const BalanceTemplateRequest& request);

// The texts a sheet shows, in the caller's language and units.
struct BalanceTemplateTexts {
    std::string title;               // e.g. "Balance template: glider.da4"
    std::string answer;              // the plain answer
    std::string sheet;               // e.g. "Sheet 1 of 2"
    std::string check_bar;           // under the bar: what it must measure, what to do if not
    std::string centre_line;         // at the centre line
    std::string leading_edge;        // at the root leading edge
    std::string band;                // in the band, e.g. its margins
    std::string band_front;          // the distance of the band's front edge, e.g. "70 mm"
    std::string band_aft;            // of its aft edge
    std::string chosen;              // at the chosen centre of gravity
    std::string join_previous;       // at the marks shared with the sheet before
    std::string join_next;           // at the marks shared with the sheet after
    std::vector<std::string> parts;  // the parts block, fixed-pitch lines, first sheet only
};

// Draws sheet `index` of a laid-out template on `canvas`, which covers the whole
// sheet at the same number of dots per mm across and down (its width / the paper
// width): lines, texts and the check bar in true size.
void DrawBalanceTemplateSheet(Canvas& canvas, const BalanceTemplateLayout& layout, size_t index,
                              const BalanceTemplateTexts& texts);

}  // namespace kalvesta
