// Aircraft top view: placement (scale and row of x = 0) and the mapping of wing
// corners, including the degenerate and extreme aircraft.
#include "views/top_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "model/aircraft_inputs.h"
#include "support/recording_canvas.h"
#include "views/result_top_view.h"

namespace kalvesta {
namespace {

constexpr int kWidth = 616;  // Image2
constexpr int kHeight = 321;

Aircraft PreparedAircraft(const AircraftInputs& inputs) {
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    return aircraft;
}

void ExpectUsableMapping(const ViewMapping& mapping) {
    EXPECT_TRUE(std::isfinite(mapping.top_view_scale));
    EXPECT_GT(mapping.top_view_scale, 0.0);
    EXPECT_EQ(mapping.view3d_scale, mapping.top_view_scale);
}

TEST(TopViewMappingTest, DefaultAircraftIsScaledByItsLength) {
    const Aircraft aircraft = PreparedAircraft(DefaultAircraftInputs());
    const ViewMapping mapping = TopViewMapping(aircraft, kWidth, kHeight);
    // back = 800 + 90 (Wing-2's root trailing edge), front = 0 (Wing-1's root);
    // (321 / 1.26) / 890 = 0.2862 is below the span candidate (616 / 2.03) / 550 = 0.5517.
    EXPECT_EQ(mapping.top_view_scale, (kHeight / 1.26) / 890.0);
    EXPECT_NEAR(mapping.top_view_scale, 0.286249, 1e-6);
    // Round(321 / 7) = Round(45.857).
    EXPECT_EQ(mapping.top_view_axis_row, 46);
    EXPECT_EQ(mapping.view3d_scale, mapping.top_view_scale);
}

TEST(TopViewMappingTest, CanardAheadMovesTheAxisRowDown) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = 3;
    const Aircraft aircraft = PreparedAircraft(inputs);
    const ViewMapping mapping = TopViewMapping(aircraft, kWidth, kHeight);
    // Wing-3 at x = -130 with its tip leading edge 40 aft: front = -90 (not the
    // canard's own root at -130), back = 890, scale = (321 / 1.26) / 980 = 0.25996;
    // row = Round(321 / 7 + 90 × 0.25996) = Round(69.254).
    EXPECT_EQ(mapping.top_view_scale, (kHeight / 1.26) / 980.0);
    EXPECT_EQ(mapping.top_view_axis_row, 69);
}

TEST(TopViewMappingTest, WideAircraftIsScaledByItsSpan) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wings[1].span[0] = 3000;
    const ViewMapping mapping = TopViewMapping(PreparedAircraft(inputs), kWidth, kHeight);
    // (616 / 2.03) / 3000 = 0.1011 < (321 / 1.26) / 890.
    EXPECT_EQ(mapping.top_view_scale, (kWidth / 2.03) / 3000.0);
}

TEST(TopViewMappingTest, WingsBeyondTheWingCountAreLeftOut) {
    AircraftInputs inputs = DefaultAircraftInputs();
    Aircraft aircraft = PreparedAircraft(inputs);
    aircraft.wing_count = 1;
    // Only Wing-1: widest 550, back = 310, front = 0, so the span decides (with
    // Wing-2 the length would: 0.2862).
    EXPECT_EQ(TopViewMapping(aircraft, kWidth, kHeight).top_view_scale, (kWidth / 2.03) / 550.0);
    // A count the model cannot hold reads three wings, never beyond.
    aircraft.wing_count = 7;
    inputs.wing_count = 3;
    const Aircraft three = PreparedAircraft(inputs);
    EXPECT_EQ(TopViewMapping(aircraft, kWidth, kHeight).top_view_scale,
              TopViewMapping(three, kWidth, kHeight).top_view_scale);
}

