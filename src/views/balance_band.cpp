// The recommended band and its dimensions on the top view.
#include "views/balance_band.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "views/answer_text.h"

namespace kalvesta {
namespace {

// Height of a label line of the top view's 8-point font, in pixels.
constexpr int kLabelHeight = 13;
// Rows between the hatch lines of the band.
constexpr int kHatchStep = 4;
constexpr Color kHatchColor{160, 160, 255};

struct Label {
    int row = 0;
    Color color;
    std::string text;
};

// The band's frame and hatch between rows `front` and `aft` (front above aft).
void Band(Canvas& canvas, int cx, int front, int aft) {
    canvas.pen.color = kHatchColor;
    for (int row = front + kHatchStep; row < aft; row += kHatchStep) {
        canvas.MoveTo(cx - kBandHalfWidth + 1, row);
        canvas.LineTo(cx + kBandHalfWidth, row);
    }
    canvas.pen.color = colors::kBlue;
    canvas.MoveTo(cx - kBandHalfWidth, front);
    canvas.LineTo(cx + kBandHalfWidth, front);
    canvas.LineTo(cx + kBandHalfWidth, aft);
    canvas.LineTo(cx - kBandHalfWidth, aft);
    canvas.LineTo(cx - kBandHalfWidth, front);
}

}  // namespace

void DrawBalanceBand(Canvas& canvas, const BalanceAnswer& answer, double x_np_mm, LengthUnit unit,
                     const Catalogue& texts, const ViewMapping& mapping) {
    const auto row_of = [&](double x_mm) {
        return TopViewRowWithin(mapping, canvas.Height(), x_mm);
    };
    const std::optional<int> datum = row_of(answer.datum_x_mm);
    const std::optional<int> front = row_of(answer.range.front_x_mm);
    const std::optional<int> aft = row_of(answer.range.aft_x_mm);
    if (!datum || !front || !aft) {
        return;
    }
    const int cx = TopViewCentre(canvas.Width());
    canvas.pen.width = 1;
    if (!answer.IsOnePosition()) {
        Band(canvas, cx, std::min(*front, *aft), std::max(*front, *aft));
    }

    // The dimension line from the leading edge's row past the range.
    const int line_x = cx + kBandHalfWidth + 6;
    canvas.pen.color = colors::kBlack;
    canvas.MoveTo(line_x, std::min({*datum, *front, *aft}));
    canvas.LineTo(line_x, std::max({*datum, *front, *aft}) + 1);
    for (const int row : {*datum, *front, *aft}) {
        canvas.MoveTo(line_x - 3, row);
        canvas.LineTo(line_x + 4, row);
    }

    const auto distance = [&](double behind_mm) { return DistanceText(behind_mm, unit, texts); };
    std::vector<Label> labels{{*front, colors::kBlue, distance(answer.front_behind_mm)}};
    if (!answer.IsOnePosition()) {
        labels.push_back({*aft, colors::kBlue, distance(answer.aft_behind_mm)});
    }
    if (const std::optional<int> np = row_of(x_np_mm)) {
        labels.push_back({*np, colors::kRed, texts.Text(TextId::kStabilityNeutralPointWords)});
    }
    // Top to bottom, so that each label only has to clear the one above it.
    std::stable_sort(labels.begin(), labels.end(),
                     [](const Label& a, const Label& b) { return a.row < b.row; });
    int free_from_row = 0;
    for (const Label& label : labels) {
        const int top = std::max(label.row - kLabelHeight / 2, free_from_row);
        canvas.font.color = label.color;
        canvas.TextOut(line_x + 7, top, label.text);
        free_from_row = top + kLabelHeight;
    }
}

}  // namespace kalvesta
