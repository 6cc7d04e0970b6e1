// The texts of the balance template's sheets in words of a catalogue and in the
// caller's units, the parts block of the first sheet with them.
#pragma once

#include <string>
#include <vector>

#include "analysis/balance.h"
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

// The parts block of the first sheet: a heading naming `source` (where the parts
// came from), the parts with their masses and x, then, when `balance` is complete,
// the total with the centre of gravity, its margin and verdict, and the ballast
// when one was asked for. A long list ends in a line counting the rest, so that the
// block keeps within kMaxTemplatePartsLines. Empty without parts.
std::vector<std::string> TemplatePartsLines(const Catalogue& texts, const DisplayUnits& units,
                                            const std::vector<Part>& parts,
                                            const std::string& source, const Balance& balance);

// Why ballast at its place cannot help (`status` not kOk), as a clause.
std::string BallastRefusalText(const Catalogue& texts, BallastStatus status);

// The words that name sheet `index` of `sheets` and its joins.
void NameTemplateSheet(const Catalogue& texts, size_t index, size_t sheets,
                       BalanceTemplateTexts& sheet);

// Why the layout has no sheets, in words; empty when it has.
std::string TemplateRefusalReason(const Catalogue& texts, const BalanceTemplateLayout& layout);

}  // namespace kalvesta
