// The --json output of kalvesta4-cli: one JSON object with the run's figures.
#pragma once

#include <string>
#include <string_view>

#include "cli/cli_run.h"

namespace kalvesta::cli {

// A JSON string literal: quotes, backslashes and control characters escaped, bytes
// that are not UTF-8 replaced by U+FFFD, so any file name gives valid JSON.
std::string JsonString(std::string_view text);

// A JSON number with 17 significant digits ("." whatever the locale); a value that
// is not finite gives null.
std::string JsonNumber(double value);

// The whole object, ended by a line feed. Keys: file, wing_count, ok, messages,
// panel_count, wings, ref_area, ref_length, x_np, stability, x_cg; the result keys
// are null when the analysis stopped before results.
std::string FormatJson(const CliRun& run);

}  // namespace kalvesta::cli
