// Top view: placement from the aircraft's extent, then axes, arrow and outlines.
#include "views/top_view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/pixel.h"
#include "views/pixel_sum.h"

namespace kalvesta {
namespace {

// Extent of one wing in aircraft axes (mm).
struct WingExtent {
    double half_span = 1.0;
    double trailing_x = 1.0;  // greatest trailing-edge x
    double leading_x = 0.0;   // smallest leading-edge x of stations 1..n
};

WingExtent ExtentOf(const Aircraft& aircraft, size_t w) {
    WingExtent extent;
    const int32_t station_count = aircraft.station_count[w];
    if (station_count < 2 || station_count > kMaxStations) {
        return extent;
    }
    const auto n = static_cast<size_t>(station_count - 1);
    int64_t trailing = aircraft.chord_mm[0][w];
    int64_t leading = aircraft.le_x_mm[1][w];
    for (size_t k = 1; k <= n; ++k) {
        trailing = std::max(trailing, int64_t{aircraft.le_x_mm[k][w]} + aircraft.chord_mm[k][w]);
        leading = std::min<int64_t>(leading, aircraft.le_x_mm[k][w]);
    }
    const int64_t wing_x = aircraft.wing_x_mm[w];
    extent.half_span = aircraft.station_y_mm[n][w];
    extent.trailing_x = static_cast<double>(wing_x + trailing);
    extent.leading_x = static_cast<double>(wing_x + leading);
    return extent;
}

// (pixels available) / (mm to fit), or 0 when there is nothing to fit.
double ScaleCandidate(double pixels, double mm) {
    const double scale = pixels / mm;
    return mm > 0.0 && std::isfinite(scale) && scale > 0.0 ? scale : 0.0;
}

// Pixel mapping of one wing: its root row and the centre column.
class WingMapping {
public:
    WingMapping(const ViewMapping& mapping, int centre, int32_t wing_x_mm)
        : scale_(mapping.top_view_scale),
          centre_(centre),
          root_row_(TopViewRow(mapping, wing_x_mm)) {}

