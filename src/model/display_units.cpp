// Conversions between the stored millimetres and grams and the display units.
#include "model/display_units.h"

#include "model/number_format.h"
#include "model/pixel.h"

namespace kalvesta {

double MmPerUnit(LengthUnit unit) {
    return unit == LengthUnit::kInch ? kMmPerInch : 1.0;
}

double GramsPerUnit(MassUnit unit) {
    return unit == MassUnit::kOunce ? kGramsPerOunce : 1.0;
}

double LengthInUnit(double mm, LengthUnit unit) {
    return mm / MmPerUnit(unit);
}

double MassInUnit(double g, MassUnit unit) {
    return g / GramsPerUnit(unit);
}

InchBoxReading ReadInchText(std::string_view text) {
    const LengthText length = ParseLengthText(text, kMmPerInch);
    return {RoundHalfEven(length.mm), length.error};
}

std::string InchText(int32_t mm) {
    const double inches = LengthInUnit(mm, LengthUnit::kInch);
    std::string text;
    for (int decimals = 0; decimals <= 2; ++decimals) {
        text = FormatFixed(inches, decimals);
        if (ReadInchText(text).mm == mm) {
            break;
        }
    }
    return text;
}

const char* DisplayUnits::LengthName() const {
    return length == LengthUnit::kInch ? "in" : "mm";
}

const char* DisplayUnits::MassName() const {
    return mass == MassUnit::kOunce ? "oz" : "g";
}

const char* DisplayUnits::AreaName() const {
    return length == LengthUnit::kInch ? "in^2" : "dm^2";
}

std::string DisplayUnits::Length(double mm, int mm_decimals) const {
    return length == LengthUnit::kInch ? FormatFixed(LengthInUnit(mm, length), mm_decimals + 1)
                                       : FormatFixed(mm, mm_decimals);
}

std::string DisplayUnits::RoundedLength(double mm) const {
    return length == LengthUnit::kInch ? FormatFixed(LengthInUnit(mm, length), 2)
                                       : FormatFixed(mm, 0);
}

std::string DisplayUnits::Area(double mm2) const {
    // The window shows areas in dm² (mm² / 10000); in² = mm² / 25.4².
    return length == LengthUnit::kInch ? FormatFixed(mm2 / (kMmPerInch * kMmPerInch), 2)
                                       : FormatFixed(mm2 / 10000.0, 2);
}

std::string DisplayUnits::Mass(double g) const {
    return mass == MassUnit::kOunce ? FormatFixed(MassInUnit(g, mass), 2) : FormatFixed(g, 1);
}

}  // namespace kalvesta
