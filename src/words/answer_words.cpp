// Sentences of the balance answer, the stall station and the tail volume.
#include "words/answer_words.h"

#include "model/number_format.h"

namespace kalvesta {
namespace {

// A distance from the edge: its rounded size without sign, and its side.
struct Distance {
    std::string value;
    bool ahead = false;
};

Distance DistanceOf(double behind_mm, const ReportUnits& units) {
    std::string text = units.RoundedLength(behind_mm);
    const bool ahead = text.front() == '-';
    return {ahead ? text.substr(1) : text, ahead};
}

std::string UnitName(const Catalogue& texts, const ReportUnits& units) {
    return texts.Text(units.length == LengthUnit::kInch ? TextId::kUnitIn : TextId::kUnitMm);
}

// "70 mm behind" or "12 mm ahead of".
std::string OnePosition(const Catalogue& texts, const Distance& d, const std::string& unit) {
    return texts.Text(d.ahead ? TextId::kAnswerOneAhead : TextId::kAnswerOneBehind,
                      {{"distance", d.value}, {"unit", unit}});
}

}  // namespace

std::string DistanceSize(const Catalogue& texts, double behind_mm, const ReportUnits& units) {
    return texts.Text(TextId::kAnswerSize, {{"distance", DistanceOf(behind_mm, units).value},
                                            {"unit", UnitName(texts, units)}});
}

std::string AnswerMargins(const Catalogue& texts, const BalanceAnswer& answer) {
    if (answer.IsOnePosition()) {
        return FormatFixed(answer.range.front_margin_percent, 1);
    }
    return texts.Text(TextId::kAnswerRange,
                      {{"low", FormatFixed(answer.range.front_margin_percent, 0)},
                       {"high", FormatFixed(answer.range.aft_margin_percent, 0)}});
}

std::string PlainAnswerSentence(const Catalogue& texts, const BalanceAnswer& answer,
                                const ReportUnits& units) {
    const std::string unit = UnitName(texts, units);
    const Distance front = DistanceOf(answer.front_behind_mm, units);
    const Distance aft = DistanceOf(answer.aft_behind_mm, units);
    std::string where;
    if (answer.IsOnePosition()) {
        where = OnePosition(texts, front, unit);
    } else if (front.ahead == aft.ahead) {
        where = texts.Text(front.ahead ? TextId::kAnswerRangeAhead : TextId::kAnswerRangeBehind,
                           {{"front", front.value}, {"aft", aft.value}, {"unit", unit}});
    } else {
        where = texts.Text(TextId::kAnswerBetween, {{"front", OnePosition(texts, front, unit)},
                                                    {"aft", OnePosition(texts, aft, unit)}});
    }
    return texts.Text(TextId::kAnswerBalance,
                      {{"where", where}, {"margins", AnswerMargins(texts, answer)}});
}

std::string StallSentence(const Catalogue& texts, const SurfaceLoading& surface,
                          const ReportUnits& units) {
    TextId where = TextId::kAnswerStallRoot;
    switch (surface.stall_start) {
        case StallStart::kRoot:
            break;
        case StallStart::kMidSpan:
            where = TextId::kAnswerStallMidSpan;
            break;
        case StallStart::kTips:
            where = TextId::kAnswerStallTips;
            break;
    }
    return texts.Text(TextId::kAnswerStall,
                      {{"percent", FormatFixed(surface.peak_fraction * 100.0, 0)},
                       {"y", units.RoundedLength(surface.peak_y_mm)},
                       {"unit", UnitName(texts, units)},
                       {"where", texts.Text(where)}});
}

std::string TailVolumeNote(const Catalogue& texts, double volume) {
    const std::string range =
        texts.Text(TextId::kAnswerRange, {{"low", FormatFixed(kTypicalTailVolumeLow, 2)},
                                          {"high", FormatFixed(kTypicalTailVolumeHigh, 2)}});
    TextId note = TextId::kAnswerTailAhead;
    switch (RateTailVolume(volume)) {
        case TailVolumeRating::kAhead:
            break;
        case TailVolumeRating::kBelowTypical:
            note = TextId::kAnswerTailSmall;
            break;
        case TailVolumeRating::kTypical:
            note = TextId::kAnswerTailTypical;
            break;
        case TailVolumeRating::kAboveTypical:
            note = TextId::kAnswerTailLarge;
            break;
    }
    return texts.Text(note, {{"range", range}});
}

}  // namespace kalvesta
