// The builder's answers in English words, for the report and the balance template:
// where to balance the model, where each surface stalls first, and what a tail
// volume means against the typical range.
#pragma once

#include <string>

#include "analysis/balance_answer.h"
#include "analysis/span_loading.h"
#include "analysis/tail_volume.h"
#include "cli/report_units.h"

namespace kalvesta::cli {

// "Balance the model 70 to 86 mm behind the leading edge of Wing-1's root (static
// margin 16 to 8 %)." (one position and margin with a manual margin; "ahead of"
// for distances ahead of the edge).
std::string PlainAnswerSentence(const BalanceAnswer& answer, const ReportUnits& units);

// A distance from the root leading edge as a size, rounded, with its unit and
// without its side: "70 mm", "2.76 in".
std::string DistanceSize(double behind_mm, const ReportUnits& units);

// The margins of the answer: "16 to 8", or "7.5" for one position.
std::string AnswerMargins(const BalanceAnswer& answer);

// "Highest local lift at 78 % of the half-span (y = 429 mm): this wing stalls from
// the tips first."
std::string StallSentence(const SurfaceLoading& surface, const ReportUnits& units);

// What V means: "(typical for model aircraft: 0.35 to 0.7)", "(small: ...)",
// "(large: ...)" or, ahead of Wing-1, that the tailplane range does not apply.
std::string TailVolumeNote(double volume);

}  // namespace kalvesta::cli
