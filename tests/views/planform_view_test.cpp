// The scaled planform drawing on a recording canvas of the tab's image size.
#include "views/planform_view.h"

#include <gtest/gtest.h>

#include "model/planform.h"
#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

constexpr int kImageWidth = 536;  // Image1
constexpr int kImageHeight = 289;

TEST(PlanformView, DefaultWing1Outline) {
    // a = 268, p = 96; q = min((536 / 2.03) / 550, (289 / 1.6) / 310) = 0.480071 px/mm,
    // so the tip sits at 264 px, its leading edge at 96 + 14 and trailing edge at
    // 96 + 125, the root trailing edge at 96 + 149.
    Aircraft aircraft;
    ComputeWing(aircraft, 1, DefaultWingInputs(1), 1);
    RecordingCanvas canvas(kImageWidth, kImageHeight);
    DrawPlanform(canvas, aircraft, 1, 1);

    const std::vector<RecordedLine> outline = canvas.LinesIn(colors::kBlue);
    const std::vector<RecordedLine> expected{
        {{268, 96}, {532, 110}, colors::kBlue, 1},  {{532, 110}, {532, 221}, colors::kBlue, 1},
        {{532, 221}, {268, 245}, colors::kBlue, 1}, {{268, 245}, {4, 221}, colors::kBlue, 1},
        {{4, 221}, {4, 110}, colors::kBlue, 1},     {{4, 110}, {268, 96}, colors::kBlue, 1}};
    EXPECT_EQ(outline, expected);

    // r25 = 82.253 mm: a short thick red bar at row 96 + 39.
    const std::vector<RecordedLine> red = canvas.LinesIn(colors::kRed);
    ASSERT_GE(red.size(), 5u);
    EXPECT_EQ(red[3], (RecordedLine{{267, 135}, {270, 135}, colors::kRed, 2}));
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "x");
    EXPECT_EQ(texts[1].at, (Point{kImageWidth - 18, 96 - 17}));
}

TEST(PlanformView, RootOffsetClosesTheRootChord) {
    Aircraft aircraft;
    WingInputs inputs = DefaultWingInputs(1);
    inputs.root_offset = 40;
    ComputeWing(aircraft, 1, inputs, 2);
    RecordingCanvas canvas(kImageWidth, kImageHeight);
    DrawPlanform(canvas, aircraft, 1, 2);
    // Trapezoid 1 with its closing root edge on both halves, trapezoid 2 open.
    EXPECT_EQ(canvas.LinesIn(colors::kBlue).size(), 4u + 4u + 3u + 3u);
}

TEST(PlanformView, WingWithoutExtentDrawsAxesOnly) {
    Aircraft aircraft;
    WingInputs inputs;
    inputs.span = {500, 0, 0, 0};
    ComputeWing(aircraft, 2, inputs, 1);
    RecordingCanvas canvas(kImageWidth, kImageHeight);
    DrawPlanform(canvas, aircraft, 2, 1);
    EXPECT_TRUE(canvas.LinesIn(colors::kFuchsia).empty());
    EXPECT_FALSE(canvas.LinesIn(colors::kBlack).empty());
}

TEST(PlanformView, ExtremeInputsStayInsideTheImage) {
    Aircraft aircraft;
    WingInputs inputs;
    inputs.root_chord = INT32_MAX;
    inputs.span = {INT32_MAX, INT32_MAX, 1, 1};
    inputs.chord = {INT32_MIN, 0, 7, 0};
    inputs.le_x = {INT32_MIN, INT32_MAX, -5, 0};
    ComputeWing(aircraft, 3, inputs, 4);
    RecordingCanvas canvas(kImageWidth, kImageHeight);
    DrawPlanform(canvas, aircraft, 3, 4);
    for (const RecordedLine& line : canvas.Lines()) {
        for (const Point& point : {line.from, line.to}) {
            EXPECT_GE(point.x, -1);
            EXPECT_LE(point.x, kImageWidth + 1);
            EXPECT_GE(point.y, -1);
            EXPECT_LE(point.y, kImageHeight + 1);
        }
    }
}

}  // namespace
}  // namespace kalvesta
