// Layout request and English texts of the balance template.
#include "cli/template_texts.h"

#include <algorithm>
#include <string_view>

#include "cli/answer_words.h"
#include "model/number_format.h"
#include "model/utf8.h"
#include "views/answer_text.h"

namespace kalvesta::cli {
namespace {

// Text cut to at most `width` characters, never inside one, and padded with
// blanks to `width` of them.
std::string Column(std::string_view text, size_t width) {
    std::string column;
    size_t characters = 0;
    while (!text.empty() && characters < width) {
        const size_t length = std::max<size_t>(1, Utf8SequenceLength(text));
        column.append(text.substr(0, length));
        text.remove_prefix(length);
        ++characters;
    }
    column.append(width - characters, ' ');
    return column;
}

// The parts with their masses and positions, then the balance they give: the
// total, the centre of gravity with its margin and verdict, and the ballast when
// one was asked for. Long lists end in a line counting the rest.
std::vector<std::string> PartsBlock(const CliRun& run, const DisplayUnits& units) {
    std::vector<std::string> lines;
    if (run.parts.empty()) {
        return lines;
    }
    const std::string mass = std::string(units.MassName());
    const std::string length = std::string(units.LengthName());
    lines.push_back(Column("Parts (" + run.parts_file.value_or("") + ")", 40) +
                    Column("mass " + mass, 12) + "x " + length);
    constexpr size_t kBalanceLines = 2;  // the total, the ballast
    const size_t room = kMaxTemplatePartsLines - 1 - kBalanceLines;
    const size_t shown = run.parts.size() > room ? room - 1 : run.parts.size();
    for (size_t i = 0; i < shown; ++i) {
        const Part& part = run.parts[i];
        lines.push_back("  " + Column(part.name, 38) + Column(units.Mass(part.mass_g), 12) +
                        units.Length(part.x_mm, 1));
    }
    if (shown < run.parts.size()) {
        lines.push_back("  ... and " + std::to_string(run.parts.size() - shown) + " more parts");
    }
    const Balance balance = BalanceOf(run);
    if (balance.status != BalanceStatus::kComplete) {
        return lines;
    }
    std::string verdict;
    switch (balance.verdict) {
        case Verdict::kInside:
            verdict = "inside the recommended range";
            break;
        case Verdict::kNoseHeavy:
            verdict = "nose-heavy by " + units.Length(balance.off_by_mm, 1) + " " + length;
            break;
        case Verdict::kTailHeavy:
            verdict = "tail-heavy by " + units.Length(balance.off_by_mm, 1) + " " + length;
            break;
        case Verdict::kUnstable:
            verdict = "unstable: behind the neutral point";
            break;
    }
    lines.push_back("Total " + units.Mass(balance.mass_g) + " " + mass +
                    ", centre of gravity at x = " + units.Length(balance.x_cg_mm, 1) + " " +
                    length + " (static margin " + FormatFixed(balance.static_margin_percent, 1) +
                    " %): " + verdict + ".");
    if (const std::optional<Ballast>& ballast = balance.ballast) {
        lines.push_back("Ballast at x = " + units.Length(ballast->x_mm, 1) + " " + length + ": " +
                        (ballast->status == BallastStatus::kOk
                             ? units.Mass(ballast->mass_g) + " " + mass + "."
                             : "none can help, " + BallastRefusalReason(ballast->status) + "."));
    }
    return lines;
}

}  // namespace

TemplatePages ComposeTemplate(const CliRun& run, const CliOptions& options) {
    const DisplayUnits units{options.units, options.mass_units};
    const BalanceAnswer answer = AnswerOf(run);
    BalanceTemplateTexts texts;
    texts.parts = PartsBlock(run, units);
    const BalanceTemplateRequest request =
        TemplateRequestFor(run.data->results, options.margin_given, options.target_margin,
                           options.units, options.paper, texts.parts.size());
    TemplatePages pages;
    pages.layout = LayOutBalanceTemplate(run.aircraft, request);

    const std::string check_length =
        options.units == LengthUnit::kInch ? std::string("4 in") : std::string("100 mm");
    texts.title = "Kalvesta4 balance template: " + run.file.value_or("start-up aircraft");
    texts.answer = PlainAnswerText(answer, units.length, kCliTexts);
    texts.check_bar = "The black bar must measure " + check_length +
                      ". If it does not, print again at actual size (100 %, not fitted to "
                      "the page).";
    texts.centre_line = "centre line";
    texts.leading_edge = "leading edge of Wing-1's root";
    texts.band = "recommended range, static margin " +
                 FormatFixed(request.band_front_margin_percent, 0) + " to " +
                 FormatFixed(request.band_aft_margin_percent, 0) + " %";
    texts.band_front =
        DistanceText(request.band_front_x_mm - answer.datum_x_mm, units.length, kCliTexts);
    texts.band_aft =
        DistanceText(request.band_aft_x_mm - answer.datum_x_mm, units.length, kCliTexts);
    texts.chosen = "balance here: " +
                   DistanceText(request.chosen_x_mm - answer.datum_x_mm, units.length, kCliTexts) +
                   " (static margin " + FormatFixed(request.chosen_margin_percent, 1) + " %)";
    const size_t sheets = pages.layout.sheets.size();
    for (size_t i = 0; i < sheets; ++i) {
        const std::string number = std::to_string(i + 1);
        texts.sheet = "Sheet " + number + " of " + std::to_string(sheets);
        texts.join_previous = "Cut along the dashed line and lay this edge on the marks of sheet " +
                              std::to_string(i) + ".";
        texts.join_next =
            "Sheet " + std::to_string(i + 2) + " joins here: lay its edge on these marks.";
        pages.texts.push_back(texts);
    }
    return pages;
}

std::string TemplateRefusalReason(const BalanceTemplateLayout& layout) {
    switch (layout.status) {
        case TemplateLayoutStatus::kLaidOut:
            return {};
        case TemplateLayoutStatus::kTooLong:
            return "the root region of Wing-1 with its range would need more than " +
                   std::to_string(kMaxTemplateSheets) + " sheets";
        case TemplateLayoutStatus::kNoRegion:
            return "Wing-1 and its range give no region to draw";
    }
    return {};
}

}  // namespace kalvesta::cli
