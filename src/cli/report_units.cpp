// Lengths, areas and masses of the report in its units.
#include "cli/report_units.h"

#include "model/number_format.h"

namespace kalvesta::cli {

const char* ReportUnits::LengthName() const {
    return length == LengthUnit::kInch ? "in" : "mm";
}

const char* ReportUnits::MassName() const {
    return mass == MassUnit::kOunce ? "oz" : "g";
}

const char* ReportUnits::AreaName() const {
    return length == LengthUnit::kInch ? "in^2" : "dm^2";
}

std::string ReportUnits::Length(double mm, int mm_decimals) const {
    return length == LengthUnit::kInch ? FormatFixed(LengthInUnit(mm, length), mm_decimals + 1)
                                       : FormatFixed(mm, mm_decimals);
}

std::string ReportUnits::RoundedLength(double mm) const {
    return length == LengthUnit::kInch ? FormatFixed(LengthInUnit(mm, length), 2)
                                       : FormatFixed(mm, 0);
}

std::string ReportUnits::Area(double mm2) const {
    // The window shows areas in dm² (mm² / 10000); in² = mm² / 25.4².
    return length == LengthUnit::kInch ? FormatFixed(mm2 / (kMmPerInch * kMmPerInch), 2)
                                       : FormatFixed(mm2 / 10000.0, 2);
}

std::string ReportUnits::Mass(double g) const {
    return mass == MassUnit::kOunce ? FormatFixed(MassInUnit(g, mass), 2) : FormatFixed(g, 1);
}

}  // namespace kalvesta::cli
