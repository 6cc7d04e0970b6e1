// The texts of the balance template's sheets in words of a catalogue and in the
// caller's units; the command line adds its parts block.
#pragma once

#include <string>

#include "analysis/balance_answer.h"
#include "model/display_units.h"
#include "texts/catalogue.h"
#include "views/balance_template.h"

namespace kalvesta {

// The texts every sheet shares for the design named `design_name` (empty: the
// start-up aircraft): title, answer, check bar, edges, band and chosen centre of gravity.
BalanceTemplateTexts TemplateTexts(const Catalogue& texts, const DisplayUnits& units,
                                   const BalanceAnswer& answer,
                                   const BalanceTemplateRequest& request,
                                   const std::string& design_name);

// The words that name sheet `index` of `sheets` and its joins.
void NameTemplateSheet(const Catalogue& texts, size_t index, size_t sheets,
                       BalanceTemplateTexts& sheet);

// Why the layout has no sheets, in words; empty when it has.
std::string TemplateRefusalReason(const Catalogue& texts, const BalanceTemplateLayout& layout);

}  // namespace kalvesta
