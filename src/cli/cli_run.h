// One run of kalvesta4-cli: the aircraft's description (the start-up aircraft or a
// file's, as the window would hold it after "Open"), and the calculation the
// "Calculate" button runs on it.
#pragma once

#include <functional>
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
#include "files/da4_file.h"
#include "files/parts_csv.h"
#include "model/aircraft.h"
#include "model/aircraft_inputs.h"
#include "model/fuselage.h"
#include "model/parts.h"

namespace kalvesta::cli {

struct CliRun {
    std::optional<std::string> file;  // the file read, if any
    Aircraft aircraft;
    AircraftInputs description = DefaultAircraftInputs();  // start-up or file, then --wings
    std::unique_ptr<AnalysisData> data = std::make_unique<AnalysisData>();
    PipelineOutcome outcome = PipelineOutcome::kRefused;
    std::optional<double> cg_mm;            // --cg: its static margin is reported
    std::optional<RefinedCheck> refined;    // --refine, after results
    Da4Sections sections;                   // what the file holds after its 53 lines
    std::vector<Part> parts;                // --parts, the file's parts section, or the
                                            // parts file beside a file without one
    std::optional<std::string> parts_file;  // where the parts came from
    BalanceQuestion balance_question;
    Fuselage fuselage;  // --fuselage or the file's fuselage section; empty: none
    std::optional<std::string> fuselage_file;  // where the fuselage came from
    // The figures beside the calculation's (with results), worked out in `beside`,
    // which then holds the carried-through lattice.
    AddedFigures added;
    std::unique_ptr<AnalysisData> beside;

    // Results exist (possibly after a reported failure of the solve).
    bool has_results() const { return HasResults(outcome); }
    // Results exist and no step reported a failure.
    bool ok() const { return outcome == PipelineOutcome::kCompleted; }
};

// The command line speaks English.
inline constexpr Catalogue kCliTexts{Language::kEnglish};

// How the file of the options is read: ReadDa4File, or for the browser page a
// text it holds in memory.
using Da4Reader = std::function<Da4ReadResult(const std::string& name)>;

// The start-up aircraft (two wings), then the file of the options
// read into it as "Open" does, then the wing count of --wings. A file that cannot
// be read leaves the start-up aircraft and returns the failure.
FileResult LoadAircraft(const CliOptions& options, CliRun& run,
                        const Da4Reader& read_file = ReadDa4File);

// The parts of --parts, else those of the loaded design's parts section, else those
// of the parts file beside a design without that section (when it exists), and the
// balance question of the options. Returns what is wrong, or nothing: a parts file
// that cannot be read, a --parts file without parts, a balance option without
// parts, a --move naming no part or several. The browser page's text has no file
// beside it: it reads none (`read_beside` gives nothing).
using PartsBesideReader =
    std::function<std::optional<PartsReadResult>(const std::string& design_path)>;
std::optional<std::string> LoadParts(const CliOptions& options, CliRun& run,
                                     const PartsBesideReader& read_beside = ReadPartsBeside);

// The outline of --fuselage, else that of the loaded design's fuselage section; what
// is wrong with the --fuselage file, or nothing.
std::optional<std::string> LoadFuselage(const CliOptions& options, CliRun& run);

// Writes the aircraft's description as "Save" does (Da4ValuesOf), with its parts and
// its fuselage as sections of the same file when there are any, in one replace; the path "-" writes
// that file text to standard output.
FileResult SaveAircraft(const std::string& path, const CliRun& run);

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

// "Calculate" on the aircraft as loaded: the one calculation the window runs, with
// the stability figures for `margin_text` (read like the margin box), and where it
// gives results the figures beside it.
void Analyse(const std::string& margin_text, CliRun& run);

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
