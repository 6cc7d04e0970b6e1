// Loading, saving and analysing the aircraft of one kalvesta4-cli run.
#include "cli/cli_run.h"

#include "analysis/calculation.h"
#include "analysis/stability.h"
#include "files/avl_export.h"
#include "files/da4_format.h"

namespace kalvesta::cli {
namespace {

constexpr std::string_view kEnglishMemoHeading = "Error: ";

// The window's start-up: English captions, both wing counts 2.
void StartUp(CliRun& run) {
    run.aircraft.english_captions = true;
    run.aircraft.wing_count = run.inputs.wing_count;
    run.aircraft.calc_wing_count = run.inputs.wing_count;
}

}  // namespace

FileResult LoadAircraft(const CliOptions& options, CliRun& run) {
    StartUp(run);
    if (options.file) {
        const Da4ReadResult read = ReadDa4File(*options.file);
        if (!read.result.ok()) {
            return read.result;
        }
        run.file = options.file;
        run.aircraft.current_file_name = *options.file;
        ApplyDa4Values(read.values, run.aircraft, run.inputs);
    }
    if (options.wings) {
        // The wing-count buttons' handlers: both counts follow the button.
        run.inputs.wing_count = *options.wings;
        run.aircraft.wing_count = *options.wings;
        run.aircraft.calc_wing_count = *options.wings;
    }
    return FileResult{};
}

FileResult SaveAircraft(const std::string& path, CliRun& run) {
    PrepareAircraft(run.aircraft, run.inputs);
    TakeCountsForSave(run.aircraft, run.inputs);
    const Da4Values values = AssembleDa4Values(run.aircraft);
    return path == kStandardOutputArg ? WriteStandardOutput(FormatDa4Text(values))
                                      : WriteDa4File(path, values);
}

void Analyse(const std::string& margin_text, CliRun& run) {
    PipelineObserver quiet;
    run.outcome = Calculate(run.inputs, margin_text, run.aircraft, *run.data, quiet);
}

FileResult ExportAvl(const std::string& path, const CliRun& run) {
    return WriteAvlFile(path, run.aircraft, run.data->lattice, run.data->results,
                        run.file.value_or(""));
}

void CheckRefinedLattice(CliRun& run) {
    run.refined = RefinedCheck{};
    if (!run.has_results()) {
        return;
    }
    const auto scratch = std::make_unique<AnalysisData>();
    run.refined = RunRefinedCheck(run.aircraft, run.data->results, *scratch);
}

std::vector<std::string> MemoMessages(const Memo& memo) {
    std::vector<std::string> messages;
    for (int i = 0; i < memo.line_count(); ++i) {
        if (i == 0 && memo.line(0) == kEnglishMemoHeading) {
            continue;
        }
        messages.emplace_back(memo.line(i));
    }
    return messages;
}

}  // namespace kalvesta::cli
