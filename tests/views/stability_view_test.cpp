// The stability lines and marks on a recording canvas.
#include "views/stability_view.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

Results TwoWingResults() {
    Results results;
    results.ref_area = 412500.0;  // 41.25 dm²
    results.ref_length = 200.0;
    results.x_np = 300.0;
    results.stability_low = 8.0;
    results.stability_high = 16.0;
    results.stability_manual = 7.5;
    results.x_cg_low = 284.0;
    results.x_cg_high = 268.0;
    results.x_cg_manual = 285.0;
    return results;
}

TEST(StabilityView, AutomaticLinesInEnglish) {
    const auto lines = StabilityLines(TwoWingResults(), false, Catalogue());
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text, "Reference area (S): 41.25dm^2 ");
    EXPECT_EQ(lines[1].text, "Reference length (lm): 200.0mm ");
    EXPECT_EQ(lines[2].text, "x_cg (16%): 268.0мм   ");
    EXPECT_EQ(lines[3].text, "x_cg (8%): 284.0мм   ");
    EXPECT_EQ(lines[4].text, "x_ac: 300.0мм    ");
    const int rows[] = {232, 249, 266, 282, 298};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].y, rows[i]);
    }
    EXPECT_EQ(lines[2].color, colors::kBlue);
    EXPECT_EQ(lines[4].color, colors::kRed);
}

TEST(StabilityView, ManualLinesInRussian) {
    Results results = TwoWingResults();
    results.x_np = -12.25;
    const auto lines = StabilityLines(results, true, Catalogue(Language::kRussian));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "Площадь      (S): 41.25dm^2 ");
    EXPECT_EQ(lines[1].text, "Длина хорды (lm): 200.0mm ");
    EXPECT_EQ(lines[2].text, "x_ЦТ (7.5%): 285.0mm     ");
    EXPECT_EQ(lines[2].y, 282);
    EXPECT_EQ(lines[3].text, "x_NP: -12.2мм    ");  // -12.25 is exact: ties go to even
}

TEST(StabilityView, MarksOnTheAxisWithTheTopViewMapping) {
    RecordingCanvas canvas(616, 321);
    ViewMapping mapping;
    mapping.top_view_scale = 0.5;
    mapping.top_view_axis_row = 40;
    DrawStabilityResults(canvas, TwoWingResults(), false, Catalogue(), mapping);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 3u);
    // Centre column 308; rows 40 + 0.5 x.
    EXPECT_EQ(lines[0], (RecordedLine{{304, 190}, {312, 190}, colors::kRed, 2}));
    EXPECT_EQ(lines[1], (RecordedLine{{305, 182}, {311, 182}, colors::kBlue, 2}));
    EXPECT_EQ(lines[2], (RecordedLine{{305, 174}, {311, 174}, colors::kBlue, 2}));
    EXPECT_EQ(canvas.pen.width, 1);
}

TEST(StabilityView, LabelledCentreOfGravityMarks) {
    RecordingCanvas canvas(616, 321);
    ViewMapping mapping;
    mapping.top_view_scale = 0.5;
    mapping.top_view_axis_row = 40;
    using Kind = CentreOfGravityMark::Kind;
    // Rows 40 + 0.5 x: 80, 84 (its label moves below the first) and, left out, 340.
    DrawCentreOfGravityMarks(
        canvas,
        {{Kind::kTarget, 88.0, 12.0}, {Kind::kParts, 80.0, 7.25}, {Kind::kMeasured, 600.0, -1.0}},
        Catalogue(), mapping);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (RecordedLine{{302, 80}, {314, 80}, colors::kBlack, 2}));
    EXPECT_EQ(lines[1], (RecordedLine{{302, 84}, {314, 84}, colors::kBlue, 2}));
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].at, (Point{318, 74}));
    EXPECT_EQ(texts[0].text, "x_cg (parts) 80.0mm: 7.2%");
    EXPECT_EQ(texts[1].at, (Point{318, 87}));
    EXPECT_EQ(texts[1].color, colors::kBlue);
    EXPECT_EQ(canvas.pen.width, 1);
    EXPECT_EQ(CentreOfGravityLabel({Kind::kMeasured, -5.0, 11.51}, Catalogue(Language::kRussian)),
              "x_ЦТ -5.0мм: 11.5%");
}

}  // namespace
}  // namespace kalvesta
