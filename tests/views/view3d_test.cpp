// Three-dimensional view: matrices, projection of the wire frame at the documented
// view angles, and the guards for points that cannot be projected.
#include "views/view3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "model/aircraft_inputs.h"
#include "support/recording_canvas.h"
#include "views/top_view.h"

namespace kalvesta {
namespace {

constexpr int kWidth = 616;  // Image3
constexpr int kHeight = 191;
constexpr int kCx = 308;  // Trunc(616 / 2)
constexpr int kCy = 95;   // Trunc(191 / 2)

struct Scene {
    Aircraft aircraft;
    WingSelection drawn;
    ViewMapping mapping;
};

Scene DefaultScene() {
    const AircraftInputs inputs = DefaultAircraftInputs();
    Scene scene;
    PrepareForCalculation(scene.aircraft, inputs);
    scene.drawn = WingSelection{inputs.wing_count, inputs.trapezoids};
    scene.mapping = TopViewMapping(scene.aircraft, 616, 321);
    return scene;
}

RecordingCanvas Draw(const Scene& scene, int elevation_position, int azimuth_position) {
    View3DControls controls;
    controls.SetScrollBar1(elevation_position);
    controls.SetScrollBar2(azimuth_position);
    RecordingCanvas canvas(kWidth, kHeight);
    DrawView3D(canvas, scene.aircraft, scene.drawn, controls, scene.mapping);
    return canvas;
}

TEST(MulMatrixTest, RowTimesColumnAndTheIdentity) {
    const Matrix4 identity{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
    Matrix4 m{};
    for (size_t r = 0; r < 4; ++r) {
        for (size_t c = 0; c < 4; ++c) {
            m[r][c] = static_cast<double>(4 * r + c + 1);
        }
    }
    EXPECT_EQ(MulMatrix(identity, m), m);
    EXPECT_EQ(MulMatrix(m, identity), m);
    // Row 0 of m times column 0 of m: 1×1 + 2×5 + 3×9 + 4×13 = 90.
    EXPECT_EQ(MulMatrix(m, m)[0][0], 90.0);
    // Row 3 times column 2: 13×3 + 14×7 + 15×11 + 16×15 = 542.
    EXPECT_EQ(MulMatrix(m, m)[3][2], 542.0);
}

TEST(TransTest, PointsAtOrBehindTheEyeAreNotProjected) {
    View3DPoints points{};
    // Looking along the x axis (elevation 0, azimuth 0) the eye is at x = -10000.
    points[0] = {50, 10000, 30};   // W = 2: halved
    points[1] = {50, -10000, 30};  // W = 0: at the eye
    points[2] = {50, -20000, 30};  // W = -1: behind it
    points[2].u = 7;
    Calc3D(points, 90, 360);
    EXPECT_TRUE(points[0].projected);
    EXPECT_DOUBLE_EQ(points[0].u, 15.0);
    EXPECT_DOUBLE_EQ(points[0].v, 25.0);
    EXPECT_FALSE(points[1].projected);
    EXPECT_FALSE(points[2].projected);
    EXPECT_EQ(points[2].u, 7.0);  // kept, and not drawn
}

TEST(View3DTest, LookingAlongTheAircraftEveryWingIsAHorizontalLineAtItsHeight) {
    const Scene scene = DefaultScene();
    // Elevation 0 (ScrollBar1 at 90), azimuth 0 (ScrollBar2 at 360).
    const RecordingCanvas canvas = Draw(scene, 90, 360);
    const auto wing1 = canvas.LinesIn(colors::kBlue);
    const auto wing2 = canvas.LinesIn(colors::kFuchsia);
    ASSERT_EQ(wing1.size(), 8u);
    ASSERT_EQ(wing2.size(), 8u);
    // Wing-1 at z = 0 lies on the centre row. Wing-2 at z = 80: u = 80 s / W with
    // s = 0.28625 and W = 1 + x s / 10000 between 1.0229 (x = 800) and 1.0255
    // (x = 890), so u runs from 22.39 to 22.33 and the row is 95 − 22 = 73.
    for (const RecordedLine& line : wing1) {
        EXPECT_EQ(line.from.y, kCy);
        EXPECT_EQ(line.to.y, kCy);
    }
    for (const RecordedLine& line : wing2) {
        EXPECT_EQ(line.from.y, kCy - 22);
        EXPECT_EQ(line.to.y, kCy - 22);
    }
    // Seen from ahead, the right tip (y = 550, v = 550 s / W) is left of the centre;
    // nearest to the eye at its leading edge, W = 1 + 30 s / 10000 = 1.00086 and
    // v = 157.44 / 1.00086 = 157.30.
    int leftmost = kCx;
    for (const RecordedLine& line : wing1) {
        leftmost = std::min({leftmost, line.from.x, line.to.x});
    }
    EXPECT_EQ(leftmost, kCx - 157);
}

TEST(View3DTest, LookingStraightDownTheNoseIsTowardsTheBottom) {
    const Scene scene = DefaultScene();
    // Elevation 90 (ScrollBar1 at 0), azimuth 0: u = x s, v = y s for z = 0.
    const RecordingCanvas canvas = Draw(scene, 0, 360);
    const auto wing1 = canvas.LinesIn(colors::kBlue);
    ASSERT_EQ(wing1.size(), 8u);
    // Right half first: root leading edge (0, 0) on the centre; tip leading edge
    // (550, 30) at column 308 − Trunc(157.44) = 151, row 95 − Trunc(8.59) = 87;
    // tip trailing edge (550, 260) at row 95 − Trunc(74.42) = 21; root trailing
    // edge (0, 310) at row 95 − Trunc(88.74) = 7.
    EXPECT_EQ(wing1[0], (RecordedLine{{kCx, kCy}, {151, 87}, colors::kBlue, 1}));
    EXPECT_EQ(wing1[1].to, (Point{151, 21}));
    EXPECT_EQ(wing1[2].to, (Point{kCx, 7}));
    EXPECT_EQ(wing1[3].to, (Point{kCx, kCy}));  // the root chord is always drawn
    // The mirrored half: positive y to the left, negative y to the right.
    EXPECT_EQ(wing1[4], (RecordedLine{{kCx, kCy}, {465, 87}, colors::kBlue, 1}));
    // The tailplane lies further aft, so higher up in the picture than the wing.
    for (const RecordedLine& line : canvas.LinesIn(colors::kFuchsia)) {
        EXPECT_LT(line.from.y, 7);
    }
}

TEST(View3DTest, BackgroundAxesAndSelectedWings) {
    Scene scene = DefaultScene();
    const RecordingCanvas canvas = Draw(scene, 80, 250);
    const auto rectangles = canvas.Rectangles();
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0].brush, colors::kInfoBackground);
    EXPECT_EQ(rectangles[0].pen, colors::kGrey);
    EXPECT_EQ(canvas.LinesIn(colors::kBlack).size(), 2u);
    EXPECT_TRUE(canvas.LinesIn(colors::kGreen).empty());

