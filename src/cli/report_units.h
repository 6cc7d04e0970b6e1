// The units of the readable report and the balance template: lengths in mm or
// inches, masses in g or ounces, each with the decimals that show it as finely as
// the millimetre report does. (JSON stays in mm and g.)
#pragma once

#include <string>

#include "model/display_units.h"

namespace kalvesta::cli {

struct ReportUnits {
    LengthUnit length = LengthUnit::kMillimetre;
    MassUnit mass = MassUnit::kGram;

    // "mm" or "in"; "g" or "oz"; "dm^2" or "in^2".
    const char* LengthName() const;
    const char* MassName() const;
    const char* AreaName() const;

    // A length of the report: `mm_decimals` decimals in mm, one more in inches.
    std::string Length(double mm, int mm_decimals = 2) const;
    // A length a builder measures: whole mm, or inches with 2 decimals.
    std::string RoundedLength(double mm) const;
    // An area: mm² / 10000 (dm²) or in² with 2 decimals.
    std::string Area(double mm2) const;
    // A mass: g with 1 decimal, ounces with 2.
    std::string Mass(double g) const;
};

}  // namespace kalvesta::cli
