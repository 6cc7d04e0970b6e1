// The balance template of a run: the sheets' layout for its paper and the texts of
// every sheet, in English and the run's units.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "views/balance_template.h"

namespace kalvesta::cli {

struct TemplatePages {
    BalanceTemplateLayout layout;
    std::vector<BalanceTemplateTexts> texts;  // one per sheet
};

// The request of TemplateRequestFor: the automatic range as the band, the centre of
// gravity aimed at the --target-margin, else at the --margin given, else at the
// middle of the range. Needs results.
TemplatePages ComposeTemplate(const CliRun& run, const CliOptions& options);

// Why the layout has no sheets, in words; empty when it has.
std::string TemplateRefusalReason(const BalanceTemplateLayout& layout);

}  // namespace kalvesta::cli
