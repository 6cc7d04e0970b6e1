// Margins and recommended centre-of-gravity positions.
#include "analysis/stability.h"

#include <cmath>
#include <limits>
#include <utility>

namespace kalvesta {
namespace {

constexpr double kMaxDouble = std::numeric_limits<double>::max();

// A value held within the double range: infinities become ±DBL_MAX.
double Finite(double value) {
    if (std::isnan(value)) {
        return 0.0;
    }
    return std::fmax(-kMaxDouble, std::fmin(kMaxDouble, value));
}

}  // namespace

double CentreOfGravityAtMargin(const Results& results, double margin_percent) {
    return Finite(results.x_np - results.ref_length * margin_percent * 0.01);
}

void ComputeStability(int calc_wing_count, double manual_margin_percent, Results& results) {
    if (calc_wing_count > 1) {
        results.stability_low = 8.0;
        results.stability_high = 16.0;
    } else {
        results.stability_low = 4.0;
        results.stability_high = 8.0;
    }
    results.stability_manual = std::isnan(manual_margin_percent) ? 0.0 : manual_margin_percent;
    results.x_cg_low = CentreOfGravityAtMargin(results, results.stability_low);
    results.x_cg_high = CentreOfGravityAtMargin(results, results.stability_high);
    results.x_cg_manual = CentreOfGravityAtMargin(results, results.stability_manual);
}

CentreOfGravityRange RecommendedRange(const Results& results, bool manual_margin) {
    CentreOfGravityRange range;
    if (manual_margin) {
        range.front_margin_percent = range.aft_margin_percent = results.stability_manual;
        range.front_x_mm = range.aft_x_mm = results.x_cg_manual;
        return range;
    }
    range = {results.stability_high, results.stability_low, results.x_cg_high, results.x_cg_low};
    // A negative reference length turns the margins round.
    if (range.aft_x_mm < range.front_x_mm) {
        std::swap(range.front_margin_percent, range.aft_margin_percent);
        std::swap(range.front_x_mm, range.aft_x_mm);
    }
    return range;
}

double StaticMarginPercent(const Results& results, double x_cg_mm) {
    return (results.x_np - x_cg_mm) / results.ref_length * 100.0;
}

}  // namespace kalvesta
