// Panel grid drawing: the quadrilaterals of a small hand-made lattice in the top
// view's mapping, and the counts that draw nothing.
#include "views/grid_view.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

// Wing-1 with two strips (y 0..100 and 100..250) of two chordwise panels each;
// strip 1 has grid lines x = 0, 50, 100 at both edges, strip 2 a swept leading edge.
std::unique_ptr<Lattice> TwoStripLattice() {
    auto lattice = std::make_unique<Lattice>();
    lattice->chord_count[1] = 2;
    lattice->span_count[1] = 2;
    lattice->grid_y1[1][1] = 0;
    lattice->grid_y2[1][1] = 100;
    lattice->grid_y1[2][1] = 100;
    lattice->grid_y2[2][1] = 250;
    const double strip1[] = {0, 50, 100};
    const double strip2_inner[] = {0, 50, 100};
    const double strip2_outer[] = {30, 70, 110};
    for (size_t m = 1; m <= 3; ++m) {
        lattice->grid_x1[m][1][1] = strip1[m - 1];
        lattice->grid_x2[m][1][1] = strip1[m - 1];
        lattice->grid_x1[m][2][1] = strip2_inner[m - 1];
        lattice->grid_x2[m][2][1] = strip2_outer[m - 1];
    }
    return lattice;
}

ViewMapping Mapping() {
    ViewMapping mapping;
    mapping.top_view_scale = 0.5;
    mapping.top_view_axis_row = 40;
    return mapping;
}

TEST(DrawGridTest, TwoStripsGiveTheirPanelsInOrder) {
    const auto lattice = TwoStripLattice();
    RecordingCanvas canvas(616, 321);
    canvas.brush = colors::kInfoBackground;
    DrawGrid(canvas, *lattice, 1, Mapping());
    // Columns 308 + Round(y / 2): 308, 358, 433; rows 40 + Round(x / 2), with halves
    // to even: 15 → 55 (x = 30), 35 → 75, 55 → 95.
    const std::vector<std::vector<Point>> expected{
        {{308, 40}, {358, 40}, {358, 65}, {308, 65}},
        {{308, 65}, {358, 65}, {358, 90}, {308, 90}},
        {{358, 40}, {433, 55}, {433, 75}, {358, 65}},
        {{358, 65}, {433, 75}, {433, 95}, {358, 90}},
    };
    const auto polygons = canvas.Polygons();
    ASSERT_EQ(polygons.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(polygons[i].points, expected[i]) << i;
        EXPECT_EQ(polygons[i].pen, colors::kBlue);
        EXPECT_EQ(polygons[i].brush, colors::kInfoBackground);  // the caller's brush
    }
}

TEST(DrawGridTest, RowsRoundEachProductBeforeAddingTheAxisRow) {
    auto lattice = TwoStripLattice();
    lattice->span_count[1] = 1;
    lattice->chord_count[1] = 1;
    lattice->grid_x1[1][1][1] = 5;  // 5 × 0.5 = 2.5 → 2 (even), then + 41 = 43
    lattice->grid_x2[1][1][1] = 7;  // 3.5 → 4, + 41 = 45
    ViewMapping mapping = Mapping();
    mapping.top_view_axis_row = 41;
    RecordingCanvas canvas(617, 321);  // odd width: the centre truncates to 308
    DrawGrid(canvas, *lattice, 1, mapping);
    ASSERT_EQ(canvas.Polygons().size(), 1u);
    EXPECT_EQ(canvas.Polygons()[0].points[0], (Point{308, 43}));
    EXPECT_EQ(canvas.Polygons()[0].points[1], (Point{358, 45}));
}

TEST(DrawGridTest, NoWingsNoStripsOrNoPanelsDrawNothing) {
    auto lattice = TwoStripLattice();
    RecordingCanvas canvas(616, 321);
    DrawGrid(canvas, *lattice, 0, Mapping());
    EXPECT_TRUE(canvas.Polygons().empty());

    // Wing-2 with strips but no chordwise panels, Wing-3 with panels but no strips.
    lattice->span_count[2] = 3;
    lattice->chord_count[3] = 4;
    DrawGrid(canvas, *lattice, 3, Mapping());
    EXPECT_EQ(canvas.Polygons().size(), 4u);  // Wing-1's only
}

TEST(DrawGridTest, CountsBeyondTheCapacityAndExtremeCoordinatesStayInBounds) {
    auto lattice = std::make_unique<Lattice>();
    lattice->span_count[1] = std::numeric_limits<int32_t>::max();
    lattice->chord_count[1] = std::numeric_limits<int32_t>::max();
    lattice->grid_y2[1][1] = 1e300;
    lattice->grid_x2[2][1][1] = -1e300;
    RecordingCanvas canvas(616, 321);
    DrawGrid(canvas, *lattice, 99, Mapping());
    const auto polygons = canvas.Polygons();
    EXPECT_EQ(polygons.size(), static_cast<size_t>(kStripCapacity) * (kChordLineCapacity - 1));
    // Far off the picture on the side the value lies, never wrapped around.
    EXPECT_EQ(polygons[0].points[1].x, std::numeric_limits<int32_t>::max());
    EXPECT_LT(polygons[0].points[2].y, -2'000'000'000);
}

}  // namespace
}  // namespace kalvesta
