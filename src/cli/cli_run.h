// One run of kalvesta4-cli: the design document (the start-up aircraft or a file's,
// opened as the window opens it, then changed by the options through its commands),
// and the calculation the "Calculate" button runs on it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/added_figures.h"
#include "analysis/balance.h"
#include "analysis/balance_answer.h"
#include "analysis/pipeline.h"
#include "analysis/refined_check.h"
#include "analysis/span_loading.h"
#include "cli/cli_args.h"
#include "files/design_file.h"
#include "model/aircraft.h"
#include "model/design.h"
#include "model/parts.h"

namespace kalvesta::cli {

struct CliRun {
    // The start-up aircraft or the file's design, then --wings, --margin, --parts and
    // --fuselage; its path is the file read, empty without one.
    Design design;
    Aircraft aircraft;
    std::unique_ptr<AnalysisData> data = std::make_unique<AnalysisData>();
    PipelineOutcome outcome = PipelineOutcome::kRefused;
    std::optional<double> cg_mm;            // --cg: its static margin is reported
    std::optional<RefinedCheck> refined;    // --refine, after results
    std::optional<std::string> parts_file;  // where the parts came from
    // The parts file beside the design could not be read (reported unless --parts).
    std::optional<FileResult> parts_beside_failure;
    BalanceQuestion balance_question;
    std::optional<std::string> fuselage_file;  // where the fuselage came from
    // The figures beside the calculation's (with results), worked out in `beside`,
    // which then holds the carried-through lattice.
    AddedFigures added;
    std::unique_ptr<AnalysisData> beside;

    // Results exist (possibly after a reported failure of the solve).
    bool has_results() const { return HasResults(outcome); }
    // Results exist and no step reported a failure.
    bool ok() const { return outcome == PipelineOutcome::kCompleted; }
    // The file read, if any.
    std::optional<std::string> file() const;
    // --parts, the file's parts section, or the parts file beside a file without one.
    const std::vector<Part>& parts() const { return design.parts().reading().parts; }
    // --fuselage or the file's fuselage section; without stations: none.
    const Fuselage& fuselage() const { return design.fuselage(); }
};

// The command line speaks English.
inline constexpr Catalogue kCliTexts{Language::kEnglish};

// The start-up aircraft (two wings), then the file of the options opened into it as
// "Open" does (its parts from its section or the parts file beside, by
// `read_beside`), then the wing count of --wings and the margin of --margin. A file
// that cannot be read leaves the start-up aircraft and returns the failure. The
// browser page passes a reader of the text it holds, and one that finds no file
// beside.
FileResult LoadAircraft(const CliOptions& options, CliRun& run,
                        const Da4Reader& read_file = ReadDa4File,
                        const PartsBesideReader& read_beside = ReadPartsBeside);

// The design's parts replaced by `parts`, as one step.
void ReplaceParts(Design& design, const std::vector<Part>& parts);

// The parts of --parts in place of the design's, and the balance question of the
// options. Returns what is wrong, or nothing: a parts file that cannot be read (the
// --parts file, or without it the one beside the design), a --parts file without
// parts, a balance option without parts, a --move naming no part or several.
std::optional<std::string> LoadParts(const CliOptions& options, CliRun& run);

// The outline of --fuselage in place of the design's; what is wrong with the
// --fuselage file, or nothing.
std::optional<std::string> LoadFuselage(const CliOptions& options, CliRun& run);

// Writes the design as "Save" does (SaveDesignFile: one file, one replace); the path
// "-" writes that file text to standard output.
FileResult SaveAircraft(const std::string& path, CliRun& run);

// The balance of the run's parts, against its recommendation's figures (with a
// fuselage, the fuselage's) where there are results.
Balance BalanceOf(const CliRun& run);

// Where to balance the model: the recommended range (the manual margin alone when
// --margin was given; with a fuselage, from its neutral point) from the root leading
// edge of Wing-1. Needs results.
BalanceAnswer AnswerOf(const CliRun& run);

// The lift along the span of the calculation. Needs results.
SpanLoading SpanLoadingOf(const CliRun& run);

// Why ballast at that place cannot help, in words; empty for kOk.
std::string BallastRefusalReason(BallastStatus status);

// "Calculate" on the design as loaded: the one calculation the window runs, with
// the stability figures for the design's margin, and where it gives results the
// figures beside it; `observer` hears the solve's countdown.
void Analyse(CliRun& run, PipelineObserver& observer);

// Why no AVL file can be written: there are no results (with a fuselage, no
// carried-through ones); nothing when it can.
std::optional<std::string> ExportAvlRefusal(const CliRun& run);

// Writes the aircraft and lattice of the results as an AVL input file at `path`:
// with a fuselage the carried-through ones.
FileResult ExportAvl(const std::string& path, const CliRun& run);

// The refined-lattice check on the results (its own analysis data; the run's
// figures stay as they are), with a fuselage on the carried-through aircraft and
// its figures. Without results the check does not run (kFailed).
void CheckRefinedLattice(CliRun& run);

// Why the check has no lattices to show, in words: the lattice that would not fit,
// or the failure lines of a lattice's solve; empty when it completed.
std::string RefinedRefusalReason(const RefinedCheck& check);

// The memo's message lines below its heading, in words.
std::vector<std::string> MemoMessages(const Memo& memo);

}  // namespace kalvesta::cli
