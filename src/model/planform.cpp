// Planform computation of one surface and the trapezoid integration NTRAP_SPEZIAL.
#include "model/planform.h"

#include "model/check.h"
#include "model/display_units.h"
#include "model/number_format.h"
#include "model/text_to_int.h"

namespace kalvesta {

WingInputs DefaultWingInputs(int wing) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    // root offset, root chord, then per trapezoid span, chord, leading edge.
    static constexpr std::array<WingInputs, kMaxWings + 1> kDefaults{{
        {},
        {0, 310, {550, 550, 80, 20}, {230, 180, 40, 6}, {30, 60, 220, 300}},
        {0, 90, {100, 100, 100, 10}, {70, 65, 50, 6}, {10, 20, 50, 100}},
        {0, 90, {100, 60, 40, 10}, {80, 70, 50, 8}, {40, 60, 70, 90}},
    }};
    return kDefaults[static_cast<size_t>(wing)];
}

int32_t& InputAt(WingInputs& inputs, int box) {
    KALVESTA_CHECK(box >= 0 && box < kWingBoxCount);
    if (box == kRootOffsetBox) {
        return inputs.root_offset;
    }
    if (box == kRootChordBox) {
        return inputs.root_chord;
    }
    const auto trapezoid = static_cast<size_t>((box + 1) / 3 - 1);
    switch ((box + 1) % 3) {
        case 0:
            return inputs.span[trapezoid];
        case 1:
            return inputs.chord[trapezoid];
        default:
            return inputs.le_x[trapezoid];
    }
}

PlanformValues NTRAP_SPEZIAL(int wing, int station_count, const PlanTable<double>& x_table,
                             const PlanTable<double>& y_table, const PlanTable<double>& c_table) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    KALVESTA_CHECK(station_count >= 1 && station_count <= kMaxPlanStations);
    const auto w = static_cast<size_t>(wing);
    PlanformValues v;
    for (size_t k = 1; k < static_cast<size_t>(station_count); ++k) {
        const double y_a = y_table[k - 1][w];
        const double c_a = c_table[k - 1][w];
        const double x_a = x_table[k - 1][w];
        const double y_b = y_table[k][w];
        const double c_b = c_table[k][w];
        const double x_b = x_table[k][w];

        const double dy = y_b - y_a;
        // s: both halves of the trapezoid, (c_a + c_b) dy.
        v.s += (c_a + c_b) * dy;
        // ∫c² dy = dy (c_a² + c_a c_b + c_b²) / 3, written with d = c_a - c_b.
        const double d = c_a - c_b;
        v.lm += dy * (d * d / 3.0 + c_a * c_b);
        // ∫x25 c dy with the quarter-chord x running linearly from q_a by e.
        const double q_a = x_a + c_a / 4.0;
        const double e = x_b + c_b / 4.0 - q_a;
        v.r25 += dy * (q_a * c_a + (e * c_a - q_a * d) / 2.0 - e * d / 3.0);
    }
    if (v.s == 0.0) {
        return PlanformValues{};
    }
    v.lm = 2.0 * v.lm / v.s;
    v.r25 = 2.0 * v.r25 / v.s;
    v.b = 2.0 * y_table[static_cast<size_t>(station_count - 1)][w];
    v.lam = v.b * v.b / v.s;
    return v;
}

void ComputeWing(Aircraft& aircraft, int wing, const WingInputs& inputs, int trapezoids) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    KALVESTA_CHECK(trapezoids >= 1 && trapezoids <= kMaxTrapezoids);
    const auto w = static_cast<size_t>(wing);
    aircraft.results_valid = false;

    aircraft.station_y_mm[0][w] = SaturatingAbs(inputs.root_offset);
    aircraft.chord_mm[0][w] = SaturatingAbs(inputs.root_chord);
    for (size_t k = 1; k < kMaxStations; ++k) {
        aircraft.station_y_mm[k][w] =
            SaturatingAdd(SaturatingAbs(inputs.span[k - 1]), aircraft.station_y_mm[k - 1][w]);
        aircraft.chord_mm[k][w] = SaturatingAbs(inputs.chord[k - 1]);
        aircraft.le_x_mm[k][w] = inputs.le_x[k - 1];
    }
    aircraft.station_count[w] = trapezoids + 1;

    const double wing_x = aircraft.wing_x_mm[w];
    for (size_t k = 0; k < kMaxStations; ++k) {
        aircraft.plan_x[k][w] = k == 0 ? wing_x : aircraft.le_x_mm[k][w] + wing_x;
        aircraft.plan_y[k][w] = aircraft.station_y_mm[k][w];
        aircraft.plan_c[k][w] = aircraft.chord_mm[k][w];
    }

    const PlanformValues v = NTRAP_SPEZIAL(wing, aircraft.station_count[w], aircraft.plan_x,
                                           aircraft.plan_y, aircraft.plan_c);
    aircraft.wing_b[w] = v.b;
    aircraft.wing_s[w] = v.s;
    aircraft.wing_lm[w] = v.lm;
    // r25 is shown from the wing's own root leading edge, not the aircraft origin; a
    // wing without area shows 0 like its other values.
    aircraft.wing_r25[w] = v.s == 0.0 ? 0.0 : v.r25 - wing_x;
    aircraft.wing_lam[w] = v.lam;
}

PlanformLabels FormatPlanformLabels(const Aircraft& aircraft, int wing, LengthUnit unit) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    const auto w = static_cast<size_t>(wing);
    if (unit == LengthUnit::kInch) {
        // in² = mm² / 25.4²
        return PlanformLabels{
            FormatFixed(LengthInUnit(aircraft.wing_b[w], unit), 4, 2) + "in",
            FormatFixed(aircraft.wing_s[w] / (kMmPerInch * kMmPerInch), 4, 1) + "in^2",
            FormatFixed(LengthInUnit(aircraft.wing_lm[w], unit), 4, 2) + "in",
            FormatFixed(LengthInUnit(aircraft.wing_r25[w], unit), 4, 2) + "in",
            FormatFixed(aircraft.wing_lam[w], 4, 1),
        };
    }
    return PlanformLabels{
        FormatFixed(aircraft.wing_b[w], 4, 0) + "mm",
        FormatFixed(aircraft.wing_s[w] / 10000.0, 4, 2) + "dm^2",
        FormatFixed(aircraft.wing_lm[w], 4, 1) + "mm",
        FormatFixed(aircraft.wing_r25[w], 4, 1) + "mm",
        FormatFixed(aircraft.wing_lam[w], 4, 1),
    };
}

}  // namespace kalvesta
