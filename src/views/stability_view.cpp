// Stability lines and marks on the top view.
#include "views/stability_view.h"

#include <algorithm>
#include <optional>

#include "model/number_format.h"

namespace kalvesta {

std::vector<StabilityLine> StabilityLines(const Results& results, bool manual_margin,
                                          const Catalogue& texts) {
    // F(v, d): fixed-point with d decimals, no padding.
    auto f = [](double value, int decimals) { return FormatFixed(value, decimals); };
    auto cg = [&](TextId id, double margin, int decimals, double x_mm) {
        return texts.Text(id, {{"margin", f(margin, decimals)}, {"x", f(x_mm, 1)}});
    };

    std::vector<StabilityLine> lines;
    lines.push_back({232, colors::kBlack,
                     texts.Text(TextId::kStabilityReferenceArea,
                                {{"area", f(results.ref_area / 10000.0, 2)}})});
    lines.push_back(
        {249, colors::kBlack,
         texts.Text(TextId::kStabilityReferenceLength, {{"length", f(results.ref_length, 1)}})});
    if (manual_margin) {
        lines.push_back(
            {282, colors::kBlue,
             cg(TextId::kStabilityManual, results.stability_manual, 1, results.x_cg_manual)});
    } else {
        lines.push_back(
            {266, colors::kBlue,
             cg(TextId::kStabilityAutomatic, results.stability_high, 0, results.x_cg_high)});
        lines.push_back(
            {282, colors::kBlue,
             cg(TextId::kStabilityAutomatic, results.stability_low, 0, results.x_cg_low)});
    }
    lines.push_back({298, colors::kRed,
                     texts.Text(TextId::kStabilityNeutralPoint, {{"x", f(results.x_np, 1)}})});
    return lines;
}

namespace {

// A bar across the centre line at x_mm.
void Bar(Canvas& canvas, const ViewMapping& mapping, double x_mm, int half_length) {
    const int cx = TopViewCentre(canvas.Width());
    if (const std::optional<int> row = TopViewRowWithin(mapping, canvas.Height(), x_mm)) {
        canvas.MoveTo(cx - half_length, *row);
        canvas.LineTo(cx + half_length, *row);
    }
}

// Height of a label line of the top view's 8-point font, in pixels.
constexpr int kLabelHeight = 13;

}  // namespace

void DrawStabilityResults(Canvas& canvas, const Results& results, bool manual_margin,
                          const Catalogue& texts, const ViewMapping& mapping) {
    for (const StabilityLine& line : StabilityLines(results, manual_margin, texts)) {
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

std::string CentreOfGravityLabel(const CentreOfGravityMark& mark, const Catalogue& texts) {
    using Kind = CentreOfGravityMark::Kind;
    const TextId label = mark.kind == Kind::kMeasured ? TextId::kMarkMeasured
                         : mark.kind == Kind::kParts  ? TextId::kMarkParts
                                                      : TextId::kMarkTarget;
    return texts.Text(
        label, {{"x", FormatFixed(mark.x_mm, 1)}, {"margin", FormatFixed(mark.margin_percent, 1)}});
}

void DrawCentreOfGravityMarks(Canvas& canvas, std::vector<CentreOfGravityMark> marks,
                              const Catalogue& texts, const ViewMapping& mapping) {
    // Top to bottom, so that each label only has to clear the one above it.
    std::stable_sort(
        marks.begin(), marks.end(),
        [](const CentreOfGravityMark& a, const CentreOfGravityMark& b) { return a.x_mm < b.x_mm; });
    const int cx = TopViewCentre(canvas.Width());
    int free_from_row = 0;
    canvas.pen.width = 2;
    for (const CentreOfGravityMark& mark : marks) {
        const std::optional<int> row = TopViewRowWithin(mapping, canvas.Height(), mark.x_mm);
        if (!row) {
            continue;
        }
        const Color color =
            mark.kind == CentreOfGravityMark::Kind::kTarget ? colors::kBlue : colors::kBlack;
        canvas.pen.color = color;
        Bar(canvas, mapping, mark.x_mm, 6);
        const int label_top = std::max(*row - kLabelHeight / 2, free_from_row);
        canvas.font.color = color;
        canvas.TextOut(cx + 10, label_top, CentreOfGravityLabel(mark, texts));
        free_from_row = label_top + kLabelHeight;
    }
    canvas.pen.width = 1;
}

}  // namespace kalvesta
