// The refusal lines the analysis writes when it cannot calculate a surface or the
// whole aircraft, in the memo's language.
#pragma once

#include <string_view>

#include "analysis/memo.h"

namespace kalvesta {

// "Can not calculate wing-<w>. " / "Kann Flügel-<w> nicht berechnen.", then the
// reason in the memo's language; shows the memo and sets calc_failed.
void ReportSurfaceRefusal(Memo& memo, bool english_captions, int wing,
                          std::string_view english_reason, std::string_view german_reason);

// "Can not calculate the aircraft. " / "Kann Flugzeug nicht berechnen.", then the
// reason; shows the memo and sets calc_failed.
void ReportAircraftRefusal(Memo& memo, bool english_captions, std::string_view english_reason,
                           std::string_view german_reason);

}  // namespace kalvesta
