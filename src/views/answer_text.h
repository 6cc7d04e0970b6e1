// The plain answer in words of the reader's language and unit: where to balance the
// model, measured from the root leading edge of Wing-1 ("Balance the model 70 to 86
// mm behind the leading edge of Wing-1's root (static margin 16 to 8 %).").
#pragma once

#include <string>

#include "analysis/balance_answer.h"
#include "model/display_units.h"
#include "texts/catalogue.h"

namespace kalvesta {

// The sentence: one position and margin with a manual margin; "ahead of" for
// distances ahead of the edge, "between … and …" when the range straddles it.
std::string PlainAnswerText(const BalanceAnswer& answer, LengthUnit unit, const Catalogue& texts);

// A distance from the root leading edge as a size, rounded, with its unit and
// without its side: "70 mm", "2.76 in".
std::string DistanceText(double behind_mm, LengthUnit unit, const Catalogue& texts);

// The margins of the answer: "16 to 8", or "7.5" for one position.
std::string AnswerMarginsText(const BalanceAnswer& answer, const Catalogue& texts);

}  // namespace kalvesta
