// The ".da4" aircraft file: 53 integers, one per line, in the order of the window's
// input fields. This header maps those values to and from the aircraft model and the
// input boxes, and turns them into the file's text; da4_text_reader.h reads text
// back and da4_file.h does the file input and output.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/aircraft.h"
#include "model/aircraft_inputs.h"

namespace kalvesta {

inline constexpr int kDa4LineCount = 53;
inline constexpr int kDa4WingBlockLines = 17;

// The 53 values in line order: index 0 is line 1.
using Da4Values = std::array<int32_t, kDa4LineCount>;

// Line offsets inside the 17-line block of a wing; the block of wing w starts at
// index 1 + 17 × (w − 1).
namespace da4 {
inline constexpr int kTrapezoidCount = 0;
inline constexpr int kChord0 = 1;  // chords of stations 0..4 at offsets 1..5
inline constexpr int kRootOffset = 6;
inline constexpr int kSpan1 = 7;          // spans of trapezoids 1..4 at offsets 7..10
inline constexpr int kLeadingEdge1 = 11;  // leading-edge x of stations 1..4 at 11..14
inline constexpr int kWingX = 15;
inline constexpr int kWingZ = 16;
}  // namespace da4

// Index into Da4Values of `offset` in the block of `wing` (1..3).
int Da4Index(int wing, int offset);

// Save step 1: the checked count buttons become the model's counts (wing_count and
// trapezoid_count). A count outside its range (no button
// checked) keeps the model's previous value.
void TakeCountsForSave(Aircraft& aircraft, const AircraftInputs& inputs);

// The 53 values of the aircraft in line order: counts, chords, root offset and spans
// as magnitudes (a span is the difference of neighbouring stations), leading edges
// and positions signed, all three wings and all four trapezoids, line 53 = 0.
Da4Values AssembleDa4Values(const Aircraft& aircraft);

// The 53 values that saving the aircraft of these inputs would write: what the
// design in the window is, as a file holds it.
Da4Values Da4ValuesOf(const AircraftInputs& inputs);

// The file text: every value right-aligned in a field of 4 characters (wider when it
// needs more), each line ended by carriage return and line feed.
std::string FormatDa4Text(const Da4Values& values);

// The description a loaded file states over the `current` one, as "Open" puts it
// into the window:
// - a wing count of 1..3 becomes the wing count; any other value keeps the current;
// - per wing, a trapezoid count of 1..4 becomes the wing's count; any other value
//   keeps the current;
// - every box takes its value as read (signs as in the file; the preparation takes
//   chords, root offset and spans as magnitudes).
// Line 53 is not used.
AircraftInputs ApplyDa4Values(const Da4Values& values, AircraftInputs current);

// The name "Save" writes to: a name containing neither ".da4" nor ".DA4" anywhere
// (case-sensitive) gets ".da4" appended, so "plane" gives "plane.da4" while
// "my.da4.old" and "X.DA4" stay, and "Y.Da4" gives "Y.Da4.da4".
std::string CompleteDa4Extension(std::string_view file_name);

}  // namespace kalvesta
