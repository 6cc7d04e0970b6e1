// Dimension sketch: the trapezoids and arrows drawn for a trapezoid count, the
// arrow heads, and the caption's language.
#include "views/dimension_sketch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

constexpr Color kAqua{0, 255, 255};

TEST(PfeilTest, HeadsPointTheStatedWayWhateverTheOrderOfTheEnds) {
    RecordingCanvas canvas(750, 200);
    PfeilH2(canvas, 3, 31, 740, 31);
    PfeilV2(canvas, 107, 31, 107, 196);
    PfeilV1(canvas, 314, 31, 314, 72);
    // Tip first, base corners 11 pixels back and 2 either side.
    const std::vector<std::vector<Point>> expected{
        {{3, 31}, {14, 29}, {14, 33}},     {{740, 31}, {729, 29}, {729, 33}},
        {{107, 31}, {109, 42}, {105, 42}}, {{107, 196}, {109, 185}, {105, 185}},
        {{314, 72}, {316, 61}, {312, 61}},
    };
    const auto polygons = canvas.Polygons();
    ASSERT_EQ(polygons.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(polygons[i].points, expected[i]) << i;
    }
    EXPECT_EQ(canvas.Lines().size(), 3u);

    // A left-pointing head stays at the first end even when it lies to the right.
    RecordingCanvas reversed(750, 200);
    PfeilH2(reversed, 100, 10, 50, 10);
    EXPECT_EQ(reversed.Polygons()[0].points, (std::vector<Point>{{100, 10}, {111, 8}, {111, 12}}));
}

TEST(PfeilTest, ExtremeEndsSaturateInsteadOfOverflowing) {
    RecordingCanvas canvas(750, 200);
    PfeilV2(canvas, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN);
    const auto polygons = canvas.Polygons();
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].points[1], (Point{INT32_MAX, INT32_MAX}));
    EXPECT_EQ(polygons[1].points[2], (Point{INT32_MIN, INT32_MIN}));
}

TEST(DimensionSketchTest, OneTrapezoidDrawsItsOutlineAndThreeArrows) {
    RecordingCanvas canvas(750, 200);
    DrawDimensionSketch(canvas, 1, 1, Catalogue());

    const auto rectangles = canvas.Rectangles();
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0].brush, colors::kSilver);
    EXPECT_EQ(rectangles[0].bottom_right, (Point{750, 200}));

    const auto outlines = canvas.PolygonsIn(kAqua);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].brush, colors::kWhite);
    EXPECT_EQ(outlines[0].points,
              (std::vector<Point>{{107, 31}, {314, 72}, {314, 187}, {107, 196}, {107, 31}}));

    // y axis, x axis, root distance, root chord; then span, tip offset, tip chord.
    const std::vector<RecordedLine> expected{
        {{3, 31}, {740, 31}, colors::kBlack, 1},    {{3, 1}, {3, 199}, colors::kBlack, 1},
        {{3, 31}, {107, 31}, colors::kBlack, 1},    {{107, 31}, {107, 196}, colors::kBlack, 1},
        {{107, 31}, {314, 31}, colors::kBlack, 1},  {{314, 31}, {314, 72}, colors::kBlack, 1},
        {{314, 72}, {314, 187}, colors::kBlack, 1},
    };
    EXPECT_EQ(canvas.LinesIn(colors::kBlack), expected);
    // Heads: 2 + 1 + 2 + 2 for the axes and root, 2 + 1 + 2 for the trapezoid.
    EXPECT_EQ(canvas.PolygonsIn(colors::kBlack).size(), 12u);
}

