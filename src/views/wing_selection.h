// Which surfaces and trapezoids the aircraft views outline: the design's wing count
// and each wing's trapezoid count (the checked buttons). The views follow the design
// rather than the model's counts, which a loaded file may leave out of range.
#pragma once

#include <cstdint>

#include "model/aircraft.h"
#include "model/aircraft_inputs.h"

namespace kalvesta {

struct WingSelection {
    int32_t wing_count = 1;                   // checked wing-count button, 1..3
    PerWing<int32_t> trapezoids{0, 1, 1, 1};  // checked trapezoid-count button per wing, 1..4

    // Wing-1 always; Wing-2 with "2 Wings" or "3 Wings"; Wing-3 with "3 Wings".
    bool Draws(int wing) const { return wing == 1 || wing <= wing_count; }
    // Trapezoid 1 always; trapezoid k when at least k trapezoids are selected.
    bool DrawsTrapezoid(int wing, int k) const {
        return k == 1 || trapezoids[static_cast<size_t>(wing)] >= k;
    }
};

inline WingSelection SelectionOf(const AircraftInputs& inputs) {
    return {inputs.wing_count, inputs.trapezoids};
}

}  // namespace kalvesta
