// The summary writer as a separately loaded module (kalvesta4-summary.so), so
// that the command line loads Qt only when it writes a summary page. The module
// exports one function with C linkage, found by name after loading; caller and
// module are built together from the same sources, so C++ types may cross.
#pragma once

#include <string>

#include "cli/cli_run.h"
#include "cli/template_texts.h"
#include "files/da4_file.h"

namespace kalvesta::cli {

// The module's file name and the names of its entries.
inline constexpr char kSummaryModuleName[] = "kalvesta4-summary.so";
inline constexpr char kSummaryEntryName[] = "kalvesta4_write_summary";
inline constexpr char kTemplateEntryName[] = "kalvesta4_write_template";

// The entries, each inside a Qt Gui application (on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise), the outcome in `result`: WriteSummary(path,
// run), and the balance template's sheets written as a PDF to `path`.
using SummaryEntry = void (*)(const std::string& path, const CliRun& run, FileResult& result);
using TemplateEntry = void (*)(const std::string& path, const TemplatePages& pages,
                               FileResult& result);

// Loads the module, looking first in the folder of this program and then where
// the install puts it (KALVESTA_MODULE_DIR_FROM_BIN from that folder, such as
// ../lib/x86_64-linux-gnu/kalvesta4), and writes the summary with it. A module that
// is missing or cannot be loaded gives a failure that names it and the folders.
FileResult WriteSummaryWithModule(const std::string& path, const CliRun& run);

// The same for the balance template; `pages` must be laid out.
FileResult WriteTemplateWithModule(const std::string& path, const TemplatePages& pages);

}  // namespace kalvesta::cli
