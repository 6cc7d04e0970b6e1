// The rules of a fuselage outline.
#include "model/fuselage.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/parts.h"

namespace kalvesta {

StationRow ReadStationRow(std::string_view x_mm, std::string_view width_mm, bool decimal_comma) {
    StationRow row;
    const std::optional<double> x = ReadPartNumber(x_mm, decimal_comma);
    const std::optional<double> width = ReadPartNumber(width_mm, decimal_comma);
    if (!x) {
        row.problem = StationRowProblem::kXNotANumber;
    } else if (!width) {
        row.problem = StationRowProblem::kWidthNotANumber;
    } else if (*width < 0.0) {
        row.problem = StationRowProblem::kWidthNegative;
    } else {
        row.station = {*x, *width};
    }
    return row;
}

OutlineCheck CheckOutline(const Fuselage& fuselage) {
    const std::vector<FuselageStation>& stations = fuselage.stations;
    if (stations.empty()) {
        return {};
    }
    if (stations.size() > static_cast<size_t>(kMaxFuselageStations)) {
        return {OutlineProblem::kTooManyStations, 0};
    }
    if (stations.size() == 1) {
        return {OutlineProblem::kOneStation, 0};
    }
    for (size_t i = 0; i < stations.size(); ++i) {
        const int station = static_cast<int>(i) + 1;
        if (!(stations[i].width_mm >= 0.0) || !std::isfinite(stations[i].width_mm)) {
            return {OutlineProblem::kNegativeWidth, station};
        }
        const double x = stations[i].x_mm;
        if (!std::isfinite(x) || (i > 0 && !(x > stations[i - 1].x_mm))) {
            return {OutlineProblem::kNotNoseToTail, station};
        }
    }
    const FuselageSize size = SizeOf(fuselage);
    if (!(size.max_width_mm > 0.0)) {
        return {OutlineProblem::kNoWidth, 0};
    }
    if (!(size.length_mm >= size.max_width_mm) || !std::isfinite(size.length_mm)) {
        return {OutlineProblem::kWiderThanLong, 0};
    }
    return {};
}

FuselageSize SizeOf(const Fuselage& fuselage) {
    FuselageSize size;
    if (fuselage.stations.empty()) {
        return size;
    }
    size.length_mm = fuselage.stations.back().x_mm - fuselage.stations.front().x_mm;
    for (const FuselageStation& station : fuselage.stations) {
        size.max_width_mm = std::max(size.max_width_mm, station.width_mm);
    }
    size.fineness = size.max_width_mm > 0.0 ? size.length_mm / size.max_width_mm : 0.0;
    return size;
}

double WidthAt(const Fuselage& fuselage, double x_mm) {
    const std::vector<FuselageStation>& stations = fuselage.stations;
    if (stations.empty() || x_mm < stations.front().x_mm || x_mm > stations.back().x_mm) {
        return 0.0;
    }
    // The first station at or aft of x, and the one before it.
    const auto after =
        std::lower_bound(stations.begin(), stations.end(), x_mm,
                         [](const FuselageStation& station, double x) { return station.x_mm < x; });
    if (after == stations.begin()) {
        return after->width_mm;
    }
    const FuselageStation& a = *(after - 1);
    const FuselageStation& b = *after;
    return a.width_mm + (b.width_mm - a.width_mm) * (x_mm - a.x_mm) / (b.x_mm - a.x_mm);
}

}  // namespace kalvesta
