// Margins and recommended centre-of-gravity positions.
#include "analysis/stability.h"

#include <cmath>
#include <limits>

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

double StaticMarginPercent(const Results& results, double x_cg_mm) {
    return (results.x_np - x_cg_mm) / results.ref_length * 100.0;
}

}  // namespace kalvesta