TEST(DimensionSketchTest, ThreeTrapezoidsDrawNothingBeyondTheThirdTipButTheYAxis) {
    RecordingCanvas canvas(750, 200);
    DrawDimensionSketch(canvas, 1, 3, Catalogue());

    const auto outlines = canvas.PolygonsIn(kAqua);
    ASSERT_EQ(outlines.size(), 3u);
    EXPECT_EQ(outlines[1].points,
              (std::vector<Point>{{314, 72}, {519, 86}, {519, 187}, {314, 187}, {314, 72}}));
    EXPECT_EQ(outlines[2].points,
              (std::vector<Point>{{519, 86}, {619, 115}, {619, 175}, {519, 187}, {519, 86}}));

    // Each tip offset is measured from the root's leading-edge line (row 31).
    const auto lines = canvas.LinesIn(colors::kBlack);
    ASSERT_EQ(lines.size(), 4u + 3u * 3u);
    EXPECT_EQ(lines[7], (RecordedLine{{314, 31}, {519, 31}, colors::kBlack, 1}));
    EXPECT_EQ(lines[8], (RecordedLine{{519, 31}, {519, 86}, colors::kBlack, 1}));
    EXPECT_EQ(lines[9], (RecordedLine{{519, 86}, {519, 187}, colors::kBlack, 1}));
    EXPECT_EQ(lines[12], (RecordedLine{{619, 115}, {619, 175}, colors::kBlack, 1}));

    // Beyond column 619 (and the 2-pixel half width of the heads on it) only the
    // y axis with its head.
    for (const RecordedLine& line : canvas.Lines()) {
        if (std::max(line.from.x, line.to.x) > 619) {
            EXPECT_EQ(line, (RecordedLine{{3, 31}, {740, 31}, colors::kBlack, 1}));
        }
    }
    for (const RecordedPolygon& polygon : canvas.Polygons()) {
        for (const Point& p : polygon.points) {
            if (p.x > 621) {
                EXPECT_TRUE(p.y >= 29 && p.y <= 33) << p.x << "," << p.y;
            }
        }
    }
}

TEST(DimensionSketchTest, FourTrapezoidsAndOutOfRangeCounts) {
    RecordingCanvas four(750, 200);
    DrawDimensionSketch(four, 1, 4, Catalogue());
    EXPECT_EQ(four.PolygonsIn(kAqua).size(), 4u);
    EXPECT_EQ(four.PolygonsIn(kAqua)[3].points[2], (Point{688, 195}));

    // A count the buttons cannot give still draws trapezoid 1, and never a fifth.
    RecordingCanvas none(750, 200);
    DrawDimensionSketch(none, 1, 0, Catalogue());
    EXPECT_EQ(none.PolygonsIn(kAqua).size(), 1u);
    RecordingCanvas many(750, 200);
    DrawDimensionSketch(many, 1, 99, Catalogue());
    EXPECT_EQ(many.PolygonsIn(kAqua).size(), 4u);
}

TEST(DimensionSketchTest, FlightDirectionInRedWithItsCaption) {
    RecordingCanvas english(750, 200);
    DrawDimensionSketch(english, 1, 1, Catalogue());
    EXPECT_EQ(english.LinesIn(colors::kRed),
              (std::vector<RecordedLine>{{{10, 26}, {10, 1}, colors::kRed, 1}}));
    EXPECT_EQ(english.PolygonsIn(colors::kRed)[0].points,
              (std::vector<Point>{{10, 1}, {12, 12}, {8, 12}}));
    const auto texts = english.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "flight direction");
    EXPECT_EQ(texts[0].at, (Point{17, 1}));
    EXPECT_EQ(texts[0].color, colors::kRed);
    for (const RecordedText& text : texts) {
        EXPECT_EQ(text.background, colors::kSilver) << text.text;
    }
    EXPECT_EQ(texts[1].text, "x");
    EXPECT_EQ(texts[1].at, (Point{8, 174}));
    EXPECT_EQ(texts[1].color, colors::kBlack);
    EXPECT_EQ(texts[2].at, (Point{722, 15}));
}

TEST(DimensionSketchTest, TheOtherTabsWriteTheLettersFirstButDrawTheSamePicture) {
    RecordingCanvas first(750, 200);
    RecordingCanvas second(750, 200);
    RecordingCanvas third(750, 200);
    DrawDimensionSketch(first, 1, 2, Catalogue(Language::kRussian));
    DrawDimensionSketch(second, 2, 2, Catalogue(Language::kRussian));
    DrawDimensionSketch(third, 3, 2, Catalogue(Language::kRussian));
    EXPECT_EQ(second.Lines(), first.Lines());
    EXPECT_EQ(third.Lines(), first.Lines());
    const auto texts = second.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "x");
    EXPECT_EQ(texts[1].text, "y");
    EXPECT_EQ(texts[2].text, "Напр. полёта");
    EXPECT_EQ(texts[2].color, colors::kRed);
    EXPECT_EQ(texts[0].background, colors::kSilver);
}

}  // namespace
}  // namespace kalvesta
