// Loading, saving and analysing the aircraft of one kalvesta4-cli run.
#include "cli/cli_run.h"

#include "analysis/calculation.h"
#include "analysis/stability.h"
#include "files/avl_export.h"
#include "files/da4_format.h"
#include "files/fuselage_csv.h"
#include "files/parts_csv.h"
#include "words/template_words.h"

namespace kalvesta::cli {

FileResult LoadAircraft(const CliOptions& options, CliRun& run, const Da4Reader& read_file) {
    if (options.file) {
        const Da4ReadResult read = read_file(*options.file);
        if (const FileResult usable = AircraftFileResult(read, *options.file); !usable.ok()) {
            return usable;
        }
        run.file = options.file;
        run.aircraft.current_file_name = *options.file;
        run.description = ApplyDa4Values(read.values, run.description);
        run.sections = read.sections;
    }
    if (options.wings) {
        run.description.wing_count = *options.wings;
    }
    return FileResult{};
}

std::optional<std::string> LoadParts(const CliOptions& options, CliRun& run,
                                     const PartsBesideReader& read_beside) {
    std::optional<PartsReadResult> read;
    if (options.parts_file) {
        run.parts_file = options.parts_file;
        read = ReadPartsFile(*options.parts_file);
    } else if (run.sections.parts) {
        run.parts_file = run.file;
        run.parts = *run.sections.parts;
    } else if (options.file && (read = read_beside(*options.file))) {
        run.parts_file = PartsFileNameFor(*options.file);
    }
    if (read && !read->result.ok()) {
        return FileMessage(read->result, kCliTexts);
    }
    if (read) {
        run.parts = std::move(read->parts);
    }

    BalanceQuestion& question = run.balance_question;
    question.manual_margin = options.margin_given;
    question.target_margin_percent = options.target_margin;
    question.move_part = options.move_part;
    question.ballast_x_mm = options.ballast_x_mm;
    const bool asked = options.target_margin || options.move_part || options.ballast_x_mm;
    if (options.parts_file && run.parts.empty()) {
        return "\"" + *options.parts_file + "\" lists no parts: the total mass is 0";
    }
    if (asked && run.parts.empty()) {
        return "--target-margin, --move and --ballast-at need the parts: give them with --parts";
    }
    if (options.move_part) {
        const MoveStatus found = FindPart(run.parts, *options.move_part).status;
        if (found != MoveStatus::kOk) {
            return "--move: " +
                   std::string(found == MoveStatus::kSharedName ? "several parts are"
                                                                : "no part is") +
                   " named \"" + *options.move_part + "\" in \"" + *run.parts_file + "\"";
        }
    }
    return std::nullopt;
}

std::optional<std::string> LoadFuselage(const CliOptions& options, CliRun& run) {
    if (!options.fuselage_file) {
        if (run.sections.fuselage && run.sections.fuselage->Described()) {
            run.fuselage = *run.sections.fuselage;
            run.fuselage_file = run.file;
        }
        return std::nullopt;
    }
    FuselageReadResult read = ReadFuselageFile(*options.fuselage_file);
    if (!read.result.ok()) {
        return FileMessage(read.result, kCliTexts);
    }
    if (!read.fuselage.Described()) {
        return "\"" + *options.fuselage_file + "\" lists no stations";
    }
    run.fuselage = std::move(read.fuselage);
    run.fuselage_file = options.fuselage_file;
    return std::nullopt;
}

FileResult SaveAircraft(const std::string& path, const CliRun& run) {
    const Da4Values values = Da4ValuesOf(run.description);
    Da4Sections sections;
    if (!run.parts.empty()) {
        sections.parts = run.parts;
    }
    if (run.fuselage.Described()) {
        sections.fuselage = run.fuselage;
    }
    return path == kStandardOutputArg ? WriteStandardOutput(FormatDa4File(values, sections))
                                      : WriteDa4File(path, values, sections);
}

Balance BalanceOf(const CliRun& run) {
    return ComputeBalance(
        run.parts,
        run.has_results() ? &RecommendationResults(run.added, run.data->results) : nullptr,
        run.balance_question);
}

BalanceAnswer AnswerOf(const CliRun& run) {
    return PlainBalanceAnswer(run.aircraft, RecommendationResults(run.added, run.data->results),
                              run.balance_question.manual_margin);
}

SpanLoading SpanLoadingOf(const CliRun& run) {
    return ComputeSpanLoading(run.aircraft, run.data->lattice, run.data->solution.circulation,
                              run.data->results);
}

void Analyse(const std::string& margin_text, CliRun& run) {
    PipelineObserver quiet;
    run.outcome = Calculate(run.description, margin_text, run.aircraft, *run.data, quiet);
    if (run.has_results()) {
        run.beside = std::make_unique<AnalysisData>();
        run.added = ComputeAddedFigures(run.aircraft, *run.data, run.fuselage, *run.beside);
    }
}

std::optional<std::string> ExportAvlRefusal(const CliRun& run) {
    if (!run.has_results()) {
        return "there are no results";
    }
    if (run.fuselage.Described() && !run.added.fuselage) {
        return "the aircraft carried through the fuselage has no results";
    }
    return std::nullopt;
}

FileResult ExportAvl(const std::string& path, const CliRun& run) {
    if (run.fuselage.Described()) {
        const CarriedThrough& carried = *run.added.carried_through;
        return WriteAvlFile(path, carried.aircraft, run.beside->lattice, carried.results,
                            run.file.value_or(""));
    }
    return WriteAvlFile(path, run.aircraft, run.data->lattice, run.data->results,
                        run.file.value_or(""));
}

void CheckRefinedLattice(CliRun& run) {
    run.refined = RefinedCheck{};
    if (!run.has_results()) {
        return;
    }
    const auto scratch = std::make_unique<AnalysisData>();
    RefinedCheckProgress to_the_end;
    if (run.fuselage.Described()) {
        if (run.added.fuselage) {
            const CarriedThrough& carried = *run.added.carried_through;
            run.refined = RunRefinedCheck(carried.aircraft, carried.results, *scratch, to_the_end);
        }
        return;
    }
    run.refined = RunRefinedCheck(run.aircraft, run.data->results, *scratch, to_the_end);
}

std::string RefinedRefusalReason(const RefinedCheck& check) {
    switch (check.outcome) {
        case RefinedOutcome::kCompleted:
        case RefinedOutcome::kCancelled:
            return {};
        case RefinedOutcome::kRefused:
            if (check.refusal.wing != 0) {
                return "the finest lattice would need " + std::to_string(check.refusal.strips) +
                       " strips on the half of Wing-" + std::to_string(check.refusal.wing) +
                       ", more than " + std::to_string(kMaxSpanCount);
            }
            return "the finest lattice would need " + std::to_string(check.refusal.panels) +
                   " panels, more than " + std::to_string(kPanelCapacity);
        case RefinedOutcome::kFailed:
            return check.failure.empty() ? "there are no results to check"
                                         : kCliTexts.Lines(check.failure);
    }
    return {};
}

std::string BallastRefusalReason(BallastStatus status) {
    return BallastRefusalText(kCliTexts, status);
}

std::vector<std::string> MemoMessages(const Memo& memo) {
    std::vector<std::string> messages;
    for (const Message& line : memo.Lines()) {
        if (line.id() != TextId::kMemoHeading) {
            messages.push_back(kCliTexts.Text(line));
        }
    }
    return messages;
}

}  // namespace kalvesta::cli
