// Default inputs and the model side of the whole-aircraft preparation.
#include "model/aircraft_inputs.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "model/text_to_int.h"

namespace kalvesta {
namespace {

// The span of a trapezoid, |outer − inner|, saturated to the 32-bit range.
int32_t SpanBetween(int32_t inner, int32_t outer) {
    const int64_t span = std::abs(static_cast<int64_t>(outer) - static_cast<int64_t>(inner));
    return static_cast<int32_t>(std::min<int64_t>(span, std::numeric_limits<int32_t>::max()));
}

}  // namespace

AircraftInputs DefaultAircraftInputs() {
    AircraftInputs inputs;
    for (int w = 1; w <= kMaxWings; ++w) {
        inputs.wings[static_cast<size_t>(w)] = DefaultWingInputs(w);
        inputs.trapezoids[static_cast<size_t>(w)] = 1;
    }
    inputs.wing_x_mm = {0, 0, 800, -130};
    inputs.wing_z_mm = {0, 0, 80, 30};
    inputs.wing_count = 2;
    return inputs;
}

void PrepareAircraft(Aircraft& aircraft, const AircraftInputs& inputs) {
    aircraft.results_valid = false;
    for (int w = 1; w <= kMaxWings; ++w) {
        const auto i = static_cast<size_t>(w);
        ComputeWing(aircraft, w, inputs.wings[i], inputs.trapezoids[i]);
    }
    aircraft.wing_x_mm = inputs.wing_x_mm;
    aircraft.wing_z_mm = inputs.wing_z_mm;
}

void TakeCountsAndPositions(Aircraft& aircraft, const AircraftInputs& inputs) {
    aircraft.wing_count = inputs.wing_count;
    aircraft.trapezoid_count = inputs.trapezoids;
    aircraft.wing_x_mm = inputs.wing_x_mm;
    aircraft.wing_z_mm = inputs.wing_z_mm;
}

void PrepareForCalculation(Aircraft& aircraft, const AircraftInputs& inputs) {
    TakeCountsAndPositions(aircraft, inputs);
    PrepareAircraft(aircraft, inputs);
}

AircraftInputs StoredInputs(const Aircraft& aircraft) {
    AircraftInputs inputs;
    inputs.wing_count = aircraft.wing_count;
    inputs.trapezoids = aircraft.trapezoid_count;
    inputs.wing_x_mm = aircraft.wing_x_mm;
    inputs.wing_z_mm = aircraft.wing_z_mm;
    for (size_t w = 1; w <= kMaxWings; ++w) {
        WingInputs& wing = inputs.wings[w];
        wing.root_offset = SaturatingAbs(aircraft.station_y_mm[0][w]);
        wing.root_chord = SaturatingAbs(aircraft.chord_mm[0][w]);
        for (size_t k = 1; k < kMaxStations; ++k) {
            wing.chord[k - 1] = SaturatingAbs(aircraft.chord_mm[k][w]);
            wing.span[k - 1] =
                SpanBetween(aircraft.station_y_mm[k - 1][w], aircraft.station_y_mm[k][w]);
            wing.le_x[k - 1] = aircraft.le_x_mm[k][w];
        }
    }
    return inputs;
}

AircraftInputs KeptInputs(const AircraftInputs& inputs) {
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    return StoredInputs(aircraft);
}

}  // namespace kalvesta
