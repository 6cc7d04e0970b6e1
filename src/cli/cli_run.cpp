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

std::optional<std::string> CliRun::file() const {
    if (design.path().empty()) {
        return std::nullopt;
    }
    return design.path();
}

FileResult LoadAircraft(const CliOptions& options, CliRun& run, const Da4Reader& read_file,
                        const PartsBesideReader& read_beside) {
    if (options.file) {
        const DesignOpening opening =
            OpenDesignFile(run.design, *options.file, read_file, read_beside);
        if (!opening.result.ok()) {
            return opening.result;
        }
        run.aircraft.current_file_name = *options.file;
        run.parts_file = opening.parts_path;
        run.parts_beside_failure = opening.parts_beside_failure;
    }
    if (options.wings) {
        run.design.SetWingCount(*options.wings);
    }
    run.design.SetMarginText(options.margin_text);
    run.design.SetManualMargin(options.margin_given);
    return FileResult{};
}

void ReplaceParts(Design& design, const std::vector<Part>& parts) {
    std::vector<PartCells> rows;
    rows.reserve(parts.size());
    for (const Part& part : parts) {
        rows.push_back(CellsOf(part));
    }
    design.SpliceParts(StepKind::kPartsPaste, 0, design.parts().row_count(), std::move(rows));
}

std::optional<std::string> LoadParts(const CliOptions& options, CliRun& run) {
    if (options.parts_file) {
        const PartsReadResult read = ReadPartsFile(*options.parts_file);
        if (!read.result.ok()) {
            return FileMessage(read.result, kCliTexts);
        }
        if (read.parts.empty()) {
            return "\"" + *options.parts_file + "\" lists no parts: the total mass is 0";
        }
        ReplaceParts(run.design, read.parts);
        run.parts_file = options.parts_file;
    } else if (run.parts_beside_failure) {
        return FileMessage(*run.parts_beside_failure, kCliTexts);
    }

    BalanceQuestion& question = run.balance_question;
    question.manual_margin = run.design.margin().manual;
    question.target_margin_percent = options.target_margin;
    question.move_part = options.move_part;
    question.ballast_x_mm = options.ballast_x_mm;
    const bool asked = options.target_margin || options.move_part || options.ballast_x_mm;
    if (asked && run.parts().empty()) {
        return "--target-margin, --move and --ballast-at need the parts: give them with --parts";
    }
    if (options.move_part) {
        const MoveStatus found = FindPart(run.parts(), *options.move_part).status;
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
        if (run.fuselage().Described()) {
            run.fuselage_file = run.file();
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
    run.design.SetFuselage(std::move(read.fuselage));
    run.fuselage_file = options.fuselage_file;
    return std::nullopt;
}

FileResult SaveAircraft(const std::string& path, CliRun& run) {
    return path == kStandardOutputArg ? WriteStandardOutput(DesignFileText(run.design))
                                      : SaveDesignFile(run.design, path);
}

Balance BalanceOf(const CliRun& run) {
    return ComputeBalance(
        run.parts(),
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

void Analyse(CliRun& run, PipelineObserver& observer) {
    run.added = {};
    run.outcome =
        Calculate(run.design.inputs(), run.design.margin().text, run.aircraft, *run.data, observer);
    if (run.has_results()) {
        run.beside = std::make_unique<AnalysisData>();
        run.added = ComputeAddedFigures(run.aircraft, *run.data, run.fuselage(), *run.beside);
    }
}

std::optional<std::string> ExportAvlRefusal(const CliRun& run) {
    if (!run.has_results()) {
        return "there are no results";
    }
    if (run.fuselage().Described() && !run.added.fuselage) {
        return "the aircraft carried through the fuselage has no results";
    }
    return std::nullopt;
}

FileResult ExportAvl(const std::string& path, const CliRun& run) {
    if (run.fuselage().Described()) {
        const CarriedThrough& carried = *run.added.carried_through;
        return WriteAvlFile(path, carried.aircraft, run.beside->lattice, carried.results,
                            run.file().value_or(""));
    }
    return WriteAvlFile(path, run.aircraft, run.data->lattice, run.data->results,
                        run.file().value_or(""));
}

void CheckRefinedLattice(CliRun& run) {
    run.refined = RefinedCheck{};
    if (!run.has_results()) {
        return;
    }
    const auto scratch = std::make_unique<AnalysisData>();
    RefinedCheckProgress to_the_end;
    if (run.fuselage().Described()) {
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
