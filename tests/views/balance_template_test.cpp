// The balance template: how many sheets a root region takes on each paper and how
// they overlap, and a sheet on a recording canvas at 10 dots per mm: the check bar
// in true length, the given texts, and the wing inside its drawing area.
#include "views/balance_template.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

// Wing-1 as one trapezoid: root at x = 0, tip 30 mm aft, chords root_chord and
// three quarters of it, 1000 mm half-span.
Aircraft WingWithRootChord(double root_chord) {
    Aircraft aircraft;
    aircraft.station_count[1] = 2;
    aircraft.plan_c[0][1] = root_chord;
    aircraft.plan_x[1][1] = 30.0;
    aircraft.plan_c[1][1] = 0.75 * root_chord;
    aircraft.plan_y[1][1] = 1000.0;
    return aircraft;
}

// The range at 20 % and 30 % of the chord, the middle chosen.
BalanceTemplateRequest RangeOf(double root_chord, PaperSize paper, size_t parts_lines) {
    BalanceTemplateRequest request;
    request.paper = paper;
    request.band_front_x_mm = 0.2 * root_chord;
    request.band_aft_x_mm = 0.3 * root_chord;
    request.chosen_x_mm = 0.25 * root_chord;
    request.parts_lines = parts_lines;
    return request;
}

struct SheetCase {
    double root_chord;
    PaperSize paper;
    size_t parts_lines;
    size_t sheets;  // 0: too long
};

class TemplateSheets : public ::testing::TestWithParam<SheetCase> {};

TEST_P(TemplateSheets, CoverTheRootChordAndOverlapWithSharedMarks) {
    const SheetCase& c = GetParam();
    const BalanceTemplateLayout layout = LayOutBalanceTemplate(
        WingWithRootChord(c.root_chord), RangeOf(c.root_chord, c.paper, c.parts_lines));
    if (c.sheets == 0) {
        EXPECT_EQ(layout.status, TemplateLayoutStatus::kTooLong);
        EXPECT_TRUE(layout.sheets.empty());
        return;
    }
    ASSERT_EQ(layout.status, TemplateLayoutStatus::kLaidOut);
    ASSERT_EQ(layout.sheets.size(), c.sheets);
    // 20 mm of room ahead of the leading edge, 10 mm behind the trailing edge.
    EXPECT_EQ(layout.sheets.front().x_top_mm, -20.0);
    EXPECT_GE(layout.sheets.back().x_bottom_mm, c.root_chord + 10.0);
    for (size_t i = 0; i < layout.sheets.size(); ++i) {
        const TemplateSheet& sheet = layout.sheets[i];
        // True size: a mm of x is a mm of the sheet.
        EXPECT_DOUBLE_EQ(sheet.x_bottom_mm - sheet.x_top_mm,
                         sheet.area_bottom_mm - sheet.area_top_mm);
        EXPECT_LE(sheet.area_bottom_mm, c.paper.height_mm - 12.0);
        EXPECT_EQ(sheet.join_above_x_mm.has_value(), i > 0);
        EXPECT_EQ(sheet.join_below_x_mm.has_value(), i + 1 < layout.sheets.size());
        if (i > 0) {
            const TemplateSheet& before = layout.sheets[i - 1];
            EXPECT_DOUBLE_EQ(sheet.x_top_mm, before.x_bottom_mm - 15.0);
            EXPECT_EQ(sheet.join_above_x_mm, before.join_below_x_mm);
            EXPECT_GT(*sheet.join_above_x_mm, sheet.x_top_mm);
            EXPECT_LT(*sheet.join_above_x_mm, before.x_bottom_mm);
        }
    }
}

// A4's drawing area is 243 mm tall (297 less 42 of header and 12 of margin),
// Letter's 225.4; a parts block of 30 lines takes 123 mm of the first sheet; the
// region is the chord and 30 mm; each further sheet adds its height less 15 mm.
INSTANTIATE_TEST_SUITE_P(
    Regions, TemplateSheets,
    ::testing::Values(SheetCase{100, kA4Paper, 0, 1}, SheetCase{100, kA4Paper, 30, 2},
                      SheetCase{310, kA4Paper, 0, 2}, SheetCase{310, kLetterPaper, 0, 2},
                      SheetCase{900, kA4Paper, 0, 5}, SheetCase{1e6, kA4Paper, 0, 0}));

TEST(TemplateSheet, CheckBarIsTrueToSizeAndTheWingStaysInItsArea) {
    const BalanceTemplateLayout layout =
        LayOutBalanceTemplate(WingWithRootChord(310.0), RangeOf(310.0, kA4Paper, 2));
    ASSERT_EQ(layout.sheets.size(), 2u);
    BalanceTemplateTexts texts;
    texts.title = "title";
    texts.check_bar = "check";
    texts.band_front = "62 mm";
    texts.band_aft = "93 mm";
    texts.chosen = "chosen";
    texts.join_next = "next";
    texts.parts = {"part line 1", "part line 2"};
    for (size_t index = 0; index < 2; ++index) {
        SCOPED_TRACE(index);
        RecordingCanvas canvas(2100, 2970);  // 10 dots per mm
        DrawBalanceTemplateSheet(canvas, layout, index, texts);
        EXPECT_EQ(canvas.DrawingFault(), "");
        // The black bar: from 12 mm to 112 mm, 1000 dots.
        const std::vector<RecordedRectangle> rectangles = canvas.Rectangles();
        const auto bar = std::find_if(rectangles.begin(), rectangles.end(),
                                      [](const auto& r) { return r.brush == colors::kBlack; });
        ASSERT_NE(bar, rectangles.end());
        EXPECT_EQ(bar->bottom_right.x - bar->top_left.x, 1000);
        for (const RecordedLine& line : canvas.LinesIn(WingColor(1))) {
            for (const Point p : {line.from, line.to}) {
                EXPECT_TRUE(p.x >= 120 && p.x <= 1980 && p.y >= 420 &&
                            p.y <= layout.sheets[index].area_bottom_mm * 10 + 0.5);
            }
        }
        std::string shown;
        for (const RecordedText& text : canvas.Texts()) {
            shown += text.text + "|";
        }
        // The band's dimensions and the chosen point on the first sheet, the parts
        // there only, the marks to the next sheet on the first.
        EXPECT_EQ(shown.find("62 mm|") != std::string::npos, index == 0) << shown;
        EXPECT_EQ(shown.find("part line 2|") != std::string::npos, index == 0) << shown;
        EXPECT_EQ(shown.find("next|") != std::string::npos, index == 0) << shown;
        EXPECT_NE(shown.find("title|"), std::string::npos);
    }
}

}  // namespace
}  // namespace kalvesta
