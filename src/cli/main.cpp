// kalvesta4-cli: the aircraft analysis without a window, for scripts and batch runs.
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_json.h"
#include "cli/cli_report.h"
#include "cli/cli_run.h"
#include "cli/summary_module.h"
#include "cli/template_texts.h"
#include "files/file_writer.h"
#include "words/answer_words.h"
#include "words/template_words.h"

namespace {

constexpr int kExitResults = 0;
constexpr int kExitAnalysisFailed = 1;
constexpr int kExitUsageOrFile = 2;

// The whole message, also where a file name or a field holds a NUL.
void PrintError(const std::string& message) {
    const std::string line = "kalvesta4-cli: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// A file written, and what the user should know of it (a safety copy left).
bool Written(const kalvesta::FileResult& written) {
    if (const std::string said = kalvesta::FileMessage(written, kalvesta::cli::kCliTexts);
        !said.empty()) {
        PrintError(said);
    }
    return written.ok();
}

// Writes `text` to standard output; false, with the system's reason said, when it
// could not be written.
bool PrintOutput(const std::string& text) {
    return Written(kalvesta::WriteStandardOutput(text));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kalvesta::cli;
    // A pipe whose reader has gone is a failed write, reported as such, not the end
    // of the program.
    std::signal(SIGPIPE, SIG_IGN);
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
        PrintError(FileMessage(loaded, kCliTexts));
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
        if (!Written(SaveAircraft(*options.save_file, run))) {
            return kExitUsageOrFile;
        }
    }
    kalvesta::PipelineObserver quiet;
    Analyse(run, quiet);
    run.cg_mm = options.cg_mm;
    if (options.refine) {
        CheckRefinedLattice(run);
    }
    const std::optional<std::string> no_avl_file = ExportAvlRefusal(run);
    if (options.avl_file && no_avl_file) {
        PrintError("no AVL file written to \"" + *options.avl_file + "\": " + *no_avl_file);
    } else if (options.avl_file) {
        if (!Written(ExportAvl(*options.avl_file, run))) {
            return kExitUsageOrFile;
        }
    }

    if (options.summary_file && run.has_results()) {
        if (!Written(WriteSummaryWithModule(*options.summary_file, run))) {
            return kExitUsageOrFile;
        }
    }

    if (options.template_file && run.has_results()) {
        const TemplatePages pages = ComposeTemplate(run, options);
        if (const std::string refused =
                kalvesta::TemplateRefusalReason(kalvesta::cli::kCliTexts, pages.layout);
            !refused.empty()) {
            PrintError("no balance template written to \"" + *options.template_file +
                       "\": " + refused);
            return kExitUsageOrFile;
        }
        if (!Written(WriteTemplateWithModule(*options.template_file, pages))) {
            return kExitUsageOrFile;
        }
    }

    // Standard output that carries a written file gets nothing else.
    if (!options.OutputTakenByFile()) {
        const std::string output = options.json ? FormatJson(run) : FormatReport(run, options);
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
