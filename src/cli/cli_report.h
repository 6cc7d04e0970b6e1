// The default, human-readable output of kalvesta4-cli.
#pragma once

#include <string>

#include "cli/cli_run.h"

namespace kalvesta::cli {

// Panel counts, per-wing planform and lattice values, lift slopes and aerodynamic
// centres, the reference values, the neutral point and the centre-of-gravity
// positions; or, when the analysis stopped, its messages.
std::string FormatReport(const CliRun& run, const std::string& margin_text);

}  // namespace kalvesta::cli
