// kalvesta4-cli: the aircraft analysis without a window, for scripts and batch runs.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_json.h"
#include "cli/cli_report.h"
#include "cli/cli_run.h"
#include "cli/summary_module.h"
#include "files/file_writer.h"

namespace {

constexpr int kExitResults = 0;
constexpr int kExitAnalysisFailed = 1;
constexpr int kExitUsageOrFile = 2;

void PrintError(const std::string& message) {
    std::fprintf(stderr, "kalvesta4-cli: %s\n", message.c_str());
}

// Writes `text` to standard output; false, with the system's reason said, when it
// could not be written.
bool PrintOutput(const std::string& text) {
    const kalvesta::FileResult written = kalvesta::WriteStandardOutput(text);
    if (!written.ok()) {
        PrintError(written.message);
    }
    return written.ok();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kalvesta::cli;
    const CliArgsResult args = ParseCliArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (!args.ok()) {
        PrintError(args.error);
        std::fputs("Try \"kalvesta4-cli --help\".\n", stderr);
        return kExitUsageOrFile;
    }
    const CliOptions& options = args.options;
    if (options.help || options.version) {
        return PrintOutput(options.help ? UsageText() : "kalvesta4-cli " KALVESTA_VERSION "\n")
                   ? kExitResults
                   : kExitUsageOrFile;
    }

    CliRun run;
    if (const auto loaded = LoadAircraft(options, run); !loaded.ok()) {
        PrintError(loaded.message);
        return kExitUsageOrFile;
    }
    if (const auto wrong = LoadParts(options, run)) {
        PrintError(*wrong);
        return kExitUsageOrFile;
    }
    if (const auto wrong = LoadFuselage(options, run)) {
        PrintError(*wrong);
        return kExitUsageOrFile;
    }
    if (options.save_file) {
        if (const auto saved = SaveAircraft(*options.save_file, run); !saved.ok()) {
            PrintError(saved.message);
            return kExitUsageOrFile;
        }
    }
    Analyse(options.margin_text, run);
    run.cg_mm = options.cg_mm;
    if (options.refine) {
        CheckRefinedLattice(run);
    }
    const std::optional<std::string> no_avl_file = ExportAvlRefusal(run);
    if (options.avl_file && no_avl_file) {
        PrintError("no AVL file written to \"" + *options.avl_file + "\": " + *no_avl_file);
    } else if (options.avl_file) {
        if (const auto exported = ExportAvl(*options.avl_file, run); !exported.ok()) {
            PrintError(exported.message);
            return kExitUsageOrFile;
        }
    }

    if (options.summary_file && run.has_results()) {
        if (const auto written = WriteSummaryWithModule(*options.summary_file, run);
            !written.ok()) {
            PrintError(written.message);
            return kExitUsageOrFile;
        }
    }

    // Standard output that carries a written file gets nothing else.
    if (!options.OutputTakenByFile()) {
        const std::string output =
            options.json ? FormatJson(run) : FormatReport(run, options.margin_text);
        if (!PrintOutput(output)) {
            return kExitUsageOrFile;
        }
    }
    if (!run.ok()) {
        const std::vector<std::string> messages = MemoMessages(run.data->memo);
        for (const std::string& line : messages) {
            PrintError(line);
        }
        if (messages.empty()) {
            PrintError("the analysis stopped before results");
        }
        return kExitAnalysisFailed;
    }
    return kExitResults;
}
