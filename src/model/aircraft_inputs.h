// The description of an aircraft: what the window's boxes and buttons state (after
// the text-to-integer conversion), what a ".da4" file holds, and what the command
// line reads; and the preparations that compute the model from it.
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
    friend bool operator==(const AircraftInputs&, const AircraftInputs&) = default;
};

// The start-up texts of every box: two wings, one trapezoid each.
AircraftInputs DefaultAircraftInputs();

// The model side of the whole-aircraft preparation: clears results_valid, computes
// all three wings whatever the wing count (each with the wing_x_mm stored so far),
// then stores the positions. Like the window, a wing moved since the last
// preparation gets its new plan_x only from the next one.
void PrepareAircraft(Aircraft& aircraft, const AircraftInputs& inputs);

// What a description states beyond the wings' boxes, stored as loading a file
// stores it: the wing count, the trapezoid counts and the positions, so that the
// next preparation computes every wing at its own position.
void TakeCountsAndPositions(Aircraft& aircraft, const AircraftInputs& inputs);

// The description as the model stores it after a preparation: the counts and
// positions as they are, chords and root offset as magnitudes, each span as the
// distance between its stations (accumulated outwards, saturated at the 32-bit
// limit). It is what a ".da4" file keeps of the aircraft.
AircraftInputs StoredInputs(const Aircraft& aircraft);

// What a file keeps of a description (StoredInputs of its preparation): two
// descriptions that save alike keep alike.
AircraftInputs KeptInputs(const AircraftInputs& inputs);

// The aircraft of a description, ready for the analysis: TakeCountsAndPositions,
// then PrepareAircraft, which computes every wing once with its position.
void PrepareForCalculation(Aircraft& aircraft, const AircraftInputs& inputs);

}  // namespace kalvesta
