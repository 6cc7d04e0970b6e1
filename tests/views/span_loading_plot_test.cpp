// The lift along the span on a recording canvas: the given texts and nothing in a
// language of the drawing's own, the highest local lift marked where it lies, and
// every curve inside its plot.
#include "views/span_loading_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

// One surface of 1000 mm span in four strips, its cl/CL highest in the third.
SpanLoading FourStrips() {
    SpanLoading loading;
    loading.wing_count = 1;
    loading.lift_slope = 4.5;
    SurfaceLoading& surface = loading.wings[1];
    surface.span_mm = 1000.0;
    const double cl[] = {0.9, 1.0, 1.1, 0.8};
    for (int k = 0; k < 4; ++k) {
        const double chord = 200.0 - 25.0 * k;
        surface.strips.push_back({62.5 + 125.0 * k, 125.0, chord, cl[k], chord * cl[k] / 180.0});
        surface.load_integral_mm += 2.0 * surface.strips.back().load * 125.0;
    }
    surface.peak_strip = 2;
    surface.peak_y_mm = 312.5;
    return loading;
}

TEST(SpanLoadingPlot, ShowsTheGivenTextsMarksThePeakAndStaysInside) {
    RecordingCanvas canvas(640, 480);
    SpanLoadingTexts texts{"cl/CL", "load", "elliptic", "y (in)", {}};
    texts.notes[1] = "Wing-1 note";
    const SpanLoading loading = FourStrips();
    DrawSpanLoading(canvas, loading, LengthUnit::kInch, texts);
    EXPECT_EQ(canvas.DrawingFault(), "");

    // Words only from the caller; the rest are tick values.
    std::set<std::string> words;
    for (const RecordedText& text : canvas.Texts()) {
        if (text.text.find_first_not_of("0123456789.-") != std::string::npos) {
            words.insert(text.text);
        }
        EXPECT_TRUE(text.at.x >= 0 && text.at.x < 640 && text.at.y >= 0 && text.at.y < 480)
            << text.text;
    }
    EXPECT_EQ(words, (std::set<std::string>{"cl/CL", "load", "elliptic", "y (in)", "Wing-1 note"}));
    // The half-span of 19.69 in gets ticks of 5 in up to 20.
    const auto& all = canvas.Texts();
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const auto& t) { return t.text == "20"; }));

    // The diamond on the third strip lies between the curve's second and fourth
    // points, at the highest point of the Wing-1 curve in the upper plot.
    const std::vector<RecordedPolygon> marks = canvas.PolygonsIn(WingColor(1));
    ASSERT_EQ(marks.size(), 1u);
    const Point centre{marks[0].points[0].x, marks[0].points[1].y};
    const std::vector<RecordedLine> curve = canvas.LinesIn(WingColor(1));
    ASSERT_GE(curve.size(), 6u);  // three segments per plot
    EXPECT_EQ(curve[1].to, centre);
    for (const RecordedLine& line : curve) {
        EXPECT_GE(std::min(line.from.y, line.to.y), centre.y);
        EXPECT_TRUE(line.from.x >= 48 && line.to.x <= 628) << line.from.x << " " << line.to.x;
    }
}

}  // namespace
}  // namespace kalvesta
