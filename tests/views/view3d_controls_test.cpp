// Controls of the three-dimensional view: scroll-bar clamping and the mouse-drag
// arithmetic (3 pixels per step, stored position at every move).
#include "views/view3d_controls.h"

#include <gtest/gtest.h>

#include <limits>

namespace kalvesta {
namespace {

TEST(ScrollBarPositionTest, ClampsToItsRangeAndReportsOnlyRealChanges) {
    ScrollBarPosition bar(0, 90, 80);
    EXPECT_FALSE(bar.Set(80));
    EXPECT_TRUE(bar.Set(85));
    EXPECT_TRUE(bar.Set(1000));
    EXPECT_EQ(bar.Position(), 90);
    EXPECT_FALSE(bar.Set(91));  // past the end: stays there, no redraw
    EXPECT_TRUE(bar.Set(std::numeric_limits<long long>::min()));
    EXPECT_EQ(bar.Position(), 0);
}

TEST(View3DControlsTest, StartsAtTheDefaultPositionsWithNoDrag) {
    const View3DControls controls;
    EXPECT_EQ(controls.ScrollBar1().Position(), 80);
    EXPECT_EQ(controls.ScrollBar2().Position(), 250);
    EXPECT_EQ(controls.ScrollBar4().Position(), 75);
    EXPECT_EQ(controls.ScrollBar4().Min(), 10);
    EXPECT_EQ(controls.ScrollBar4().Max(), 97);
    EXPECT_TRUE(controls.DragReleased());
}

TEST(View3DControlsTest, MovingWithAButtonPressedElsewhereChangesNothing) {
    View3DControls controls;
    ViewMapping mapping;
    EXPECT_FALSE(controls.MouseMove(true, true, 300, 0, mapping));
    controls.MouseDown(0, 300);
    controls.MouseUp(0, 300);
    EXPECT_FALSE(controls.MouseMove(true, false, 300, 0, mapping));
    EXPECT_EQ(controls.ScrollBar1().Position(), 80);
    EXPECT_EQ(controls.ScrollBar2().Position(), 250);
    EXPECT_EQ(mapping.view3d_scale, 1.0);
}

TEST(View3DControlsTest, MovesUnderThreePixelsChangeNothingButTheStoredPosition) {
    View3DControls controls;
    ViewMapping mapping;
    controls.MouseDown(100, 100);
    // Each move is 2 pixels from the last stored position: Trunc(2 / 3) = 0, so a
    // slow drag of 8 pixels in all turns nothing.
    for (int step = 1; step <= 4; ++step) {
        EXPECT_FALSE(controls.MouseMove(true, false, 100 + 2 * step, 100 - 2 * step, mapping));
        EXPECT_FALSE(controls.MouseMove(false, true, 100 + 2 * step, 100 - 2 * step, mapping));
    }
    EXPECT_EQ(controls.ScrollBar1().Position(), 80);
    EXPECT_EQ(controls.ScrollBar2().Position(), 250);
    EXPECT_EQ(controls.ScrollBar4().Position(), 75);
}

TEST(View3DControlsTest, LeftDragTurnsOneStepPerThreePixels) {
    View3DControls controls;
    ViewMapping mapping;
    controls.MouseDown(100, 100);
    // Up 6 and right 14: elevation bar + Trunc(6 / 3) = 82, azimuth bar + Trunc(14 / 3) = 254.
    EXPECT_TRUE(controls.MouseMove(true, false, 114, 94, mapping));
    EXPECT_EQ(controls.ScrollBar1().Position(), 82);
    EXPECT_EQ(controls.ScrollBar2().Position(), 254);
    // Left 5 from the stored (114, 94): Trunc(−5 / 3) = −1, toward zero.
    EXPECT_TRUE(controls.MouseMove(true, false, 109, 94, mapping));
    EXPECT_EQ(controls.ScrollBar2().Position(), 253);
    // Far up: the elevation bar stops at 90; further up changes nothing.
    EXPECT_TRUE(controls.MouseMove(true, false, 109, -1000, mapping));
    EXPECT_EQ(controls.ScrollBar1().Position(), 90);
    EXPECT_FALSE(controls.MouseMove(true, false, 109, -2000, mapping));
    EXPECT_EQ(mapping.view3d_scale, 1.0);  // turning never zooms
}

TEST(View3DControlsTest, RightDragZoomsFromTheTopViewScale) {
    View3DControls controls;
    ViewMapping mapping;
    mapping.top_view_scale = 0.5;
    controls.MouseDown(10, 100);
    // Up 30: zoom bar 75 + 10 = 85, scale (100 − 85) × 0.5 × 0.04 = 0.3.
    EXPECT_TRUE(controls.MouseMove(false, true, 10, 70, mapping));
    EXPECT_EQ(controls.ScrollBar4().Position(), 85);
    EXPECT_DOUBLE_EQ(mapping.view3d_scale, 0.3);
    EXPECT_EQ(controls.ScrollBar1().Position(), 80);
    // Both buttons: the left button's turn uses the move, the right one sees none.
    EXPECT_TRUE(controls.MouseMove(true, true, 10, 40, mapping));
    EXPECT_EQ(controls.ScrollBar1().Position(), 90);
    EXPECT_EQ(controls.ScrollBar4().Position(), 85);
}

TEST(View3DControlsTest, ExtremeMousePositionsDoNotOverflow) {
    View3DControls controls;
    ViewMapping mapping;
    controls.MouseDown(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    EXPECT_TRUE(controls.MouseMove(true, false, std::numeric_limits<int>::max(),
                                   std::numeric_limits<int>::min(), mapping));
    EXPECT_EQ(controls.ScrollBar1().Position(), 90);
    EXPECT_EQ(controls.ScrollBar2().Position(), 360);
}

TEST(ZoomTest, ScaleStaysPositiveAndFinite) {
    // (100 − 75) × s × 0.04 = s: zoom factor 1 at the default position.
    EXPECT_DOUBLE_EQ(ZoomedView3DScale(75, 0.28), 0.28);
    EXPECT_DOUBLE_EQ(ZoomedView3DScale(10, 1.0), 3.6);
    EXPECT_EQ(ZoomedView3DScale(75, 0.0), 0.0001);
    EXPECT_EQ(ZoomedView3DScale(75, std::numeric_limits<double>::quiet_NaN()), 0.0001);
    EXPECT_EQ(ZoomedView3DScale(75, std::numeric_limits<double>::infinity()), 0.0001);
}

TEST(View3DControlsTest, ZoomBarRunsItsChangeHandlerOnlyOnAChange) {
    View3DControls controls;
    ViewMapping mapping;
    mapping.top_view_scale = 2.0;
    mapping.view3d_scale = 2.0;
    EXPECT_FALSE(controls.SetScrollBar4(75, mapping));
    EXPECT_TRUE(controls.SetScrollBar4(100, mapping));
    EXPECT_EQ(controls.ScrollBar4().Position(), 97);
    EXPECT_DOUBLE_EQ(mapping.view3d_scale, 3 * 2.0 * 0.04);
    EXPECT_FALSE(controls.SetScrollBar4(98, mapping));
}

}  // namespace
}  // namespace kalvesta