    // "3 Wings" with Wing-3 of 4 trapezoids: 8 lines for trapezoid 1 and 6 more
    // for each further trapezoid.
    scene.drawn.wing_count = 3;
    scene.drawn.trapezoids[3] = 4;
    EXPECT_EQ(Draw(scene, 80, 250).LinesIn(colors::kGreen).size(), 8u + 3u * 6u);
}

TEST(View3DTest, DefaultViewShowsTheNoseLeftAndTheRightTipRightAndAbove) {
    const Scene scene = DefaultScene();
    View3DPoints points = View3DPointsOf(scene.aircraft, scene.mapping.view3d_scale);
    Calc3D(points, 80, 250);  // elevation 10°, azimuth 110°
    auto column = [&](size_t i) { return kCx - static_cast<int>(std::trunc(points[i].v)); };
    auto row = [&](size_t i) { return kCy - static_cast<int>(std::trunc(points[i].u)); };
    // Point 33 is the longitudinal axis 4000 ahead of the nose: y1 = 4000 sin 110°.
    EXPECT_LT(column(33), kCx - 3000);
    // Point 1 is Wing-1's right tip leading edge: y1 = 157.4 cos 110° − 8.6 sin 110°
    // = −61.92, x1 = 157.4 sin 110° + 8.6 cos 110° = 145.01, X = x1 cos 10° = 142.80,
    // Z = x1 sin 10° = 25.18, W = 1 + X / 10000 = 1.01428: v = −61.04, u = 24.83.
    EXPECT_EQ(column(1), kCx + 61);
    EXPECT_EQ(row(1), kCy - 24);
}

TEST(View3DTest, DegenerateAndExtremeAircraftProjectOnlyFinitePoints) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    Scene scene = DefaultScene();
    for (int w = 1; w <= kMaxWings; ++w) {
        const auto i = static_cast<size_t>(w);
        for (size_t k = 0; k < kMaxStations; ++k) {
            scene.aircraft.station_y_mm[k][i] = kMax;
            scene.aircraft.chord_mm[k][i] = kMax;
            scene.aircraft.le_x_mm[k][i] = -kMax;
        }
        scene.aircraft.wing_x_mm[i] = w == 2 ? -kMax : kMax;
        scene.aircraft.wing_z_mm[i] = w == 3 ? -kMax : kMax;
    }
    scene.drawn.wing_count = 3;
    for (double scale : {scene.mapping.view3d_scale, 3.6, 0.0001}) {
        for (int elevation : {0, 45, 90}) {
            View3DPoints points = View3DPointsOf(scene.aircraft, scale);
            Calc3D(points, elevation, 250);
            for (const View3DPoint& p : points) {
                EXPECT_TRUE(std::isfinite(p.u) && std::isfinite(p.v));
            }
        }
    }
    // Huge heights put some points behind the eye; their lines are left out.
    scene.mapping.view3d_scale = 3.6;
    const RecordingCanvas canvas = Draw(scene, 45, 250);
    EXPECT_LT(canvas.Lines().size(), 2u + 3u * 8u);

