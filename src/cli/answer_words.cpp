// English sentences of the balance answer, the stall station and the tail volume.
#include "cli/answer_words.h"

#include "model/number_format.h"

namespace kalvesta::cli {

std::string StallSentence(const SurfaceLoading& surface, const DisplayUnits& units) {
    std::string where;
    switch (surface.stall_start) {
        case StallStart::kRoot:
            where = "the root";
            break;
        case StallStart::kMidSpan:
            where = "mid-span";
            break;
        case StallStart::kTips:
            where = "the tips";
            break;
    }
    return "Highest local lift at " + FormatFixed(surface.peak_fraction * 100.0, 0) +
           " % of the half-span (y = " + units.RoundedLength(surface.peak_y_mm) + " " +
           units.LengthName() + "): this wing stalls from " + where + " first.";
}

std::string TailVolumeNote(double volume) {
    const std::string range =
        FormatFixed(kTypicalTailVolumeLow, 2) + " to " + FormatFixed(kTypicalTailVolumeHigh, 2);
    switch (RateTailVolume(volume)) {
        case TailVolumeRating::kAhead:
            return "(ahead of Wing-1, a canard: the tailplane range does not apply)";
        case TailVolumeRating::kBelowTypical:
            return "(small: model aircraft typically have " + range + ")";
        case TailVolumeRating::kTypical:
            return "(typical for model aircraft: " + range + ")";
        case TailVolumeRating::kAboveTypical:
            return "(large: model aircraft typically have " + range + ")";
    }
    return {};
}

}  // namespace kalvesta::cli
