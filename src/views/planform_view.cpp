// Planform drawing: one scale q for both directions, chosen so that the half-span
// fills about half the width and the chordwise extent about 1/1.6 of the height.
#include "views/planform_view.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/check.h"
#include "model/pixel.h"

namespace kalvesta {
namespace {

// Round(value) + origin without overflow (values are bounded by the scale, the
// clamp only guards the arithmetic).
int Offset(double value, int origin) {
    const int64_t sum = static_cast<int64_t>(RoundHalfEven(value)) + origin;
    return static_cast<int>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

// Chordwise extent e (mm): the furthest trailing edge aft of the root leading
// edge, or twice a forward-running leading edge if that is larger, so that a
// forward-swept wing stays inside the image above the root row.
int64_t ChordwiseExtent(const Aircraft& aircraft, size_t w, int trapezoids) {
    int64_t e = aircraft.chord_mm[0][w];
    for (size_t k = 1; k <= static_cast<size_t>(trapezoids); ++k) {
        e = std::max<int64_t>(e, int64_t{aircraft.le_x_mm[k][w]} + aircraft.chord_mm[k][w]);
    }
    for (size_t k = 1; k <= static_cast<size_t>(trapezoids); ++k) {
        e = std::max<int64_t>(e, -2 * int64_t{aircraft.le_x_mm[k][w]});
    }
    return e;
}

// A wing without chordwise extent has no vertical scale; it gets axes only.
bool HasExtent(const Aircraft& aircraft, size_t w, int trapezoids) {
    return ChordwiseExtent(aircraft, w, trapezoids) > 0;
}

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

void DrawPlanform(Canvas& canvas, const Aircraft& aircraft, int wing, int trapezoids) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    KALVESTA_CHECK(trapezoids >= 1 && trapezoids <= kMaxTrapezoids);
    const auto w = static_cast<size_t>(wing);
    const int width = canvas.Width();
    const int height = canvas.Height();
    const int a = TruncToward0(width / 2.0);   // centre column: the aircraft centre line
    const int p = TruncToward0(height / 3.0);  // root row: x = 0 at the root leading edge

    canvas.brush = colors::kInfoBackground;
    canvas.Rectangle(0, 0, width, height);

    // One scale q (pixels per mm) for both directions.
    const auto n = static_cast<size_t>(trapezoids);
    const double tip_y = aircraft.station_y_mm[n][w];
    const double sx = tip_y == 0.0 ? 1.0 : (width / 2.03) / tip_y;
    const bool has_extent = HasExtent(aircraft, w, trapezoids);
    const double sy =
        has_extent ? (height / 1.6) / static_cast<double>(ChordwiseExtent(aircraft, w, trapezoids))
                   : sx;
    const double q = std::min(sx, sy);

    // Axes in black with arrow heads at the bottom (x) and at the right (y).
    canvas.pen.color = colors::kBlack;
    Line(canvas, width, p, 0, p);
    Line(canvas, a, 0, a, height);
    Line(canvas, a, height, a + 2, height - 10);
    Line(canvas, a, height, a - 2, height - 10);
    canvas.MoveTo(width - 10, p + 2);
    canvas.LineTo(width, p);
    canvas.LineTo(width - 10, p - 2);

    // Flight direction: a red arrow pointing up.
    canvas.pen.color = colors::kRed;
    Line(canvas, a + 20, 30, a + 20, 3);
    canvas.MoveTo(a + 18, 13);
    canvas.LineTo(a + 20, 3);
    canvas.LineTo(a + 22, 13);

    if (has_extent) {
        // r25 (short thick bar) and the mean aerodynamic chord (thin bar) on the centre line.
        const double r25 = aircraft.wing_r25[w];
        const double lm = aircraft.wing_lm[w];
        canvas.pen.width = 2;
        Line(canvas, a - 1, Offset(r25 * q, p), a + 2, Offset(r25 * q, p));
        canvas.pen.width = 1;
        Line(canvas, a, Offset((r25 - lm / 4.0) * q, p), a, Offset((r25 - lm / 4.0 + lm) * q, p));

        // Outline, both halves, trapezoid by trapezoid.
        canvas.pen.color = WingColor(wing);
        auto span_px = [&](size_t k) { return RoundHalfEven(aircraft.station_y_mm[k][w] * q); };
        auto leading_px = [&](size_t k) {
            return k == 0 ? p : Offset(aircraft.le_x_mm[k][w] * q, p);
        };
        auto trailing_px = [&](size_t k) {
            const double le = k == 0 ? 0.0 : static_cast<double>(aircraft.le_x_mm[k][w]);
            return Offset((le + aircraft.chord_mm[k][w]) * q, p);
        };
        const bool root_offset = aircraft.station_y_mm[0][w] != 0;
        for (int side : {1, -1}) {
            auto x_px = [&](size_t k) { return Offset(side * span_px(k), a); };
            // Trapezoid 1: a root chord on the centre axis is not drawn again.
            if (side == 1) {
                canvas.MoveTo(x_px(0), p);
                canvas.LineTo(x_px(1), leading_px(1));
                canvas.LineTo(x_px(1), trailing_px(1));
                canvas.LineTo(x_px(0), trailing_px(0));
                if (root_offset) {
                    canvas.LineTo(x_px(0), p);
                }
            } else {
                canvas.MoveTo(x_px(0), trailing_px(0));
                canvas.LineTo(x_px(1), trailing_px(1));
                canvas.LineTo(x_px(1), leading_px(1));
                canvas.LineTo(x_px(0), p);
                if (root_offset) {
                    canvas.LineTo(x_px(0), trailing_px(0));
                }
            }
        }
        for (size_t k = 2; k <= n; ++k) {
            for (int side : {1, -1}) {
                auto x_px = [&](size_t j) { return Offset(side * span_px(j), a); };
                canvas.MoveTo(x_px(k - 1), leading_px(k - 1));
                canvas.LineTo(x_px(k), leading_px(k));
                canvas.LineTo(x_px(k), trailing_px(k));
                canvas.LineTo(x_px(k - 1), trailing_px(k - 1));
            }
        }
    }

    canvas.TextOut(a + 5, height - 20, "x");
    canvas.TextOut(width - 18, p - 17, "y");
}

void SetPlanformEndPen(Canvas& canvas, const Aircraft& aircraft, int wing, int trapezoids) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    const bool has_extent = HasExtent(aircraft, static_cast<size_t>(wing), trapezoids);
    canvas.pen.color = has_extent ? WingColor(wing) : colors::kRed;
    canvas.pen.width = 1;
}

}  // namespace kalvesta
