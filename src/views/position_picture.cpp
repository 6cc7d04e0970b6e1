// Position pictures: fixed side-view geometry, measured from the left and bottom.
#include "views/position_picture.h"

#include "model/aircraft.h"
#include "model/check.h"
#include "model/pixel.h"
#include "views/dimension_sketch.h"

namespace kalvesta {
namespace {

constexpr int kAxisColumn = 5;       // the vertical (z) axis
constexpr int kAxisFromBottom = 5;   // the horizontal (x) axis, rows above the bottom edge
constexpr int kSectionRow = 28;      // the x arrow, through the section's leading edge
constexpr int kSectionColumn = 126;  // the section's leading edge, and the z arrow

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void DrawAxes(Canvas& canvas, int axis_row) {
    const int right = canvas.Width() - kAxisColumn;
    canvas.pen.color = colors::kBlack;
    Line(canvas, kAxisColumn, axis_row, kAxisColumn, 3);
    Line(canvas, kAxisColumn, 3, kAxisColumn - 2, 11);
    Line(canvas, kAxisColumn, 3, kAxisColumn + 2, 11);
    Line(canvas, kAxisColumn, axis_row, right, axis_row);
    Line(canvas, right, axis_row, right - 8, axis_row - 2);
    Line(canvas, right, axis_row, right - 8, axis_row + 2);
}

// A thin cambered section, leading edge at (kSectionColumn, kSectionRow), 40 long.
void DrawSection(Canvas& canvas, int wing) {
    canvas.pen.color = WingColor(wing);
    canvas.brush = WingColor(wing);
    const int x = kSectionColumn;
    const int y = kSectionRow;
    canvas.Polygon({{x, y},
                    {x + 3, y - 3},
                    {x + 10, y - 5},
                    {x + 20, y - 4},
                    {x + 40, y},
                    {x + 20, y + 2},
                    {x + 10, y + 2},
                    {x + 3, y + 2}});
}

void DrawFlightDirection(Canvas& canvas, int axis_row) {
    const int row = axis_row - 8;
    canvas.pen.color = colors::kRed;
    canvas.brush = colors::kRed;
    Line(canvas, 60, row, 20, row);
    canvas.Polygon({{20, row}, {31, row - 2}, {31, row + 2}});
}

}  // namespace

void DrawPositionPicture(Canvas& canvas, int wing) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    const int axis_row = canvas.Height() - kAxisFromBottom;

    canvas.pen.width = 1;
    canvas.pen.color = colors::kSilver;
    canvas.brush = colors::kSilver;
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());

    DrawAxes(canvas, axis_row);
    DrawSection(canvas, wing);

    // Dimension arrows: x from the vertical axis to the leading edge, z from the
    // bottom axis up to the section.
    canvas.pen.color = colors::kBlack;
    canvas.brush = colors::kBlack;
    PfeilH2(canvas, kAxisColumn, kSectionRow, kSectionColumn, kSectionRow);
    PfeilV2(canvas, kSectionColumn, kSectionRow + 3, kSectionColumn, axis_row);

    if (wing == 1) {
        DrawFlightDirection(canvas, axis_row);
        canvas.brush = colors::kSilver;
        canvas.font.color = colors::kBlack;
        canvas.TextOut(kAxisColumn + 5, 2, "z");
        canvas.TextOut(canvas.Width() - 16, axis_row - 16, "x");
    }
}

std::string PositionTitle(int wing, const Catalogue& texts) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    return texts.Text(TextId::kPositionTitle, {{"wing", std::to_string(wing)}});
}

void DrawPositionTitle(Canvas& canvas, int wing, const Catalogue& texts) {
    canvas.font.color = colors::kBlack;
    canvas.brush = colors::kSilver;
    canvas.TextOut(TruncToward0(canvas.Width() * 0.7), 2, PositionTitle(wing, texts));
}

}  // namespace kalvesta
