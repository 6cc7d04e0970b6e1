// Fuzz targets of the two number conversions a user types into: the input boxes'
// text-to-integer rule and the margin box's decimal number.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "analysis/stability.h"
#include "fuzz_entries.h"
#include "model/number_format.h"
#include "model/text_to_double.h"
#include "model/text_to_int.h"
#include "support/recording_canvas.h"
#include "views/stability_view.h"

namespace kalvesta::fuzz {
namespace {

bool AllDecimalDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string TextToInt32Target(std::string_view text) {
    const int32_t value = TextToInt32(text);
    const std::string input(text);

    // What the program writes, a box or a file field, reads back as the same value.
    if (TextToInt32(FormatInt(value, 4)) != value) {
        return "the field text of " + std::to_string(value) + " reads back differently";
    }
    // Leading blanks are skipped.
    if (TextToInt32("  " + input) != value) {
        return "leading blanks change the value";
    }
    // A character that is no digit in either base ends the number there, and the
    // value of ill-formed text is the magnitude of the digits before it.
    if (TextToInt32(input + "g") != SaturatingAbs(value)) {
        return "an invalid character does not give the magnitude of the digits before it";
    }
    // Plain decimal digits: the saturated decimal value, and its negation with "-".
    if (AllDecimalDigits(text)) {
        const size_t first = text.find_first_not_of('0');
        const std::string_view digits =
            first == std::string_view::npos ? std::string_view("0") : text.substr(first);
        int64_t exact = INT64_MAX;
        if (digits.size() <= 18) {
            std::from_chars(digits.data(), digits.data() + digits.size(), exact);
        }
        const int64_t saturated = std::min<int64_t>(exact, INT32_MAX);
        if (value != saturated) {
            return "decimal digits read as " + std::to_string(value);
        }
        const int64_t negated = std::max<int64_t>(-exact, INT32_MIN);
        if (TextToInt32("-" + input) != negated) {
            return "a minus sign does not negate the decimal value";
        }
    }
    return {};
}

std::string MarginTextTarget(std::string_view text) {
    const double margin = TextToDouble(text);
    if (!std::isfinite(margin)) {
        return "the margin is not finite";
    }
    // Only the longest number-shaped prefix counts: text after it changes nothing.
    if (TextToDouble(std::string(text) + "x") != margin) {
        return "text after the number changes the margin";
    }
    // A number in the form the program writes reads back exactly.
    char written[64];
    const auto [end, error] = std::to_chars(written, written + sizeof written, margin);
    if (error != std::errc{} || TextToDouble(std::string_view(written, end)) != margin) {
        return "the shortest text of the margin reads back differently";
    }

    // The recommendation for the start-up aircraft's neutral point and reference
    // length with this margin, written and marked as the manual mode shows it.
    Results results;
    results.x_np = 93.31;
    results.ref_length = 271.975;
    results.ref_area = 297000.0;
    ComputeStability(2, margin, results);
    if (!std::isfinite(results.x_cg_manual) || !std::isfinite(results.stability_manual)) {
        return "the recommended centre of gravity is not finite";
    }
    RecordingCanvas canvas(616, 321);
    const ViewMapping mapping{0.5, 40, 0.5};
    DrawStabilityResults(canvas, results, true, Catalogue(), mapping);
    return canvas.DrawingFault();
}

}  // namespace kalvesta::fuzz