    // A wing of no size collapses to one point.
    Scene flat = DefaultScene();
    flat.aircraft.station_y_mm = {};
    flat.aircraft.chord_mm = {};
    flat.aircraft.le_x_mm = {};
    for (const RecordedLine& line : Draw(flat, 80, 250).LinesIn(colors::kBlue)) {
        EXPECT_EQ(line.from, line.to);
    }
}

// A 2.2 m wing seen edge-on is clipped at the start-up zoom; the fit's zoom keeps
// every line of it inside the picture.
TEST(View3DFit, KeepsTheTurnedWingInsideThePicture) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wings[1].span[0] = 1000;
    Scene scene;
    PrepareForCalculation(scene.aircraft, inputs);
    scene.drawn = SelectionOf(inputs);
    scene.mapping = TopViewMapping(scene.aircraft, 616, 321);
    View3DControls controls;
    controls.SetScrollBar1(0);
    const auto inside = [&](int zoom) {
        controls.SetScrollBar4(zoom, scene.mapping);
        RecordingCanvas canvas(kWidth, kHeight);
        DrawView3D(canvas, scene.aircraft, scene.drawn, controls, scene.mapping);
        for (const RecordedLine& line : canvas.LinesIn(WingColor(1))) {
            for (const Point& end : {line.from, line.to}) {
                if (end.x < 0 || end.x >= kWidth || end.y < 0 || end.y >= kHeight) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_FALSE(inside(75));
    const int fit = FitZoomPosition(scene.aircraft, scene.drawn, controls,
                                    scene.mapping.top_view_scale, kWidth, kHeight);
    EXPECT_TRUE(inside(fit));
}

}  // namespace
}  // namespace kalvesta
