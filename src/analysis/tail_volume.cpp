// Tail volumes against Wing-1.
#include "analysis/tail_volume.h"

#include <cmath>

namespace kalvesta {

std::optional<double> TailVolume(const Results& results, int wing) {
    if (wing < 2 || wing > kMaxWings) {
        return std::nullopt;
    }
    const auto w = static_cast<size_t>(wing);
    const double wing_area_chord = results.wing_s[1] * results.wing_lm[1];
    if (!(results.wing_s[w] > 0.0) || !(wing_area_chord > 0.0)) {
        return std::nullopt;
    }
    const double arm_mm = results.wing_x_ac[w] - results.wing_x_ac[1];
    const double volume = results.wing_s[w] * arm_mm / wing_area_chord;
    if (!std::isfinite(volume)) {
        return std::nullopt;
    }
    return volume;
}

TailVolumeRating RateTailVolume(double volume) {
    if (volume < 0.0) {
        return TailVolumeRating::kAhead;
    }
    if (volume < kTypicalTailVolumeLow) {
        return TailVolumeRating::kBelowTypical;
    }
    return volume > kTypicalTailVolumeHigh ? TailVolumeRating::kAboveTypical
                                           : TailVolumeRating::kTypical;
}

}  // namespace kalvesta
