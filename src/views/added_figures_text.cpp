// The added figures in sentences. Shifts are signed (negative: forward); a percent
// of the mean chord is the shift over the reference length it is measured against.
#include "views/added_figures_text.h"

#include <cmath>

#include "analysis/carried_through.h"
#include "model/number_format.h"

namespace kalvesta {
namespace {

std::string Mm(double mm) {
    return FormatFixed(mm, 1);
}

// shift / ref_length × 100, one decimal.
std::string PercentOf(double shift_mm, double ref_length_mm) {
    return FormatFixed(shift_mm / ref_length_mm * 100.0, 1);
}

std::string RecommendationSentence(const Results& with_fuselage, bool manual_margin,
                                   const Catalogue& texts) {
    if (manual_margin) {
        return texts.Text(TextId::kAddedCgManual,
                          {{"margin", FormatFixed(with_fuselage.stability_manual, 1)},
                           {"x", Mm(with_fuselage.x_cg_manual)}});
    }
    return texts.Text(TextId::kAddedCgRange,
                      {{"high", FormatFixed(with_fuselage.stability_high, 0)},
                       {"x_high", Mm(with_fuselage.x_cg_high)},
                       {"low", FormatFixed(with_fuselage.stability_low, 0)},
                       {"x_low", Mm(with_fuselage.x_cg_low)}});
}

// "Wing-1 has a 40 mm gap … Carried through a fuselage, the neutral point lies 30.1 mm
// further forward (x = 267.5 mm): describe the fuselage (Edit > Fuselage…)."
std::string GapSentence(const Aircraft& aircraft, const CarriedThrough& carried,
                        const Catalogue& texts) {
    std::string text;
    for (int wing = 1; wing <= aircraft.calc_wing_count; ++wing) {
        if (const double gap = RootGapWidth(aircraft, wing); gap > 0.0) {
            text += texts.Text(TextId::kAddedGap,
                               {{"wing", std::to_string(wing)}, {"gap", FormatShortest(gap)}}) +
                    " ";
        }
    }
    const double shift = carried.x_np_shift_mm;
    return text + texts.Text(shift <= 0.0 ? TextId::kAddedGapForward : TextId::kAddedGapAft,
                             {{"shift", Mm(std::fabs(shift))}, {"x", Mm(carried.results.x_np)}});
}

std::string CautionSentence(const LatticeCaution& caution, const Catalogue& texts) {
    if (!caution.measured) {
        return texts.Text(TextId::kAddedCautionUnsolved,
                          {{"panels", std::to_string(caution.panel_count)}});
    }
    return texts.Text(TextId::kAddedCaution,
                      {{"panels", std::to_string(caution.panel_count)},
                       {"x", Mm(caution.x_np)},
                       {"change", Mm(caution.x_np_change_mm)},
                       {"percent", FormatFixed(caution.x_np_change_percent, 1)}});
}

}  // namespace

std::vector<std::string> AddedFigureSentences(const Aircraft& aircraft, const Results& calculated,
                                              const AddedFigures& added, const Fuselage& fuselage,
                                              bool manual_margin, const Catalogue& texts) {
    std::vector<std::string> sentences;
    const std::optional<CarriedThrough>& carried = added.carried_through;
    const bool carried_results = carried && HasResults(carried->outcome);
    if (fuselage.Described()) {
        sentences.push_back(texts.Text(TextId::kAddedCalculated, {{"x", Mm(calculated.x_np)}}));
        if (!carried_results) {
            sentences.push_back(texts.Text(TextId::kAddedNotCarried));
        } else {
            sentences.push_back(texts.Text(
                TextId::kAddedCarriedThrough,
                {{"x", Mm(carried->results.x_np)},
                 {"shift", Mm(carried->x_np_shift_mm)},
                 {"percent", PercentOf(carried->x_np_shift_mm, calculated.ref_length)}}));
        }
        if (const std::optional<FuselageMoment>& moment = added.fuselage) {
            sentences.push_back(texts.Text(
                TextId::kAddedFuselage,
                {{"cm_alpha", FormatFixed(moment->cm_alpha, 4)},
                 {"x", Mm(moment->results.x_np)},
                 {"shift", Mm(moment->x_np_shift_mm)},
                 {"percent", PercentOf(moment->x_np_shift_mm, moment->results.ref_length)}}));
            sentences.push_back(RecommendationSentence(moment->results, manual_margin, texts));
        }
    } else if (carried_results) {
        sentences.push_back(GapSentence(aircraft, *carried, texts));
    }
    if (added.caution && added.caution->shown) {
        sentences.push_back(CautionSentence(*added.caution, texts));
    }
    return sentences;
}

std::vector<std::string> WrapText(const std::string& text, int columns) {
    const auto length = [](const std::string& piece) {
        int count = 0;
        for (const char c : piece) {
            count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
        return count;
    };
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        const size_t blank = text.find(' ', at);
        const std::string word = text.substr(at, blank == std::string::npos ? blank : blank - at);
        at = blank == std::string::npos ? text.size() : blank + 1;
        if (word.empty()) {
            continue;
        }
        if (!line.empty() && length(line) + 1 + length(word) > columns) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace kalvesta
