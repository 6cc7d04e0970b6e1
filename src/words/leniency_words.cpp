// Words of the lenient reading.
#include "words/leniency_words.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kalvesta {
namespace {

// Lines that were no whole number are named one by one up to this many; the rest
// are counted.
constexpr size_t kUnclearLinesNamed = 3;

}  // namespace

std::string LeniencyNote(const Catalogue& texts, const Da4Leniency& leniency,
                         const std::string& name, const AircraftInputs& opened) {
    if (leniency.empty()) {
        return {};
    }
    std::vector<std::string> what;
    if (leniency.first_missing_line > 0) {
        what.push_back(texts.Text(TextId::kFileLenientMissing,
                                  {{"line", std::to_string(leniency.first_missing_line)}}));
    }
    const size_t named = std::min(leniency.unclear_lines.size(), kUnclearLinesNamed);
    for (size_t i = 0; i < named; ++i) {
        const Da4Leniency::UnclearLine& line = leniency.unclear_lines[i];
        what.push_back(texts.Text(
            TextId::kFileLenientUnclear,
            {{"line", std::to_string(line.line)}, {"value", std::to_string(line.value)}}));
    }
    if (leniency.unclear_lines.size() > named) {
        what.push_back(
            texts.Text(TextId::kFileLenientMoreUnclear,
                       {{"count", std::to_string(leniency.unclear_lines.size() - named)}}));
    }
    if (leniency.wing_count) {
        what.push_back(texts.Text(TextId::kFileLenientWingCount,
                                  {{"count", std::to_string(*leniency.wing_count)},
                                   {"kept", std::to_string(opened.wing_count)}}));
    }
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        if (const std::optional<int32_t>& count = leniency.trapezoid_counts[w]) {
            what.push_back(texts.Text(TextId::kFileLenientTrapezoids,
                                      {{"wing", std::to_string(wing)},
                                       {"count", std::to_string(*count)},
                                       {"kept", std::to_string(opened.trapezoids[w])}}));
        }
    }
    std::string joined;
    for (const std::string& part : what) {
        joined += (joined.empty() ? "" : "; ") + part;
    }
    return texts.Text(TextId::kFileLenientNote, {{"name", name}, {"what", joined}});
}

}  // namespace kalvesta
