// English sentences of the balance answer, the stall station and the tail volume.
#include "cli/answer_words.h"

#include "model/number_format.h"

namespace kalvesta::cli {
namespace {

// A distance from the edge in words: "70 mm behind" or "12 mm ahead of".
struct Distance {
    std::string value;  // rounded, without sign
    bool ahead = false;
};

Distance DistanceOf(double behind_mm, const ReportUnits& units) {
    std::string text = units.RoundedLength(behind_mm);
    const bool ahead = text.front() == '-';
    return {ahead ? text.substr(1) : text, ahead};
}

}  // namespace

std::string DistanceSize(double behind_mm, const ReportUnits& units) {
    return DistanceOf(behind_mm, units).value + " " + units.LengthName();
}

std::string AnswerMargins(const BalanceAnswer& answer) {
    if (answer.IsOnePosition()) {
        return FormatFixed(answer.range.front_margin_percent, 1);
    }
    return FormatFixed(answer.range.front_margin_percent, 0) + " to " +
           FormatFixed(answer.range.aft_margin_percent, 0);
}

std::string PlainAnswerSentence(const BalanceAnswer& answer, const ReportUnits& units) {
    const std::string unit = std::string(" ") + units.LengthName();
    const Distance front = DistanceOf(answer.front_behind_mm, units);
    const Distance aft = DistanceOf(answer.aft_behind_mm, units);
    const auto side = [](const Distance& d) { return d.ahead ? " ahead of" : " behind"; };
    std::string where;
    if (answer.IsOnePosition()) {
        where = front.value + unit + side(front);
    } else if (front.ahead == aft.ahead) {
        where = front.value + " to " + aft.value + unit + side(front);
    } else {
        where =
            "between " + front.value + unit + side(front) + " and " + aft.value + unit + side(aft);
    }
    return "Balance the model " + where + " the leading edge of Wing-1's root (static margin " +
           AnswerMargins(answer) + " %).";
}

std::string StallSentence(const SurfaceLoading& surface, const ReportUnits& units) {
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
