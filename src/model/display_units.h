// The units the user reads and types lengths and masses in: millimetres or inches,
// grams or ounces. The design keeps whole millimetres (the ".da4" format holds
// nothing else) and grams; only what is shown and typed changes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/length_text.h"

namespace kalvesta {

enum class LengthUnit { kMillimetre, kInch };
enum class MassUnit { kGram, kOunce };

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kGramsPerOunce = 28.349523125;  // the avoirdupois ounce

// Millimetres per unit of `unit` (1 or 25.4), and grams per unit of `unit`.
double MmPerUnit(LengthUnit unit);
double GramsPerUnit(MassUnit unit);

// mm / MmPerUnit and g / GramsPerUnit: a length or mass in the display unit.
double LengthInUnit(double mm, LengthUnit unit);
double MassInUnit(double g, MassUnit unit);

// A box in inches: its text read as ParseLengthText reads a length ("12.25" and
// "12,25" alike), taken to the nearest whole millimetre (halves to even, held
// within the 32-bit range). Text that is no number, or not finite, gives 0 mm with
// the reason; an out-of-range length keeps its value with kOutOfRange.
struct InchBoxReading {
    int32_t mm = 0;
    LengthTextError error = LengthTextError::kNone;
};
InchBoxReading ReadInchText(std::string_view text);

// The text an inch box shows for `mm`: inches with the fewest decimals (0, 1 or 2)
// that ReadInchText takes back to the same whole millimetre, "." as separator.
// Two decimals (0.254 mm) always do, so mm -> text -> mm is exact.
std::string InchText(int32_t mm);

// The units a reader chose, and their values as text: each with the decimals that
// show it as finely as millimetres and grams do. The symbols are those of the
// command line's report; the window and the pictures name units in their language.
struct DisplayUnits {
    LengthUnit length = LengthUnit::kMillimetre;
    MassUnit mass = MassUnit::kGram;

    // "mm" or "in"; "g" or "oz"; "dm^2" or "in^2".
    const char* LengthName() const;
    const char* MassName() const;
    const char* AreaName() const;

    // A length: `mm_decimals` decimals in mm, one more in inches.
    std::string Length(double mm, int mm_decimals = 2) const;
    // A length a builder measures: whole mm, or inches with 2 decimals.
    std::string RoundedLength(double mm) const;
    // An area: mm² / 10000 (dm²) or in² with 2 decimals.
    std::string Area(double mm2) const;
    // A mass: g with 1 decimal, ounces with 2.
    std::string Mass(double g) const;
};

}  // namespace kalvesta
