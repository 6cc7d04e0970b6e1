// Words of the balance template.
#include "words/template_words.h"

#include "model/number_format.h"
#include "views/answer_text.h"

namespace kalvesta {

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