TEST(TopViewTest, WingCornersFollowTheMapping) {
    const AircraftInputs inputs = DefaultAircraftInputs();
    const Aircraft aircraft = PreparedAircraft(inputs);
    RecordingCanvas canvas(kWidth, kHeight);
    ViewMapping mapping;
    DrawTopView(canvas, aircraft, SelectionOf(inputs), mapping);
    EXPECT_EQ(mapping.top_view_axis_row, 46);

    // Wing-2 (s = 0.286249): root row Round(800 s + 46) = Round(274.9995) = 275;
    // tip column 308 ± Round(100 s) = ± 29; tip leading edge +Round(10 s) = 3,
    // tip trailing edge +Round(80 s) = 23, root trailing edge +Round(90 s) = 26.
    const Color fuchsia = colors::kFuchsia;
    const std::vector<RecordedLine> wing2{
        {{308, 275}, {337, 278}, fuchsia, 1}, {{337, 278}, {337, 298}, fuchsia, 1},
        {{337, 298}, {308, 301}, fuchsia, 1}, {{308, 301}, {279, 298}, fuchsia, 1},
        {{279, 298}, {279, 278}, fuchsia, 1}, {{279, 278}, {308, 275}, fuchsia, 1},
    };
    EXPECT_EQ(canvas.LinesIn(fuchsia), wing2);

    // Wing-1: root row 46, tip columns 308 ± Round(550 s) = ± 157, tip leading
    // edge 46 + Round(30 s) = 55, tip trailing edge 46 + Round(260 s) = 120, root
    // trailing edge 46 + Round(310 s) = 135.
    const auto wing1 = canvas.LinesIn(colors::kBlue);
    ASSERT_EQ(wing1.size(), 6u);
    EXPECT_EQ(wing1[0], (RecordedLine{{308, 46}, {465, 55}, colors::kBlue, 1}));
    EXPECT_EQ(wing1[1].to, (Point{465, 120}));
    EXPECT_EQ(wing1[2].to, (Point{308, 135}));
    EXPECT_EQ(wing1[4].to, (Point{151, 55}));

    // Wing-3 is not drawn with "2 Wings".
    EXPECT_TRUE(canvas.LinesIn(colors::kGreen).empty());
}

TEST(TopViewTest, FuselageOutlineIsGreyUnderEverythingElse) {
    const AircraftInputs inputs = DefaultAircraftInputs();
    const Aircraft aircraft = PreparedAircraft(inputs);
    RecordingCanvas canvas(kWidth, kHeight);
    ViewMapping mapping = TopViewMapping(aircraft, kWidth, kHeight);
    const auto lattice = std::make_unique<Lattice>();
    DrawResultTopView(canvas, aircraft, *lattice, Results{}, SelectionOf(inputs), false,
                      LengthUnit::kMillimetre, Catalogue(), mapping,
                      Fuselage{{{-100, 60}, {700, 20}}});
    // s = 0.286249: rows Round(46 − 100 s) = 17 and Round(46 + 700 s) = 246,
    // half-widths Round(30 s) = 9 and Round(10 s) = 3 about column 308.
    const Color grey = colors::kGrey;
    const std::vector<RecordedLine> outline{
        {{299, 17}, {317, 17}, grey, 1},
        {{317, 17}, {311, 246}, grey, 1},
        {{311, 246}, {305, 246}, grey, 1},
        {{305, 246}, {299, 17}, grey, 1},
    };
    EXPECT_EQ(canvas.LinesIn(grey), outline);
    EXPECT_EQ(canvas.Lines().front(), outline.front());
}

TEST(TopViewTest, AxesArrowAndLetters) {
    const AircraftInputs inputs = DefaultAircraftInputs();
    RecordingCanvas canvas(kWidth, kHeight);
    ViewMapping mapping;
    DrawTopView(canvas, PreparedAircraft(inputs), SelectionOf(inputs), mapping);
    const std::vector<RecordedLine> axes{
        {{616, 46}, {0, 46}, colors::kBlack, 1},     {{308, 0}, {308, 321}, colors::kBlack, 1},
        {{308, 321}, {310, 311}, colors::kBlack, 1}, {{308, 321}, {306, 311}, colors::kBlack, 1},
        {{606, 48}, {616, 46}, colors::kBlack, 1},   {{616, 46}, {606, 44}, colors::kBlack, 1},
    };
    EXPECT_EQ(canvas.LinesIn(colors::kBlack), axes);
    const std::vector<RecordedLine> arrow{
        {{328, 30}, {328, 3}, colors::kRed, 1},
        {{328, 3}, {326, 13}, colors::kRed, 1},
        {{328, 3}, {330, 13}, colors::kRed, 1},
    };
    EXPECT_EQ(canvas.LinesIn(colors::kRed), arrow);
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].at, (Point{312, 301}));
    EXPECT_EQ(texts[1].at, (Point{596, 30}));
}

