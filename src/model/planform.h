// A surface's planform: reading its fourteen inputs into the aircraft model and
// integrating span, area, mean aerodynamic chord, r25 and aspect ratio over its
// trapezoids.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/aircraft.h"
#include "model/display_units.h"

namespace kalvesta {

// The fourteen input values of one surface after the text-to-integer conversion,
// signs as typed, in the order the planform computation reads its boxes.
struct WingInputs {
    int32_t root_offset = 0;
    int32_t root_chord = 0;
    std::array<int32_t, kMaxTrapezoids> span{};   // span of trapezoid 1..4
    std::array<int32_t, kMaxTrapezoids> chord{};  // chord at station 1..4
    std::array<int32_t, kMaxTrapezoids> le_x{};   // leading-edge x at station 1..4
    friend bool operator==(const WingInputs&, const WingInputs&) = default;
};

// Index of each of a wing's fourteen inputs (and boxes), in reading order.
enum WingBox : int {
    kRootOffsetBox = 0,
    kRootChordBox = 1,
    // trapezoid t = 1..4: span at 3t - 1, chord at 3t, leading edge at 3t + 1
};
inline constexpr int kWingBoxCount = 14;
constexpr int SpanBox(int trapezoid) {
    return 3 * trapezoid - 1;
}
constexpr int ChordBox(int trapezoid) {
    return 3 * trapezoid;
}
constexpr int LeadingEdgeBox(int trapezoid) {
    return 3 * trapezoid + 1;
}

// The input at `box` (0..13, WingBox order).
int32_t& InputAt(WingInputs& inputs, int box);
inline int32_t InputAt(const WingInputs& inputs, int box) {
    return InputAt(const_cast<WingInputs&>(inputs), box);
}

// The input values of the start-up aircraft, wing 1..3 (index 0 unused).
WingInputs DefaultWingInputs(int wing);

// The five planform values of one surface, as NTRAP_SPEZIAL returns them.
struct PlanformValues {
    double b = 0.0;
    double s = 0.0;
    double lm = 0.0;
    double lam = 0.0;
    double r25 = 0.0;
};

// The label texts of a surface's tab: number followed directly by its unit.
struct PlanformLabels {
    std::string b;    // "1100mm"
    std::string s;    // "29.70dm^2"
    std::string lm;   // "272.0mm"
    std::string r25;  // "82.3mm"
    std::string lam;  // " 4.1"
};

// Integrates the planform of `wing` over stations 0..station_count-1 of the
// tables. s, lm and r25 are the integrals of c, c² and (quarter-chord x) × c over
// both halves; afterwards lm = 2 ∫c² dy / s, r25 = 2 ∫x25 c dy / s, b = 2 y_last,
// lam = b² / s. A zero area gives all five values 0.
PlanformValues NTRAP_SPEZIAL(int wing, int station_count, const PlanTable<double>& x_table,
                             const PlanTable<double>& y_table, const PlanTable<double>& c_table);

// Reads the inputs of `wing` into the model (magnitudes for chords, root offset
// and spans; stations accumulate outwards, saturating at the 32-bit limit),
// sets station_count from `trapezoids` (1..4), fills the planform tables with the
// wing_x_mm last stored, stores the derived values (r25 relative to the wing's own
// root leading edge) and clears results_valid.
void ComputeWing(Aircraft& aircraft, int wing, const WingInputs& inputs, int trapezoids);

// The label texts for the derived values of `wing`, lengths in `unit` (in inches
// with 2 decimals, the area in in² with 1).
PlanformLabels FormatPlanformLabels(const Aircraft& aircraft, int wing,
                                    LengthUnit unit = LengthUnit::kMillimetre);

}  // namespace kalvesta
