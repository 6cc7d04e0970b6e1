// The builder's answers in English words, for the report and the balance template:
// where each surface stalls first, and what a tail volume means against the
// typical range. (Where to balance the model: views/answer_text.h.)
#pragma once

#include <string>

#include "analysis/span_loading.h"
#include "analysis/tail_volume.h"
#include "model/display_units.h"

namespace kalvesta::cli {

// "Highest local lift at 78 % of the half-span (y = 429 mm): this wing stalls from
// the tips first."
std::string StallSentence(const SurfaceLoading& surface, const DisplayUnits& units);

// What V means: "(typical for model aircraft: 0.35 to 0.7)", "(small: ...)",
// "(large: ...)" or, ahead of Wing-1, that the tailplane range does not apply.
std::string TailVolumeNote(double volume);

}  // namespace kalvesta::cli
