// Refusal lines of the analysis.
#include "analysis/messages.h"

#include <array>
#include <charconv>

namespace kalvesta {

void ReportSurfaceRefusal(Memo& memo, int wing, TextId reason) {
    std::array<char, 12> number{};
    const char* const end = std::to_chars(number.begin(), number.end(), wing).ptr;
    memo.AddLine(TextId::kAnalysisCannotCalculateWing,
                 {{"wing", std::string_view(number.data(), end)}});
    memo.ReportFailure(reason);
}

void ReportAircraftRefusal(Memo& memo, TextId reason) {
    memo.AddLine(TextId::kAnalysisCannotCalculateAircraft);
    memo.ReportFailure(reason);
}

}  // namespace kalvesta
