// Planform integration and the wing computation on the documented examples.
#include "model/planform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalvesta {
namespace {

Aircraft ComputeDefaultWing(int wing, int32_t wing_x = 0) {
    Aircraft aircraft;
    aircraft.wing_x_mm[static_cast<size_t>(wing)] = wing_x;
    ComputeWing(aircraft, wing, DefaultWingInputs(wing), 1);
    return aircraft;
}

TEST(Planform, DefaultWing1ValuesAndLabels) {
    // Trapezoid 310/230 over 550 mm, leading edge 30 mm aft at the tip:
    // s = 2 × 270 × 550, lm = (2/s) ∫c² dy, r25 the area-weighted quarter-chord x.
    const Aircraft aircraft = ComputeDefaultWing(1);
    EXPECT_DOUBLE_EQ(aircraft.wing_b[1], 1100.0);
    EXPECT_DOUBLE_EQ(aircraft.wing_s[1], 297000.0);
    EXPECT_NEAR(aircraft.wing_lm[1], 271.975, 5e-4);
    EXPECT_NEAR(aircraft.wing_r25[1], 82.253, 5e-4);
    EXPECT_NEAR(aircraft.wing_lam[1], 4.074, 5e-4);
    const PlanformLabels labels = FormatPlanformLabels(aircraft, 1);
    EXPECT_EQ(labels.b, "1100mm");
    EXPECT_EQ(labels.s, "29.70dm^2");
    EXPECT_EQ(labels.lm, "272.0mm");
    EXPECT_EQ(labels.r25, "82.3mm");
    EXPECT_EQ(labels.lam, " 4.1");
}

TEST(Planform, DefaultWing2IsMeasuredFromItsOwnRoot) {
    // The same wing placed 800 mm aft keeps its r25; only plan_x moves.
    const Aircraft at_origin = ComputeDefaultWing(2);
    const Aircraft placed = ComputeDefaultWing(2, 800);
    for (const Aircraft* aircraft : {&at_origin, &placed}) {
        EXPECT_DOUBLE_EQ(aircraft->wing_b[2], 200.0);
        EXPECT_DOUBLE_EQ(aircraft->wing_s[2], 16000.0);
        EXPECT_NEAR(aircraft->wing_lm[2], 80.417, 5e-4);
        EXPECT_NEAR(aircraft->wing_r25[2], 24.896, 5e-4);
        EXPECT_DOUBLE_EQ(aircraft->wing_lam[2], 2.5);
    }
    EXPECT_DOUBLE_EQ(placed.plan_x[0][2], 800.0);
    EXPECT_DOUBLE_EQ(placed.plan_x[1][2], 810.0);
    const PlanformLabels labels = FormatPlanformLabels(placed, 2);
    EXPECT_EQ(labels.b, " 200mm");
    EXPECT_EQ(labels.s, "1.60dm^2");
    EXPECT_EQ(labels.lm, "80.4mm");
    EXPECT_EQ(labels.r25, "24.9mm");
    EXPECT_EQ(labels.lam, " 2.5");
}

TEST(Planform, RootOffsetIsSpanButNotArea) {
    // Offset 40, spans 550 + 550, chords 310/230/180, leading edges 30/60: the
    // 80 mm centre gap counts in b but not in s.
    Aircraft aircraft;
    WingInputs inputs = DefaultWingInputs(1);
    inputs.root_offset = 40;
    ComputeWing(aircraft, 1, inputs, 2);
    EXPECT_DOUBLE_EQ(aircraft.wing_b[1], 2280.0);
    EXPECT_DOUBLE_EQ(aircraft.wing_s[1], 522500.0);
    EXPECT_NEAR(aircraft.wing_lm[1], 243.509, 5e-4);
    EXPECT_NEAR(aircraft.wing_r25[1], 88.140, 5e-4);
    EXPECT_NEAR(aircraft.wing_lam[1], 9.949, 5e-4);
}

TEST(Planform, StationsAccumulateMagnitudesAndKeepUnusedTrapezoids) {
    Aircraft aircraft;
    WingInputs inputs = DefaultWingInputs(1);
    inputs.span[0] = -550;  // a negative span counts as positive
    inputs.le_x[0] = -20;   // a negative leading edge runs forward
    ComputeWing(aircraft, 1, inputs, 1);
    const int32_t expected_y[] = {0, 550, 1100, 1180, 1200};
    const int32_t expected_c[] = {310, 230, 180, 40, 6};
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(aircraft.station_y_mm[k][1], expected_y[k]) << k;
        EXPECT_EQ(aircraft.chord_mm[k][1], expected_c[k]) << k;
    }
    EXPECT_EQ(aircraft.le_x_mm[1][1], -20);
    EXPECT_EQ(aircraft.le_x_mm[4][1], 300);
    EXPECT_EQ(aircraft.station_count[1], 2);
    // Trapezoids 2-4 are stored but do not count with one trapezoid selected.
    EXPECT_DOUBLE_EQ(aircraft.wing_b[1], 1100.0);
}

TEST(Planform, ExtremeInputsSaturateInsteadOfOverflowing) {
    Aircraft aircraft;
    WingInputs inputs;
    inputs.root_offset = INT32_MIN;
    inputs.root_chord = INT32_MIN;
    inputs.span = {INT32_MAX, INT32_MAX, INT32_MIN, 1};
    inputs.chord = {INT32_MAX, 0, 0, 0};
    ComputeWing(aircraft, 3, inputs, 4);
    EXPECT_EQ(aircraft.station_y_mm[0][3], INT32_MAX);
    EXPECT_EQ(aircraft.chord_mm[0][3], INT32_MAX);
    EXPECT_EQ(aircraft.station_y_mm[4][3], INT32_MAX);
    EXPECT_TRUE(std::isfinite(aircraft.wing_s[3]));
    EXPECT_TRUE(std::isfinite(aircraft.wing_lm[3]));
}

TEST(Planform, ZeroAreaGivesZeroValues) {
    Aircraft aircraft;
    aircraft.wing_x_mm[1] = 500;
    ComputeWing(aircraft, 1, WingInputs{}, 1);
    EXPECT_EQ(aircraft.wing_b[1], 0.0);
    EXPECT_EQ(aircraft.wing_s[1], 0.0);
    EXPECT_EQ(aircraft.wing_r25[1], 0.0);
    const PlanformLabels labels = FormatPlanformLabels(aircraft, 1);
    EXPECT_EQ(labels.b, "   0mm");
    EXPECT_EQ(labels.s, "0.00dm^2");
    EXPECT_EQ(labels.lam, " 0.0");
}

}  // namespace
}  // namespace kalvesta
