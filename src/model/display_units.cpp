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

}  // namespace kalvesta
