// Degenerate, extreme and hostile aircraft, one table for every layer: each is the
// start-up aircraft with counts chosen and boxes typed over, as the window's tests
// type them and as the analysis takes them (through the text-to-integer rule).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/aircraft_inputs.h"

namespace kalvesta::testing_support {

// A wing's box in WingBox order, or its position boxes.
inline constexpr int kPositionXBox = kWingBoxCount;      // Edit_x<w>
inline constexpr int kPositionZBox = kWingBoxCount + 1;  // Edit_z<w>

struct TypedBox {
    int wing;
    int box;
    std::string text;
};

enum class HostileOutcome { kEither, kCompletes, kRefused };

struct HostileAircraft {
    std::string name;
    int wing_count = 2;
    std::array<int, kMaxWings> trapezoids{1, 1, 1};
    std::vector<TypedBox> typed;
    HostileOutcome expected = HostileOutcome::kEither;
    bool typed_into_the_window = false;  // the window's test types it as well
};

std::vector<HostileAircraft> HostileAircraftCases();

// The start-up description with the case's counts and boxes.
AircraftInputs DescriptionOf(const HostileAircraft& aircraft);

}  // namespace kalvesta::testing_support
