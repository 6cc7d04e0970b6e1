// Layout request and English texts of the balance template.
#include "cli/template_texts.h"

#include <algorithm>
#include <string_view>

#include "model/number_format.h"
#include "model/utf8.h"
#include "words/template_words.h"

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
    if (run.parts().empty()) {
        return lines;
    }
    const std::string mass = std::string(units.MassName());
    const std::string length = std::string(units.LengthName());
    lines.push_back(Column("Parts (" + run.parts_file.value_or("") + ")", 40) +
                    Column("mass " + mass, 12) + "x " + length);
    constexpr size_t kBalanceLines = 2;  // the total, the ballast
    const size_t room = kMaxTemplatePartsLines - 1 - kBalanceLines;
    const size_t shown = run.parts().size() > room ? room - 1 : run.parts().size();
    for (size_t i = 0; i < shown; ++i) {
        const Part& part = run.parts()[i];
        lines.push_back("  " + Column(part.name, 38) + Column(units.Mass(part.mass_g), 12) +
                        units.Length(part.x_mm, 1));
    }
    if (shown < run.parts().size()) {
        lines.push_back("  ... and " + std::to_string(run.parts().size() - shown) + " more parts");
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
    std::vector<std::string> parts = PartsBlock(run, units);
    const BalanceTemplateRequest request =
        TemplateRequestFor(run.data->results, options.margin_given, options.target_margin,
                           options.units, options.paper, parts.size());
    TemplatePages pages;
    pages.layout = LayOutBalanceTemplate(run.aircraft, request);
    BalanceTemplateTexts texts =
        TemplateTexts(kCliTexts, units, AnswerOf(run), request, run.file().value_or(""));
    texts.parts = std::move(parts);
    const size_t sheets = pages.layout.sheets.size();
    for (size_t i = 0; i < sheets; ++i) {
        NameTemplateSheet(kCliTexts, i, sheets, texts);
        pages.texts.push_back(texts);
    }
    return pages;
}

}  // namespace kalvesta::cli
