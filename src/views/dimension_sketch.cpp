// Dimension sketch: fixed pixel geometry of the half wing, its arrows and captions.
#include "views/dimension_sketch.h"

#include <array>

#include "views/pixel_sum.h"

namespace kalvesta {
namespace {

constexpr Color kAqua{0, 255, 255};

// Arrow heads: 11 pixels from the tip to the base, base 4 pixels wide.
constexpr int kHeadLength = 11;
constexpr int kHeadHalfWidth = 2;

// The sketch's row of the y axis, through the root leading edge.
constexpr int kAxisRow = 31;

// One trapezoid of the sketch: the columns of its inner (root-side) and outer
// (tip-side) edge, and the rows of its corners.
struct SketchTrapezoid {
    int inner;
    int outer;
    int inner_leading;
    int inner_trailing;
    int outer_leading;
    int outer_trailing;
};

constexpr std::array<SketchTrapezoid, 4> kTrapezoids{{
    {107, 314, 31, 196, 72, 187},
    {314, 519, 72, 187, 86, 187},
    {519, 619, 86, 187, 115, 175},
    {619, 688, 115, 175, 145, 195},
}};

void HeadUp(Canvas& canvas, int x, int y) {
    canvas.Polygon({{x, y},
                    {PixelSum(x, kHeadHalfWidth), PixelSum(y, kHeadLength)},
                    {PixelSum(x, -kHeadHalfWidth), PixelSum(y, kHeadLength)}});
}

void HeadDown(Canvas& canvas, int x, int y) {
    canvas.Polygon({{x, y},
                    {PixelSum(x, kHeadHalfWidth), PixelSum(y, -kHeadLength)},
                    {PixelSum(x, -kHeadHalfWidth), PixelSum(y, -kHeadLength)}});
}

void HeadLeft(Canvas& canvas, int x, int y) {
    canvas.Polygon({{x, y},
                    {PixelSum(x, kHeadLength), PixelSum(y, -kHeadHalfWidth)},
                    {PixelSum(x, kHeadLength), PixelSum(y, kHeadHalfWidth)}});
}

void HeadRight(Canvas& canvas, int x, int y) {
    canvas.Polygon({{x, y},
                    {PixelSum(x, -kHeadLength), PixelSum(y, -kHeadHalfWidth)},
                    {PixelSum(x, -kHeadLength), PixelSum(y, kHeadHalfWidth)}});
}

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void DrawCaption(Canvas& canvas, const Catalogue& texts) {
    canvas.font.color = colors::kRed;
    canvas.TextOut(17, 1, texts.Text(TextId::kSketchFlightDirection));
}

void DrawAxisLetters(Canvas& canvas) {
    canvas.font.color = colors::kBlack;
    canvas.TextOut(8, 174, "x");
    canvas.TextOut(722, 15, "y");
}

}  // namespace

void PfeilV1(Canvas& canvas, int x1, int y1, int x2, int y2) {
    Line(canvas, x1, y1, x2, y2);
    HeadDown(canvas, x2, y2);
}

void PfeilV2(Canvas& canvas, int x1, int y1, int x2, int y2) {
    Line(canvas, x1, y1, x2, y2);
    HeadUp(canvas, x1, y1);
    HeadDown(canvas, x2, y2);
}

void PfeilH2(Canvas& canvas, int x1, int y1, int x2, int y2) {
    Line(canvas, x1, y1, x2, y2);
    HeadLeft(canvas, x1, y1);
    HeadRight(canvas, x2, y2);
}

void DrawDimensionSketch(Canvas& canvas, int wing, int trapezoids, const Catalogue& texts) {
    // Trapezoid 1 always, trapezoid k when at least k are selected.
    auto drawn = [trapezoids](int k) { return k == 1 || trapezoids >= k; };

    canvas.brush = colors::kSilver;
    canvas.pen.color = colors::kSilver;
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());

    // The half wing: closed outlines, the first corner repeated at the end.
    canvas.pen.width = 4;
    canvas.brush = colors::kWhite;
    canvas.pen.color = kAqua;
    for (int k = 1; k <= 4; ++k) {
        if (!drawn(k)) {
            continue;
        }
        const SketchTrapezoid& t = kTrapezoids[static_cast<size_t>(k - 1)];
        const Point root_leading{t.inner, t.inner_leading};
        canvas.Polygon({root_leading,
                        {t.outer, t.outer_leading},
                        {t.outer, t.outer_trailing},
                        {t.inner, t.inner_trailing},
                        root_leading});
    }

    // Axes and dimension arrows. The tip's leading-edge offset is measured from
    // the root's leading-edge line, not from the previous tip.
    canvas.pen.width = 1;
    canvas.pen.color = colors::kBlack;
    canvas.brush = colors::kBlack;
    PfeilH2(canvas, 3, kAxisRow, 740, kAxisRow);
    PfeilV1(canvas, 3, 1, 3, 199);
    PfeilH2(canvas, 3, kAxisRow, 107, kAxisRow);
    PfeilV2(canvas, 107, kAxisRow, 107, 196);
    for (int k = 1; k <= 4; ++k) {
        if (!drawn(k)) {
            continue;
        }
        const SketchTrapezoid& t = kTrapezoids[static_cast<size_t>(k - 1)];
        PfeilH2(canvas, t.inner, kAxisRow, t.outer, kAxisRow);
        PfeilV1(canvas, t.outer, kAxisRow, t.outer, t.outer_leading);
        PfeilV2(canvas, t.outer, t.outer_leading, t.outer, t.outer_trailing);
    }

    // Flight direction: a red arrow pointing to the top of the picture.
    canvas.pen.color = colors::kRed;
    canvas.brush = colors::kRed;
    Line(canvas, 10, 26, 10, 1);
    canvas.Polygon({{10, 1}, {12, 12}, {8, 12}});

    // Captions on silver. Wing-1's tab writes the caption first, the other two the
    // axis letters first; the picture is the same.
    canvas.brush = colors::kSilver;
    if (wing == 1) {
        DrawCaption(canvas, texts);
        DrawAxisLetters(canvas);
    } else {
        DrawAxisLetters(canvas);
        DrawCaption(canvas, texts);
    }
}

}  // namespace kalvesta
