// Mapping of the 53 ".da4" values to the aircraft model and the input boxes.
#include "files/da4_format.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "model/check.h"
#include "model/number_format.h"
#include "model/text_to_int.h"

namespace kalvesta {
namespace {

constexpr int kFieldWidth = 4;

bool IsWingCount(int32_t count) {
    return count >= 1 && count <= kMaxWings;
}
bool IsTrapezoidCount(int32_t count) {
    return count >= 1 && count <= kMaxTrapezoids;
}

}  // namespace

int Da4Index(int wing, int offset) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    KALVESTA_CHECK(offset >= 0 && offset < kDa4WingBlockLines);
    return 1 + kDa4WingBlockLines * (wing - 1) + offset;
}

void TakeCountsForSave(Aircraft& aircraft, const AircraftInputs& inputs) {
    if (IsWingCount(inputs.wing_count)) {
        aircraft.wing_count = inputs.wing_count;
    }
    for (size_t w = 1; w <= kMaxWings; ++w) {
        if (IsTrapezoidCount(inputs.trapezoids[w])) {
            aircraft.trapezoid_count[w] = inputs.trapezoids[w];
        }
    }
}

Da4Values AssembleDa4Values(const Aircraft& aircraft) {
    const AircraftInputs stored = StoredInputs(aircraft);
    Da4Values values{};
    values[0] = stored.wing_count;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        const auto at = [wing](int offset) { return static_cast<size_t>(Da4Index(wing, offset)); };
        const WingInputs& boxes = stored.wings[w];
        values[at(da4::kTrapezoidCount)] = stored.trapezoids[w];
        values[at(da4::kRootOffset)] = boxes.root_offset;
        values[at(da4::kChord0)] = boxes.root_chord;
        for (size_t t = 0; t < kMaxTrapezoids; ++t) {
            const int i = static_cast<int>(t);
            values[at(da4::kChord0 + 1 + i)] = boxes.chord[t];
            values[at(da4::kSpan1 + i)] = boxes.span[t];
            values[at(da4::kLeadingEdge1 + i)] = boxes.le_x[t];
        }
        values[at(da4::kWingX)] = stored.wing_x_mm[w];
        values[at(da4::kWingZ)] = stored.wing_z_mm[w];
    }
    values[kDa4LineCount - 1] = 0;
    return values;
}

Da4Values Da4ValuesOf(const AircraftInputs& inputs) {
    Aircraft aircraft;
    PrepareAircraft(aircraft, inputs);
    TakeCountsForSave(aircraft, inputs);
    return AssembleDa4Values(aircraft);
}

std::string FormatDa4Text(const Da4Values& values) {
    std::string text;
    text.reserve(values.size() * (kFieldWidth + 2));
    for (const int32_t value : values) {
        text += FormatInt(value, kFieldWidth);
        text += "\r\n";
    }
    return text;
}

AircraftInputs ApplyDa4Values(const Da4Values& values, AircraftInputs current) {
    AircraftInputs& inputs = current;
    if (IsWingCount(values[0])) {
        inputs.wing_count = values[0];
    }
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        const auto read = [&values, wing](int offset) {
            return values[static_cast<size_t>(Da4Index(wing, offset))];
        };
        if (IsTrapezoidCount(read(da4::kTrapezoidCount))) {
            inputs.trapezoids[w] = read(da4::kTrapezoidCount);
        }
        WingInputs& boxes = inputs.wings[w];
        boxes.root_chord = read(da4::kChord0);
        boxes.root_offset = read(da4::kRootOffset);
        for (size_t t = 0; t < kMaxTrapezoids; ++t) {
            const int i = static_cast<int>(t);
            boxes.chord[t] = read(da4::kChord0 + 1 + i);
            boxes.span[t] = read(da4::kSpan1 + i);
            boxes.le_x[t] = read(da4::kLeadingEdge1 + i);
        }
        inputs.wing_x_mm[w] = read(da4::kWingX);
        inputs.wing_z_mm[w] = read(da4::kWingZ);
    }
    return inputs;
}

std::string CompleteDa4Extension(std::string_view file_name) {
    std::string name(file_name);
    if (name.find(".da4") == std::string::npos && name.find(".DA4") == std::string::npos) {
        name += ".da4";
    }
    return name;
}

}  // namespace kalvesta