TEST(TopViewTest, RootOffsetClosesTheRootChordAndMoreTrapezoidsAddOutlines) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = 1;
    inputs.wings[1].root_offset = 40;
    inputs.trapezoids[1] = 3;
    RecordingCanvas canvas(kWidth, kHeight);
    ViewMapping mapping;
    DrawTopView(canvas, PreparedAircraft(inputs), SelectionOf(inputs), mapping);
    // Trapezoid 1: 4 lines per half with the root chord; trapezoids 2, 3: 3 per half.
    const auto wing1 = canvas.LinesIn(colors::kBlue);
    EXPECT_EQ(wing1.size(), 8u + 6u + 6u);
    EXPECT_EQ(wing1[3].to, wing1[0].from);  // the right root chord closes the outline
    EXPECT_TRUE(canvas.LinesIn(colors::kFuchsia).empty());
}

TEST(TopViewTest, DegenerateWingsGetAFinitePositiveScale) {
    // Three wings without span or chord at the same x: no span and no length.
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = 3;
    for (int w = 1; w <= kMaxWings; ++w) {
        inputs.wings[static_cast<size_t>(w)] = WingInputs{};
        inputs.wing_x_mm[static_cast<size_t>(w)] = 500;
    }
    const Aircraft flat = PreparedAircraft(inputs);
    const ViewMapping none = TopViewMapping(flat, kWidth, kHeight);
    ExpectUsableMapping(none);
    EXPECT_EQ(none.top_view_scale, 1.0);

    // Zero span only: the length decides; zero chord only: the span decides.
    inputs.wing_x_mm = {0, 0, 100, 300};
    const ViewMapping spanless = TopViewMapping(PreparedAircraft(inputs), kWidth, kHeight);
    ExpectUsableMapping(spanless);
    EXPECT_EQ(spanless.top_view_scale, (kHeight / 1.26) / 300.0);
    inputs.wing_x_mm = {0, 0, 0, 0};
    inputs.wings[1].span[0] = 200;
    const ViewMapping chordless = TopViewMapping(PreparedAircraft(inputs), kWidth, kHeight);
    ExpectUsableMapping(chordless);
    EXPECT_EQ(chordless.top_view_scale, (kWidth / 2.03) / 200.0);

    // Drawn, the zero wings collapse onto the centre column.
    RecordingCanvas canvas(kWidth, kHeight);
    ViewMapping mapping;
    DrawTopView(canvas, flat, SelectionOf(inputs), mapping);
    for (const RecordedLine& line : canvas.LinesIn(colors::kGreen)) {
        EXPECT_EQ(line.from.x, 308);
        EXPECT_EQ(line.to.x, 308);
    }
}

TEST(TopViewTest, ExtremeValuesGiveAUsableMappingAndClampedPixels) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = 3;
    for (int w = 1; w <= kMaxWings; ++w) {
        WingInputs& wing = inputs.wings[static_cast<size_t>(w)];
        wing.root_offset = kMax;
        wing.root_chord = kMin;
        wing.span = {kMax, kMax, kMax, kMax};
        wing.chord = {kMax, kMax, kMax, kMax};
        wing.le_x = {kMin, kMax, kMin, kMax};
        inputs.trapezoids[static_cast<size_t>(w)] = 4;
    }
    inputs.wing_x_mm = {0, kMin, kMax, kMin};
    inputs.wing_z_mm = {0, kMax, kMin, kMax};
    const Aircraft aircraft = PreparedAircraft(inputs);
    RecordingCanvas canvas(kWidth, kHeight);
    ViewMapping mapping;
    DrawTopView(canvas, aircraft, SelectionOf(inputs), mapping);
    ExpectUsableMapping(mapping);
    // The scale still fits the whole aircraft (stations saturate at the 32-bit
    // limit, extents are summed in 64 bits), so every outline stays in the picture.
    const auto lines = canvas.Lines();
    // Axes 6 and arrow 3; per wing 8 for trapezoid 1 (root offset) and 6 for each further one.
    ASSERT_EQ(lines.size(), 6u + 3u + 3u * (8u + 3u * 6u));
    for (const RecordedLine& line : lines) {
        for (const Point& p : {line.from, line.to}) {
            EXPECT_TRUE(p.x >= 0 && p.x <= kWidth && p.y >= 0 && p.y <= kHeight)
                << p.x << "," << p.y;
        }
    }
}

}  // namespace
}  // namespace kalvesta
