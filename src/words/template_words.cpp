// Words of the balance template.
#include "words/template_words.h"

#include <algorithm>
#include <string_view>

#include "model/number_format.h"
#include "model/utf8.h"
#include "views/answer_text.h"

namespace kalvesta {
namespace {

// Text cut to at most `width` characters, never inside one, and padded with
// blanks to `width` of them.
std::string Column(std::string_view text, size_t width) {
    std::string column;
    size_t characters = 0;
    while (!text.empty() && characters < width) {
        const size_t length = std::max<size_t>(1, Utf8SequenceLength(text));
        column.append(text.substr(0, length));
        text.remove_prefix(length);
        ++characters;
    }
    column.append(width - characters, ' ');
    return column;
}

std::string VerdictText(const Catalogue& texts, const Balance& balance, const std::string& off_by) {
    switch (balance.verdict) {
        case Verdict::kInside:
            return texts.Text(TextId::kTemplatePartsInside);
        case Verdict::kNoseHeavy:
            return texts.Text(TextId::kTemplatePartsNoseHeavy, {{"off_by", off_by}});
        case Verdict::kTailHeavy:
            return texts.Text(TextId::kTemplatePartsTailHeavy, {{"off_by", off_by}});
        case Verdict::kUnstable:
            return texts.Text(TextId::kTemplatePartsUnstable);
    }
    return {};
}

}  // namespace

BalanceTemplateTexts TemplateTexts(const Catalogue& texts, const DisplayUnits& units,
                                   const BalanceAnswer& answer,
                                   const BalanceTemplateRequest& request,
                                   const std::string& design_name) {
    const auto distance = [&](double x_mm) {
        return DistanceText(x_mm - answer.datum_x_mm, units.length, texts);
    };
    const std::string check_length = units.length == LengthUnit::kInch
                                         ? "4 " + texts.Text(TextId::kUnitsInch)
                                         : "100 " + texts.Text(TextId::kUnitsMillimetre);
    BalanceTemplateTexts sheet;
    sheet.title =
        texts.Text(TextId::kTemplateTitle,
                   {{"name", design_name.empty() ? texts.Text(TextId::kTemplateStartUpAircraft)
                                                 : design_name}});
    sheet.answer = PlainAnswerText(answer, units.length, texts);
    sheet.check_bar = texts.Text(TextId::kTemplateCheckBar, {{"length", check_length}});
    sheet.centre_line = texts.Text(TextId::kTemplateCentreLine);
    sheet.leading_edge = texts.Text(TextId::kTemplateLeadingEdge);
    sheet.band = texts.Text(TextId::kTemplateBand,
                            {{"front", FormatFixed(request.band_front_margin_percent, 0)},
                             {"aft", FormatFixed(request.band_aft_margin_percent, 0)}});
    sheet.band_front = distance(request.band_front_x_mm);
    sheet.band_aft = distance(request.band_aft_x_mm);
    sheet.chosen = texts.Text(TextId::kTemplateChosen,
                              {{"distance", distance(request.chosen_x_mm)},
                               {"margin", FormatFixed(request.chosen_margin_percent, 1)}});
    return sheet;
}

std::vector<std::string> TemplatePartsLines(const Catalogue& texts, const DisplayUnits& units,
                                            const std::vector<Part>& parts,
                                            const std::string& source, const Balance& balance) {
    std::vector<std::string> lines;
    if (parts.empty()) {
        return lines;
    }
    const std::string mass =
        texts.Text(units.mass == MassUnit::kOunce ? TextId::kUnitsOunce : TextId::kUnitsGram);
    const std::string length = texts.Text(
        units.length == LengthUnit::kInch ? TextId::kUnitsInch : TextId::kUnitsMillimetre);
    const auto with_unit = [](const std::string& value, const std::string& unit) {
        return value + " " + unit;
    };
    lines.push_back(Column(texts.Text(TextId::kTemplatePartsHeading, {{"source", source}}), 40) +
                    Column(texts.Text(TextId::kTemplatePartsMass, {{"unit", mass}}), 12) +
                    texts.Text(TextId::kTemplatePartsX, {{"unit", length}}));
    constexpr size_t kBalanceLines = 2;  // the total, the ballast
    const size_t room = kMaxTemplatePartsLines - 1 - kBalanceLines;
    const size_t shown = parts.size() > room ? room - 1 : parts.size();
    for (size_t i = 0; i < shown; ++i) {
        const Part& part = parts[i];
        lines.push_back("  " + Column(part.name, 38) + Column(units.Mass(part.mass_g), 12) +
                        units.Length(part.x_mm, 1));
    }
    if (shown < parts.size()) {
        lines.push_back("  " + texts.Text(TextId::kTemplatePartsMore,
                                          {{"count", std::to_string(parts.size() - shown)}}));
    }
    if (balance.status != BalanceStatus::kComplete) {
        return lines;
    }
    lines.push_back(texts.Text(
        TextId::kTemplatePartsTotal,
        {{"mass", with_unit(units.Mass(balance.mass_g), mass)},
         {"x_cg", with_unit(units.Length(balance.x_cg_mm, 1), length)},
         {"margin", FormatFixed(balance.static_margin_percent, 1)},
         {"verdict",
          VerdictText(texts, balance, with_unit(units.Length(balance.off_by_mm, 1), length))}}));
    if (const std::optional<Ballast>& ballast = balance.ballast) {
        const std::string x = with_unit(units.Length(ballast->x_mm, 1), length);
        lines.push_back(
            ballast->status == BallastStatus::kOk
                ? texts.Text(TextId::kTemplatePartsBallast,
                             {{"x", x}, {"mass", with_unit(units.Mass(ballast->mass_g), mass)}})
                : texts.Text(TextId::kTemplatePartsNoBallast,
                             {{"x", x}, {"reason", BallastRefusalText(texts, ballast->status)}}));
    }
    return lines;
}

std::string BallastRefusalText(const Catalogue& texts, BallastStatus status) {
    switch (status) {
        case BallastStatus::kOk:
            return {};
        case BallastStatus::kAtTarget:
            return texts.Text(TextId::kBalanceBallastRefusedAtTarget);
        case BallastStatus::kWrongSide:
            return texts.Text(TextId::kBalanceBallastRefusedWrongSide);
    }
    return {};
}

void NameTemplateSheet(const Catalogue& texts, size_t index, size_t sheets,
                       BalanceTemplateTexts& sheet) {
    sheet.sheet = texts.Text(TextId::kTemplateSheet, {{"sheet", std::to_string(index + 1)},
                                                      {"sheets", std::to_string(sheets)}});
    sheet.join_previous =
        texts.Text(TextId::kTemplateJoinPrevious, {{"sheet", std::to_string(index)}});
    sheet.join_next = texts.Text(TextId::kTemplateJoinNext, {{"sheet", std::to_string(index + 2)}});
}

std::string TemplateRefusalReason(const Catalogue& texts, const BalanceTemplateLayout& layout) {
    switch (layout.status) {
        case TemplateLayoutStatus::kLaidOut:
            return {};
        case TemplateLayoutStatus::kTooLong:
            return texts.Text(TextId::kTemplateTooLong,
                              {{"sheets", std::to_string(kMaxTemplateSheets)}});
        case TemplateLayoutStatus::kNoRegion:
            return texts.Text(TextId::kTemplateNoRegion);
    }
    return {};
}

}  // namespace kalvesta
