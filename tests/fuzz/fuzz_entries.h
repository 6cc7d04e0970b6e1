// Entry functions of the fuzz targets, shared by the libFuzzer programs and the
// corpus replay test. Each takes one input as the user could type or load it and
// returns an empty string when every property held, else what broke.
#pragma once

#include <string>
#include <string_view>

namespace kalvesta::fuzz {

// An input box's text through the text-to-integer rule.
std::string TextToInt32Target(std::string_view text);

// The margin box's text through the decimal conversion and the stability
// recommendation, as "Manual choice of stability" shows it.
std::string MarginTextTarget(std::string_view text);

// A ".da4" file's bytes: read, loaded as "Open" loads them, prepared, drawn,
// analysed and the result views drawn.
std::string Da4AnalysisTarget(std::string_view file_bytes);

// A parts file's bytes: read, and when read, written and read back.
std::string PartsCsvTarget(std::string_view file_bytes);

}  // namespace kalvesta::fuzz
