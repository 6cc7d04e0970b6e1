// The hostile aircraft of the analysis and the window tests.
#include "hostile_aircraft.h"

#include <climits>

#include "model/text_to_int.h"

namespace kalvesta::testing_support {
namespace {

std::string Text(int64_t value) {
    return std::to_string(value);
}

// Wing `wing` as one trapezoid: half-span, root and tip chord, tip leading edge.
std::vector<TypedBox> Trapezoid(int wing, int64_t span, int64_t root, int64_t tip,
                                int64_t tip_le = 0) {
    return {{wing, SpanBox(1), Text(span)},
            {wing, kRootChordBox, Text(root)},
            {wing, ChordBox(1), Text(tip)},
            {wing, LeadingEdgeBox(1), Text(tip_le)}};
}

std::vector<TypedBox> Rectangle(int wing, int64_t span, int64_t chord) {
    return Trapezoid(wing, span, chord, chord);
}

std::vector<TypedBox> At(int wing, int64_t x_mm, int64_t z_mm) {
    return {{wing, kPositionXBox, Text(x_mm)}, {wing, kPositionZBox, Text(z_mm)}};
}

// Wing `wing` of four equal trapezoids.
std::vector<TypedBox> FourTrapezoids(int wing, int64_t span, int64_t chord, int64_t le) {
    std::vector<TypedBox> typed{{wing, kRootChordBox, Text(chord)}};
    for (int t = 1; t <= kMaxTrapezoids; ++t) {
        typed.push_back({wing, SpanBox(t), Text(span)});
        typed.push_back({wing, ChordBox(t), Text(chord)});
        typed.push_back({wing, LeadingEdgeBox(t), Text(le)});
    }
    return typed;
}

// Every box of every wing, positions included, holding `text`.
std::vector<TypedBox> EveryBox(const std::string& text) {
    std::vector<TypedBox> typed;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        for (int box = 0; box <= kPositionZBox; ++box) {
            typed.push_back({wing, box, text});
        }
    }
    return typed;
}

std::vector<TypedBox> Join(std::initializer_list<std::vector<TypedBox>> parts) {
    std::vector<TypedBox> joined;
    for (const std::vector<TypedBox>& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

HostileAircraft Case(std::string name, int wing_count, std::vector<TypedBox> typed,
                     HostileOutcome expected = HostileOutcome::kEither, bool window = false,
                     std::array<int, kMaxWings> trapezoids = {1, 1, 1}) {
    return {std::move(name), wing_count, trapezoids, std::move(typed), expected, window};
}

}  // namespace

std::vector<HostileAircraft> HostileAircraftCases() {
    using enum HostileOutcome;
    constexpr bool kTyped = true;  // into the window as well
    constexpr std::array<int, kMaxWings> kFour{4, 4, 4};
    constexpr std::array<int, kMaxWings> kFourOnWing1{4, 1, 1};
    return {
        Case("LargestWing", 1, Rectangle(1, INT32_MAX, INT32_MAX)),
        Case("LongAndNarrow", 1, Rectangle(1, INT32_MAX, 1)),
        Case("ShortAndDeep", 1, Rectangle(1, 1, INT32_MAX)),
        Case("FarAwayTail", 2,
             Join({Rectangle(1, 500, 200), Rectangle(2, 100, 50), At(2, INT32_MAX, INT32_MIN)})),
        Case("ExtremeSweep", 1, Trapezoid(1, 500, 200, 100, INT32_MIN)),
        Case("PointedRoot", 1, Trapezoid(1, 500, 0, 200)),
        Case("HugeRootGap", 1,
             Join({Rectangle(1, 10, 10), {{1, kRootOffsetBox, Text(INT32_MAX)}}})),
        Case("FourTinyTrapezoids", 2,
             Join({FourTrapezoids(1, 1, 1, 0), Rectangle(2, 300, 100), At(2, 0, 0)}), kEither,
             false, kFourOnWing1),
        Case("OnlyTheSecondWingHasArea", 2,
             Join({Rectangle(1, 0, 0), Rectangle(2, 300, 100), At(2, 0, 0)})),
        Case("ThreeSurfacesInOnePlane", 3,
             Join({Rectangle(1, 300, 100), Rectangle(2, 300, 100), At(2, 0, 0),
                   Rectangle(3, 300, 100), At(3, 0, 0)})),
        Case("WingsOnTopOfEachOther", 3, Join({At(2, 0, 0), At(3, 0, 0)}), kEither, kTyped),
        Case("ZeroChordsEverywhere", 2, Join({Rectangle(1, 500, 0), Rectangle(2, 100, 0)}),
             kRefused, kTyped),
        Case("ZeroSpans", 2, Join({Rectangle(1, 0, 200), Rectangle(2, 0, 50)}), kRefused, kTyped),
        Case("PointedTipOfManyStrips", 1, Trapezoid(1, 2000, 300, 0, 250), kEither, kTyped),
        Case("EveryInputAtTheLargestValue", 3, EveryBox(Text(INT32_MAX)), kEither, kTyped, kFour),
        Case("EveryInputAtTheSmallestValue", 3, EveryBox(Text(INT32_MIN)), kEither, kTyped, kFour),
        Case("FourTrapezoidsOfOneMillimetre", 1, FourTrapezoids(1, 1, 100, 0), kCompletes, kTyped,
             kFourOnWing1),
        Case("RootOffsetBeyondTheSpan", 2,
             Join({Rectangle(1, 300, 100), {{1, kRootOffsetBox, "800"}}}), kCompletes, kTyped),
        Case("TailFarAheadOfTheWing", 2, Join({Rectangle(1, 500, 200), At(2, -5000, 0)}),
             kCompletes, kTyped),
        // 2990 mm at 10 mm chord: one chordwise panel (√(400 × 10 / 2990) rounds to
        // 1) and 2990 / 10 = 299 strips, the most there is room for; 3000 mm needs 300.
        Case("TwoHundredNinetyNineStrips", 1, Rectangle(1, 2990, 10), kCompletes, kTyped),
        Case("ThreeHundredStrips", 1, Rectangle(1, 3000, 10), kRefused, kTyped),
        // √(400 × 300 / 1) = 346 chordwise panels, beyond the 299 there are.
        Case("MoreThan299ChordwisePanels", 1, Rectangle(1, 1, 300), kRefused, kTyped),
    };
}

AircraftInputs DescriptionOf(const HostileAircraft& aircraft) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = aircraft.wing_count;
    for (size_t w = 1; w <= kMaxWings; ++w) {
        inputs.trapezoids[w] = aircraft.trapezoids[w - 1];
    }
    for (const TypedBox& typed : aircraft.typed) {
        const auto w = static_cast<size_t>(typed.wing);
        const int32_t value = TextToInt32(typed.text);
        if (typed.box == kPositionXBox) {
            inputs.wing_x_mm[w] = value;
        } else if (typed.box == kPositionZBox) {
            inputs.wing_z_mm[w] = value;
        } else {
            InputAt(inputs.wings[w], typed.box) = value;
        }
    }
    return inputs;
}

}  // namespace kalvesta::testing_support
