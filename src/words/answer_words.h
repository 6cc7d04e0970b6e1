// The builder's answers in words of a catalogue: where each surface stalls first,
// and what a tail volume means against the typical range (where to balance the
// model: views/answer_text.h). The command line speaks English, the window its
// language.
#pragma once

#include <string>

#include "analysis/span_loading.h"
#include "analysis/tail_volume.h"
#include "model/display_units.h"
#include "texts/catalogue.h"

namespace kalvesta {

// "Highest local lift at 78 % of the half-span (y = 429 mm): this wing stalls from
// the tips first."
std::string StallSentence(const Catalogue& texts, const SurfaceLoading& surface,
                          const DisplayUnits& units);

// What V means: "(typical for model aircraft: 0.35 to 0.7)", "(small: ...)",
// "(large: ...)" or, ahead of Wing-1, that the tailplane range does not apply.
std::string TailVolumeNote(const Catalogue& texts, double volume);

}  // namespace kalvesta
