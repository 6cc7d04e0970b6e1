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

OutlineProblem CheckNextStation(const Fuselage& so_far, const FuselageStation& next) {
    const std::vector<FuselageStation>& stations = so_far.stations;
    if (stations.size() >= static_cast<size_t>(kMaxFuselageStations)) {
        return OutlineProblem::kTooManyStations;
    }
    if (!(next.width_mm >= 0.0) || !std::isfinite(next.width_mm)) {
        return OutlineProblem::kNegativeWidth;
    }
    // NaN compares false: not aft either.
    if (!std::isfinite(next.x_mm) || (!stations.empty() && !(next.x_mm > stations.back().x_mm))) {
        return OutlineProblem::kNotNoseToTail;
    }
    return OutlineProblem::kNone;
}

OutlineCheck CheckOutline(const Fuselage& fuselage) {
    Fuselage so_far;
    for (const FuselageStation& station : fuselage.stations) {
        if (const OutlineProblem problem = CheckNextStation(so_far, station);
            problem != OutlineProblem::kNone) {
            return {problem, static_cast<int>(so_far.stations.size()) + 1};
        }
        so_far.stations.push_back(station);
    }
    if (fuselage.stations.empty()) {
        return {};
    }
    if (fuselage.stations.size() == 1) {
        return {OutlineProblem::kOneStation, 0};
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
