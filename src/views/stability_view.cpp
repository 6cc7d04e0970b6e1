// Stability lines and marks on the top view.
#include "views/stability_view.h"

#include "model/number_format.h"

namespace kalvesta {

std::vector<StabilityLine> StabilityLines(const Results& results, bool manual_margin,
                                          bool english_captions) {
    // F(v, d): fixed-point with d decimals, no padding.
    auto f = [](double value, int decimals) { return FormatFixed(value, decimals); };
    const std::string area = f(results.ref_area / 10000.0, 2) + "dm^2 ";
    const std::string length = f(results.ref_length, 1) + "mm ";
    const std::string cg = english_captions ? "x_cg (" : "x_ЦТ (";

    std::vector<StabilityLine> lines;
    lines.push_back({232, colors::kBlack,
                     (english_captions ? "Reference area (S): " : "Площадь      (S): ") + area});
    lines.push_back(
        {249, colors::kBlack,
         (english_captions ? "Reference length (lm): " : "Длина хорды (lm): ") + length});
    if (manual_margin) {
        lines.push_back(
            {282, colors::kBlue,
             cg + f(results.stability_manual, 1) + "%): " + f(results.x_cg_manual, 1) + "mm     "});
    } else {
        lines.push_back(
            {266, colors::kBlue,
             cg + f(results.stability_high, 0) + "%): " + f(results.x_cg_high, 1) + "мм   "});
        lines.push_back(
            {282, colors::kBlue,
             cg + f(results.stability_low, 0) + "%): " + f(results.x_cg_low, 1) + "мм   "});
    }
    lines.push_back({298, colors::kRed,
                     (english_captions ? "x_ac: " : "x_NP: ") + f(results.x_np, 1) + "мм    "});
    return lines;
}

namespace {

// A bar across the centre line at x_mm. A mark that falls outside the picture is
// left out: it would not show, and an absurd manual margin would put it at a
// runaway row far beyond any picture.
void Bar(Canvas& canvas, const ViewMapping& mapping, double x_mm, int half_length) {
    const int cx = TopViewCentre(canvas.Width());
    const int row = TopViewRow(mapping, x_mm);
    if (row < 0 || row >= canvas.Height()) {
        return;
    }
    canvas.MoveTo(cx - half_length, row);
    canvas.LineTo(cx + half_length, row);
}

}  // namespace

void DrawStabilityResults(Canvas& canvas, const Results& results, bool manual_margin,
                          bool english_captions, const ViewMapping& mapping) {
    for (const StabilityLine& line : StabilityLines(results, manual_margin, english_captions)) {
        canvas.font.color = line.color;
        canvas.TextOut(9, line.y, line.text);
    }

    auto bar = [&](double x_mm, int half_length) { Bar(canvas, mapping, x_mm, half_length); };
    canvas.pen.width = 2;
    canvas.pen.color = colors::kRed;
    bar(results.x_np, 4);
    canvas.pen.color = colors::kBlue;
    if (manual_margin) {
        bar(results.x_cg_manual, 3);
    } else {
        bar(results.x_cg_low, 3);
        bar(results.x_cg_high, 3);
    }
    canvas.pen.width = 1;
}

void DrawMeasuredCentreOfGravity(Canvas& canvas, double x_cg_mm, const ViewMapping& mapping) {
    canvas.pen.width = 2;
    canvas.pen.color = colors::kBlack;
    Bar(canvas, mapping, x_cg_mm, 6);
    canvas.pen.width = 1;
}

}  // namespace kalvesta