    // side +1 for the right half, -1 for the mirrored left half.
    Point At(int side, double y_mm, double x_rel_mm) const {
        const int64_t column = side * int64_t{RoundHalfEven(y_mm * scale_)};
        return {PixelSum(centre_, column), PixelSum(root_row_, RoundHalfEven(x_rel_mm * scale_))};
    }

private:
    double scale_;
    int centre_;
    int root_row_;
};

void MoveTo(Canvas& canvas, Point p) {
    canvas.MoveTo(p.x, p.y);
}
void LineTo(Canvas& canvas, Point p) {
    canvas.LineTo(p.x, p.y);
}

void DrawWing(Canvas& canvas, const Aircraft& aircraft, const WingSelection& drawn, int wing,
              const WingMapping& map) {
    const auto w = static_cast<size_t>(wing);
    auto y = [&](size_t k) { return static_cast<double>(aircraft.station_y_mm[k][w]); };
    // Leading and trailing edge of station k, relative to the wing's root leading edge.
    auto leading = [&](size_t k) {
        return k == 0 ? 0.0 : static_cast<double>(aircraft.le_x_mm[k][w]);
    };
    auto trailing = [&](size_t k) { return leading(k) + aircraft.chord_mm[k][w]; };
    const bool root_offset = aircraft.station_y_mm[0][w] != 0;

    canvas.pen.color = WingColor(wing);
    // Trapezoid 1. A root chord on the x axis is not drawn in the wing's colour.
    MoveTo(canvas, map.At(1, y(0), leading(0)));
    LineTo(canvas, map.At(1, y(1), leading(1)));
    LineTo(canvas, map.At(1, y(1), trailing(1)));
    LineTo(canvas, map.At(1, y(0), trailing(0)));
    if (root_offset) {
        LineTo(canvas, map.At(1, y(0), leading(0)));
    }
    MoveTo(canvas, map.At(-1, y(0), trailing(0)));
    LineTo(canvas, map.At(-1, y(1), trailing(1)));
    LineTo(canvas, map.At(-1, y(1), leading(1)));
    LineTo(canvas, map.At(-1, y(0), leading(0)));
    if (root_offset) {
        LineTo(canvas, map.At(-1, y(0), trailing(0)));
    }
    // Further trapezoids: their inner chord is the previous one's outer chord.
    for (size_t k = 2; k <= kMaxTrapezoids; ++k) {
        if (!drawn.DrawsTrapezoid(wing, static_cast<int>(k))) {
            break;
        }
        for (int side : {1, -1}) {
            MoveTo(canvas, map.At(side, y(k - 1), leading(k - 1)));
            LineTo(canvas, map.At(side, y(k), leading(k)));
            LineTo(canvas, map.At(side, y(k), trailing(k)));
            LineTo(canvas, map.At(side, y(k - 1), trailing(k - 1)));
        }
    }
}

}  // namespace

ViewMapping TopViewMapping(const Aircraft& aircraft, int width, int height) {
    PerWing<WingExtent> extents{};
    const int counted = std::clamp(aircraft.wing_count, 0, kMaxWings);
    for (int w = 1; w <= counted; ++w) {
        extents[static_cast<size_t>(w)] = ExtentOf(aircraft, static_cast<size_t>(w));
    }
    double front = aircraft.wing_x_mm[1];
    double back = extents[1].trailing_x;
    double widest = extents[1].half_span;
    for (size_t w = 1; w <= kMaxWings; ++w) {
        front = std::min(front, extents[w].leading_x);
        back = std::max(back, extents[w].trailing_x);
        widest = std::max(widest, extents[w].half_span);
    }

    // scale = min((width / 2.03) / widest, (height / 1.26) / (back − front))
    const double by_span = ScaleCandidate(width / 2.03, widest);
    const double by_length = ScaleCandidate(height / 1.26, back - front);
    double scale = 1.0;
    if (by_span > 0.0 && by_length > 0.0) {
        scale = std::min(by_span, by_length);
    } else if (by_span > 0.0 || by_length > 0.0) {
        scale = std::max(by_span, by_length);
    }

    ViewMapping mapping;
    mapping.top_view_scale = scale;
    mapping.view3d_scale = scale;
    // x = 0 one seventh of the height from the top, or lower so that the foremost
    // leading edge lies there.
    mapping.top_view_axis_row =
        front < 0.0 ? RoundHalfEven(height / 7.0 - front * scale) : RoundHalfEven(height / 7.0);
    return mapping;
}

void ClearTopView(Canvas& canvas) {
    canvas.brush = colors::kInfoBackground;
    canvas.pen.color = colors::kGrey;
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
}

void DrawTopView(Canvas& canvas, const Aircraft& aircraft, const WingSelection& drawn,
                 ViewMapping& mapping) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    mapping = TopViewMapping(aircraft, width, height);
    const int centre = TopViewCentre(width);
    const int row = mapping.top_view_axis_row;

    // Axes: y through x = 0 with its head at the right, x on the centre line with
    // its head at the bottom.
    canvas.pen.color = colors::kBlack;
    canvas.MoveTo(width, row);
    canvas.LineTo(0, row);
    canvas.MoveTo(centre, 0);
    canvas.LineTo(centre, height);
    canvas.LineTo(centre + 2, height - 10);
    canvas.MoveTo(centre, height);
    canvas.LineTo(centre - 2, height - 10);
    canvas.MoveTo(width - 10, PixelSum(row, 2));
    canvas.LineTo(width, row);
    canvas.LineTo(width - 10, PixelSum(row, -2));

    // Flight direction: a red arrow pointing up.
    canvas.pen.color = colors::kRed;
    canvas.MoveTo(centre + 20, 30);
    canvas.LineTo(centre + 20, 3);
    canvas.LineTo(centre + 18, 13);
    canvas.MoveTo(centre + 20, 3);
    canvas.LineTo(centre + 22, 13);

    canvas.font.color = colors::kBlack;
    canvas.TextOut(centre + 4, height - 20, "x");
    canvas.TextOut(width - 20, PixelSum(row, -16), "y");

    for (int wing = 1; wing <= kMaxWings; ++wing) {
        if (drawn.Draws(wing)) {
            const WingMapping map(mapping, centre, aircraft.wing_x_mm[static_cast<size_t>(wing)]);
            DrawWing(canvas, aircraft, drawn, wing, map);
        }
    }
}

}  // namespace kalvesta
