// Default inputs and the model side of the whole-aircraft preparation.
#include "model/aircraft_inputs.h"

namespace kalvesta {

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

}  // namespace kalvesta
