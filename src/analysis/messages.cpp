// Refusal lines of the analysis.
#include "analysis/messages.h"

#include <string>

namespace kalvesta {

void ReportSurfaceRefusal(Memo& memo, int wing, TextId reason) {
    const std::string number = std::to_string(wing);
    memo.AddLine(TextId::kAnalysisCannotCalculateWing, {{"wing", number}});
    memo.ReportFailure(reason);
}

void ReportAircraftRefusal(Memo& memo, TextId reason) {
    memo.AddLine(TextId::kAnalysisCannotCalculateAircraft);
    memo.ReportFailure(reason);
}

}  // namespace kalvesta
