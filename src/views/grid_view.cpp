// Panel grid: column from the strip edge's y, row from the grid line's x.
#include "views/grid_view.h"

#include <algorithm>
#include <cstdint>

#include "model/pixel.h"
#include "views/pixel_sum.h"

namespace kalvesta {

void DrawGrid(Canvas& canvas, const Lattice& lattice, int calc_wing_count,
              const ViewMapping& mapping) {
    // The grid truncates the centre where the top view rounds; both give the same
    // column for an even width.
    const int centre = TruncToward0(canvas.Width() / 2.0);
    const double scale = mapping.top_view_scale;
    auto column = [&](double y_mm) { return PixelSum(centre, RoundHalfEven(y_mm * scale)); };
    auto row = [&](double x_mm) {
        return PixelSum(mapping.top_view_axis_row, RoundHalfEven(x_mm * scale));
    };

    const int wings = std::clamp(calc_wing_count, 0, kMaxWings);
    for (size_t w = 1; w <= static_cast<size_t>(wings); ++w) {
        const auto strips =
            static_cast<size_t>(std::clamp(lattice.span_count[w], 0, kStripCapacity));
        const auto panels =
            static_cast<size_t>(std::clamp(lattice.chord_count[w], 0, kChordLineCapacity - 1));
        for (size_t k = 1; k <= strips; ++k) {
            const int inner = column(lattice.grid_y1[k][w]);
            const int outer = column(lattice.grid_y2[k][w]);
            for (size_t m = 1; m <= panels; ++m) {
                canvas.pen.color = WingColor(static_cast<int>(w));
                canvas.Polygon({{inner, row(lattice.grid_x1[m][k][w])},
                                {outer, row(lattice.grid_x2[m][k][w])},
                                {outer, row(lattice.grid_x2[m + 1][k][w])},
                                {inner, row(lattice.grid_x1[m + 1][k][w])}});
            }
        }
    }
}

}  // namespace kalvesta
