// Aircraft for the analysis tests, prepared the way the window prepares them.
#pragma once

#include <vector>

#include "model/aircraft.h"
#include "model/aircraft_inputs.h"
#include "model/planform.h"

namespace kalvesta::testing_support {

// One surface: its inputs, trapezoid count and position.
struct TestWing {
    WingInputs inputs;
    int trapezoids = 1;
    int32_t x_mm = 0;
    int32_t z_mm = 0;
};

// A single trapezoid of the given half-span, root and tip chord; tip leading
// edge `tip_le_mm` aft of the root's.
inline TestWing Trapezoid(int32_t span_mm, int32_t root_chord_mm, int32_t tip_chord_mm,
                          int32_t tip_le_mm = 0) {
    TestWing wing;
    wing.inputs.root_chord = root_chord_mm;
    wing.inputs.span[0] = span_mm;
    wing.inputs.chord[0] = tip_chord_mm;
    wing.inputs.le_x[0] = tip_le_mm;
    return wing;
}

inline TestWing Rectangle(int32_t span_mm, int32_t chord_mm) {
    return Trapezoid(span_mm, chord_mm, chord_mm);
}

// The aircraft made of `wings` (wing_count = their number), prepared as a
// calculation finds it, its calc_wing_count set as the pipeline sets it, so that
// the analysis steps can run one by one.
inline Aircraft PreparedAircraft(const std::vector<TestWing>& wings) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = static_cast<int32_t>(wings.size());
    for (size_t w = 1; w <= wings.size(); ++w) {
        inputs.wings[w] = wings[w - 1].inputs;
        inputs.trapezoids[w] = wings[w - 1].trapezoids;
        inputs.wing_x_mm[w] = wings[w - 1].x_mm;
        inputs.wing_z_mm[w] = wings[w - 1].z_mm;
    }
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    aircraft.calc_wing_count = aircraft.wing_count;
    return aircraft;
}

// The start-up aircraft with `wing_count` surfaces.
inline Aircraft DefaultAircraft(int wing_count) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = wing_count;
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    aircraft.calc_wing_count = aircraft.wing_count;
    return aircraft;
}

}  // namespace kalvesta::testing_support
