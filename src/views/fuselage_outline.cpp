// The fuselage outline: rows from x as the top view's, columns from the half-width.
#include "views/fuselage_outline.h"

#include <vector>

#include "model/pixel.h"
#include "views/pixel_sum.h"

namespace kalvesta {

void DrawFuselageOutline(Canvas& canvas, const Fuselage& fuselage, const ViewMapping& mapping) {
    if (!fuselage.Described()) {
        return;
    }
    const int centre = TopViewCentre(canvas.Width());
    // Right side nose to tail, then the left side tail to nose.
    std::vector<Point> right;
    std::vector<Point> left;
    for (const FuselageStation& station : fuselage.stations) {
        const int row = TopViewRow(mapping, station.x_mm);
        const int half = RoundHalfEven(station.width_mm / 2.0 * mapping.top_view_scale);
        right.push_back({PixelSum(centre, half), row});
        left.push_back({PixelSum(centre, -int64_t{half}), row});
    }
    canvas.pen.color = colors::kGrey;
    canvas.MoveTo(left.front().x, left.front().y);
    for (const Point& point : right) {
        canvas.LineTo(point.x, point.y);
    }
    for (auto point = left.rbegin(); point != left.rend(); ++point) {
        canvas.LineTo(point->x, point->y);
    }
}

}  // namespace kalvesta
