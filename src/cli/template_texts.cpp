// Layout request and English texts of the balance template.
#include "cli/template_texts.h"

#include "words/template_words.h"

namespace kalvesta::cli {

TemplatePages ComposeTemplate(const CliRun& run, const CliOptions& options) {
    const DisplayUnits units{options.units, options.mass_units};
    std::vector<std::string> parts = TemplatePartsLines(
        kCliTexts, units, run.parts(), run.parts_file.value_or(""), BalanceOf(run));
    const BalanceTemplateRequest request = TemplateRequestFor(
        RecommendationResults(run.added, run.data->results), options.margin_given,
        options.target_margin, options.units, options.paper, parts.size());
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
