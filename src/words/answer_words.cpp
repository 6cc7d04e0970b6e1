// Sentences of the stall station and the tail volume.
#include "words/answer_words.h"

#include "model/number_format.h"

namespace kalvesta {

std::string StallSentence(const Catalogue& texts, const SurfaceLoading& surface,
                          const DisplayUnits& units) {
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
    return texts.Text(
        TextId::kAnswerStall,
        {{"percent", FormatFixed(surface.peak_fraction * 100.0, 0)},
         {"y", units.RoundedLength(surface.peak_y_mm)},
         {"unit", texts.Text(units.length == LengthUnit::kInch ? TextId::kUnitsInch
                                                               : TextId::kUnitsMillimetre)},
         {"where", texts.Text(where)}});
}

std::string TailVolumeNote(const Catalogue& texts, double volume) {
    const std::string range =
        texts.Text(TextId::kAnswerRange, {{"front", FormatFixed(kTypicalTailVolumeLow, 2)},
                                          {"aft", FormatFixed(kTypicalTailVolumeHigh, 2)}});
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
