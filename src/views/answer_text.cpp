// The plain answer's sentence from the catalogue's pieces.
#include "views/answer_text.h"

#include "model/number_format.h"

namespace kalvesta {
namespace {

// A distance from the edge: its rounded size without sign, and its side.
struct Distance {
    std::string size;
    bool ahead = false;
};

Distance DistanceOf(double behind_mm, LengthUnit unit) {
    std::string text = DisplayUnits{unit}.RoundedLength(behind_mm);
    const bool ahead = text.front() == '-';
    return {ahead ? text.substr(1) : text, ahead};
}

std::string UnitName(LengthUnit unit, const Catalogue& texts) {
    return texts.Text(unit == LengthUnit::kInch ? TextId::kUnitsInch : TextId::kUnitsMillimetre);
}

}  // namespace

std::string DistanceText(double behind_mm, LengthUnit unit, const Catalogue& texts) {
    return DistanceOf(behind_mm, unit).size + " " + UnitName(unit, texts);
}

std::string AnswerMarginsText(const BalanceAnswer& answer, const Catalogue& texts) {
    if (answer.IsOnePosition()) {
        return FormatFixed(answer.range.front_margin_percent, 1);
    }
    return texts.Text(TextId::kAnswerRange,
                      {{"front", FormatFixed(answer.range.front_margin_percent, 0)},
                       {"aft", FormatFixed(answer.range.aft_margin_percent, 0)}});
}

std::string PlainAnswerText(const BalanceAnswer& answer, LengthUnit unit, const Catalogue& texts) {
    const std::string unit_name = UnitName(unit, texts);
    const Distance front = DistanceOf(answer.front_behind_mm, unit);
    const Distance aft = DistanceOf(answer.aft_behind_mm, unit);
    const auto side = [&](const Distance& d) {
        return texts.Text(d.ahead ? TextId::kAnswerAhead : TextId::kAnswerBehind);
    };
    const auto at = [&](const Distance& d) {
        return texts.Text(TextId::kAnswerAt,
                          {{"distance", d.size}, {"unit", unit_name}, {"side", side(d)}});
    };
    std::string where;
    if (answer.IsOnePosition()) {
        where = at(front);
    } else if (front.ahead == aft.ahead) {
        where = texts.Text(
            TextId::kAnswerRangeAt,
            {{"front", front.size}, {"aft", aft.size}, {"unit", unit_name}, {"side", side(front)}});
    } else {
        where = texts.Text(TextId::kAnswerBetween, {{"front", at(front)}, {"aft", at(aft)}});
    }
    return texts.Text(TextId::kAnswerSentence,
                      {{"where", where}, {"margins", AnswerMarginsText(answer, texts)}});
}

}  // namespace kalvesta
