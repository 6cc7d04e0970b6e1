// The default, human-readable output of kalvesta4-cli.
#pragma once

#include <string>

#include "cli/cli_run.h"

namespace kalvesta::cli {

// Where to balance the model in a sentence, panel counts, per-wing planform and
// lattice values, lift slopes, aerodynamic centres, tail volumes and where each
// surface stalls first, the reference values, the neutral point and the
// centre-of-gravity positions; or, when the analysis stopped, its messages. In the
// units of the options (--units, --mass-units), with their manual margin text.
std::string FormatReport(const CliRun& run, const CliOptions& options);

}  // namespace kalvesta::cli
