// The summary page of a finished run written to a PNG or PDF file, drawn by the
// same routines that compose the printed page in the window; and the balance
// template as a PDF.
#pragma once

#include <string>

#include "cli/cli_run.h"
#include "cli/template_texts.h"
#include "files/file_writer.h"

namespace kalvesta::cli {

// Draws the top view with the results (automatic margin range), the 3-D view at
// the window's start-up angles and the summary page, then writes the page: a name
// ending in ".pdf" (any case) as one A4 PDF page, otherwise as a PNG of 800 × 1220,
// through the program's file writer ("-": to standard output).
// Needs a Qt Gui application object. Requires run.has_results().
FileResult WriteSummary(const std::string& path, const CliRun& run);

// Writes the balance template's sheets as a PDF of their paper, one page a sheet,
// each at true size. Needs a Qt Gui application object and a laid-out template.
FileResult WriteTemplate(const std::string& path, const TemplatePages& pages);

}  // namespace kalvesta::cli
