// Refusal lines of the analysis.
#include "analysis/messages.h"

#include <string>

namespace kalvesta {

void ReportSurfaceRefusal(Memo& memo, bool english_captions, int wing,
                          std::string_view english_reason, std::string_view german_reason) {
    const std::string number = std::to_string(wing);
    if (english_captions) {
        memo.ReportFailure("Can not calculate wing-" + number + ". ", english_reason);
    } else {
        memo.ReportFailure("Kann Flügel-" + number + " nicht berechnen.", german_reason);
    }
}

void ReportAircraftRefusal(Memo& memo, bool english_captions, std::string_view english_reason,
                           std::string_view german_reason) {
    if (english_captions) {
        memo.ReportFailure("Can not calculate the aircraft. ", english_reason);
    } else {
        memo.ReportFailure("Kann Flugzeug nicht berechnen.", german_reason);
    }
}

}  // namespace kalvesta
