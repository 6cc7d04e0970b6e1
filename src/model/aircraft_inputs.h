// The whole aircraft as its input boxes state it (after the text-to-integer
// conversion), and the whole-aircraft preparation that refreshes the model from it.
#pragma once

#include <cstdint>

#include "model/aircraft.h"
#include "model/planform.h"

namespace kalvesta {

struct AircraftInputs {
    PerWing<WingInputs> wings{};    // the fourteen boxes of each wing tab
    PerWing<int32_t> trapezoids{};  // checked trapezoid-count button, 1..4
    PerWing<int32_t> wing_x_mm{};   // position boxes Edit_x1..Edit_x3
    PerWing<int32_t> wing_z_mm{};   // position boxes Edit_z1..Edit_z3
    int32_t wing_count = 2;         // checked wing-count button, 1..3
};

// The start-up texts of every box: two wings, one trapezoid each.
AircraftInputs DefaultAircraftInputs();

// The model side of the whole-aircraft preparation: clears results_valid, computes
// all three wings whatever the wing count (each with the wing_x_mm stored so far),
// then stores the positions. Like the window, a wing moved since the last
// preparation gets its new plan_x only from the next one.
void PrepareAircraft(Aircraft& aircraft, const AircraftInputs& inputs);

// The aircraft as a calculation finds it in the window after start-up or "Open":
// both wing counts from the inputs, and the preparation run twice, once as at
// start-up or loading and once as the calculation's own, so that every wing's
// plan_x follows its position.
void PrepareForCalculation(Aircraft& aircraft, const AircraftInputs& inputs);

}  // namespace kalvesta
