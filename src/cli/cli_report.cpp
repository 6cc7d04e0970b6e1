// The readable report of a kalvesta4-cli run. Numbers use "." whatever the locale.
#include "cli/cli_report.h"

#include <algorithm>

#include "analysis/stability.h"
#include "analysis/tail_volume.h"
#include "model/number_format.h"
#include "views/answer_text.h"
#include "words/answer_words.h"

namespace kalvesta::cli {
namespace {

// "  label  value unit" with the labels lined up.
std::string Row(const std::string& label, const std::string& value, const std::string& unit) {
    std::string row = "  " + label;
    row.resize(28, ' ');
    return row + value + (unit.empty() ? "" : " " + unit) + "\n";
}

std::string WingSection(const CliRun& run, const SurfaceLoading& loading, int wing,
                        const DisplayUnits& units) {
    const auto w = static_cast<size_t>(wing);
    const Aircraft& aircraft = run.aircraft;
    const Lattice& lattice = run.data->lattice;
    const Results& results = run.data->results;
    const std::string mm = units.LengthName();
    std::string text = "Wing-" + std::to_string(wing) + "\n";
    text += Row("panels",
                std::to_string(lattice.chord_count[w]) + " chordwise x " +
                    std::to_string(lattice.span_count[w]) + " strips",
                "");
    text += Row("span b", units.Length(results.wing_b[w]), mm);
    text += Row("area s", units.Area(results.wing_s[w]), units.AreaName());
    text += Row("mean chord lm", units.Length(results.wing_lm[w]), mm);
    text += Row("r25", units.Length(aircraft.wing_r25[w]), mm);
    text += Row("aspect ratio lam", FormatFixed(results.wing_lam[w], 3), "");
    text += Row("lift slope", FormatFixed(results.wing_lift_slope[w], 4), "per rad");
    text += Row("aerodynamic centre x_ac", units.Length(results.wing_x_ac[w]), mm);
    if (const std::optional<double> volume = TailVolume(results, wing)) {
        text += Row("tail volume V", FormatFixed(*volume, 3), TailVolumeNote(kCliTexts, *volume));
    }
    text += "  " + StallSentence(kCliTexts, loading, units) + "\n";
    return text;
}

std::string CentreOfGravityRow(double margin_percent, int decimals, double x_cg,
                               const std::string& note, const DisplayUnits& units) {
    return Row("x_cg (" + FormatFixed(margin_percent, decimals) + "%)", units.Length(x_cg),
               units.LengthName() + note);
}

// Why the lattices are or are not taken as converged.
std::string ConvergenceReason(const RefinedCheck& check) {
    const ConvergenceEstimate& x_np = check.x_np;
    switch (x_np.verdict) {
        case ConvergenceVerdict::kExtrapolated:
            return "extrapolated at the order " + FormatFixed(x_np.order, 2) + " the steps show";
        case ConvergenceVerdict::kSettled:
            return "the lattices agree within 0.01% of the reference length";
        case ConvergenceVerdict::kStepsDoNotShrink:
            return "the steps from lattice to lattice do not shrink";
        case ConvergenceVerdict::kOrderOutOfRange:
            return "the steps shrink at the order " + FormatFixed(x_np.order, 2) +
                   ", outside 0.5 to 6";
        case ConvergenceVerdict::kSurfacesTooClose:
            return "Wing-" + std::to_string(check.close_wing_a) + " and Wing-" +
                   std::to_string(check.close_wing_b) + " lie " +
                   FormatFixed(check.close_gap_mm, 1) +
                   " mm apart in height, too close for the coarsest lattice";
    }
    return {};
}

// The convergence study beside the calculation's own figures; every x in aircraft
// axes (mm aft of x = 0).
std::string RefinedSection(const CliRun& run, const DisplayUnits& units) {
    const std::string mm = units.LengthName();
    const RefinedCheck& check = *run.refined;
    std::string text = "Refined-lattice check (three cosine lattices, each 1.5 times finer";
    text += run.fuselage().Described() ? ", carried through the fuselage)\n" : ")\n";
    if (check.outcome != RefinedOutcome::kCompleted) {
        return text + "  refused: " + RefinedRefusalReason(check) + "\n";
    }
    for (size_t level = 0; level < check.lattices.size(); ++level) {
        const StudyLattice& lattice = check.lattices[level];
        text += Row(
            "lattice " + std::to_string(level + 1),
            std::to_string(lattice.panel_count) + " panels, x_np " + units.Length(lattice.x_np, 4),
            mm);
    }
    const ConvergenceEstimate& x_np = check.x_np;
    if (IsConverged(x_np.verdict)) {
        text += Row("converged x_np",
                    units.Length(x_np.value, 3) + " +/- " + units.Length(x_np.uncertainty, 3), mm);
        if (run.added.fuselage) {
            const double shift = run.added.fuselage->x_np_shift_mm;
            text += Row("with fuselage moment", units.Length(x_np.value + shift, 3),
                        mm + " (" + units.Length(shift, 3) + " " + mm + ")");
        }
    } else {
        const auto [smallest, largest] =
            std::minmax({check.lattices[0].x_np, check.lattices[1].x_np, check.lattices[2].x_np});
        text += Row("not converged",
                    "x_np " + units.Length(smallest) + " to " + units.Length(largest), mm);
    }
    text += Row("", ConvergenceReason(check), "");
    text += Row("x_np change", units.Length(check.x_np_change_mm, 3),
                mm + " (" + FormatFixed(check.x_np_change_percent, 3) +
                    "% of the reference length): " + kCliTexts.Text(VerdictText(check.verdict)));
    const StudyLattice& finest = check.lattices.back();
    for (int wing = 1; wing <= run.aircraft.calc_wing_count; ++wing) {
        const auto w = static_cast<size_t>(wing);
        const std::string name = "Wing-" + std::to_string(wing);
        text += Row(name + " finest panels",
                    std::to_string(finest.chord_count[w]) + " chordwise x " +
                        std::to_string(finest.span_count[w]) + " strips",
                    "");
        text += Row(name + " lift slope", FormatFixed(finest.wing_lift_slope[w], 4), "per rad");
        text += Row(name + " x_ac", units.Length(finest.wing_x_ac[w]), mm + " from x = 0");
    }
    return text;
}

// The reference area and length of a set of figures.
std::string ReferenceRows(const Results& results, const DisplayUnits& units) {
    return Row("reference area", units.Area(results.ref_area), units.AreaName()) +
           Row("reference length", units.Length(results.ref_length), units.LengthName());
}

// "mm (-30.10 mm from the calculation's, -10.35% of its reference length)"
std::string ShiftNote(double shift_mm, const std::string& from, double ref_length,
                      const DisplayUnits& units) {
    const std::string mm = units.LengthName();
    return mm + " (" + units.Length(shift_mm) + " " + mm + " from " + from + ", " +
           FormatFixed(shift_mm / ref_length * 100.0, 2) + "% of its reference length)";
}

// The aircraft carried through the fuselage, the fuselage's moment and the caution.
std::string AddedSections(const CliRun& run, const DisplayUnits& units) {
    const AddedFigures& added = run.added;
    const std::string mm = units.LengthName();
    std::string text;
    if (added.carried_through) {
        const CarriedThrough& carried = *added.carried_through;
        text += "Carried through the fuselage (the gaps at the centre line closed)\n";
        if (HasResults(carried.outcome)) {
            text += ReferenceRows(carried.results, units);
            text += Row("neutral point x_np", units.Length(carried.results.x_np),
                        ShiftNote(carried.x_np_shift_mm, "the calculation's",
                                  run.data->results.ref_length, units));
        } else {
            for (const std::string& line : MemoMessages(run.beside->memo)) {
                text += "  " + line + "\n";
            }
            text += "  No results.\n";
        }
    }
    if (added.fuselage) {
        const FuselageMoment& moment = *added.fuselage;
        text += "Fuselage (" + *run.fuselage_file + ")\n";
        text += Row("length", units.Length(moment.size.length_mm), mm);
        text += Row("greatest width", units.Length(moment.size.max_width_mm),
                    mm + " (fineness " + FormatFixed(moment.size.fineness, 2) + ")");
        text += Row("k2 - k1", FormatFixed(moment.k2_minus_k1, 4), "(Lamb)");
        text += Row("strips", std::to_string(moment.strips.size()), "");
        text += Row("lift slope", FormatFixed(moment.lift_slope, 4), "per rad (carried through)");
        text += Row("Cm_alpha", FormatFixed(moment.cm_alpha, 4), "per rad");
        text += Row("neutral point x_np", units.Length(moment.results.x_np),
                    ShiftNote(moment.x_np_shift_mm, "the carried-through x_np",
                              moment.results.ref_length, units));
    } else if (run.fuselage().Described()) {
        text += "Fuselage (" + *run.fuselage_file + ")\n  No results.\n";
    }
    if (added.caution && added.caution->shown) {
        const LatticeCaution& caution = *added.caution;
        text += "Caution: the neutral point depends on the lattice\n";
        const std::string other = std::to_string(caution.panel_count) + " panels, cosine spacing";
        if (caution.measured) {
            text += Row("another lattice", other + ": x_np " + units.Length(caution.x_np), mm);
            text += Row("difference", units.Length(caution.x_np_change_mm),
                        mm + " (" + FormatFixed(caution.x_np_change_percent, 2) +
                            "% of the reference length)");
        } else {
            text += Row("another lattice", other + ": not solved", "");
        }
        text += "  Run the refined-lattice check (--refine) before trusting x_np.\n";
    }
    return text;
}

// Where the centre of gravity should be: the automatic range, or the manual position.
std::string RecommendedSentence(const Balance& balance, const DisplayUnits& units) {
    const std::string mm = std::string(" ") + units.LengthName();
    if (balance.front_x_mm == balance.aft_x_mm) {
        return "  The recommended position is x = " + units.Length(balance.front_x_mm) + mm +
               " (margin " + FormatFixed(balance.front_margin_percent, 1) + " %).\n";
    }
    return "  The recommended range is x = " + units.Length(balance.front_x_mm) + " to " +
           units.Length(balance.aft_x_mm) + mm + " (margins " +
           FormatFixed(balance.front_margin_percent, 0) + " to " +
           FormatFixed(balance.aft_margin_percent, 0) + " %).\n";
}

std::string VerdictSentence(const Balance& balance, double x_np, const DisplayUnits& units) {
    const std::string mm = std::string(" ") + units.LengthName();
    const std::string margin =
        "  That is a static margin of " + FormatFixed(balance.static_margin_percent, 2) + " %: ";
    const std::string off_by = units.Length(balance.off_by_mm) + mm;
    switch (balance.verdict) {
        case Verdict::kInside:
            return margin + "inside.\n";
        case Verdict::kNoseHeavy:
            return margin + "nose-heavy by " + off_by + ".\n";
        case Verdict::kTailHeavy:
            return margin + "tail-heavy by " + off_by + ".\n";
        case Verdict::kUnstable:
            return margin + "unstable, behind the neutral point x_np = " + units.Length(x_np) + mm +
                   " (tail-heavy by " + off_by + ").\n";
    }
    return {};
}

// The balance of the parts in sentences.
std::string BalanceSection(const CliRun& run, const DisplayUnits& units) {
    const Balance balance = BalanceOf(run);
    const size_t count = run.parts().size();
    const std::string mm = std::string(" ") + units.LengthName();
    const std::string g = std::string(" ") + units.MassName();
    std::string text = "Balance (" + *run.parts_file + ")\n";
    if (balance.status == BalanceStatus::kBeyondRange ||
        balance.status == BalanceStatus::kNoParts) {
        return text + "  The masses and positions are too large to add up.\n";
    }
    text += "  The " + std::to_string(count) + (count == 1 ? " part weighs " : " parts weigh ") +
            units.Mass(balance.mass_g) + g +
            "; the centre of gravity lies at x = " + units.Length(balance.x_cg_mm) + mm + ".\n";
    if (balance.status == BalanceStatus::kNoNeutralPoint) {
        return text +
               "  The margin, the verdict and the corrections need a neutral point, and the "
               "calculation gave none.\n";
    }
    text += RecommendedSentence(balance, units);
    text += VerdictSentence(balance, run.data->results.x_np, units);
    text += "  For the target margin of " + FormatFixed(balance.target_margin_percent, 2) +
            " % the centre of gravity belongs at x = " + units.Length(balance.target_x_cg_mm) + mm +
            ".\n";
    if (const std::optional<PartMove>& move = balance.move) {
        text += "  Move \"" + move->part + "\" from x = " + units.Length(move->from_x_mm) + mm +
                " to x = " + units.Length(move->to_x_mm) + mm + " (by " +
                units.Length(move->by_mm) + mm + ").\n";
    }
    if (const std::optional<Ballast>& ballast = balance.ballast) {
        text += "  Ballast at x = " + units.Length(ballast->x_mm) + mm + ": ";
        text += ballast->status == BallastStatus::kOk
                    ? units.Mass(ballast->mass_g) + g + ".\n"
                    : "none can help, " + BallastRefusalReason(ballast->status) + ".\n";
    }
    return text;
}

}  // namespace

std::string FormatReport(const CliRun& run, const CliOptions& options) {
    const DisplayUnits units{options.units, options.mass_units};
    const std::string mm = units.LengthName();
    const Aircraft& aircraft = run.aircraft;
    std::string text =
        "Aircraft: " + (run.file() ? *run.file() : std::string("start-up aircraft")) + ", " +
        std::to_string(aircraft.wing_count) + (aircraft.wing_count == 1 ? " wing" : " wings") +
        "\n";
    const std::vector<std::string> messages = MemoMessages(run.data->memo);
    if (!messages.empty()) {
        text += "Error:\n";
        for (const std::string& line : messages) {
            text += "  " + line + "\n";
        }
    }
    if (!run.has_results()) {
        text += "The analysis stopped before results.\n";
        return run.parts().empty() ? text : text + BalanceSection(run, units);
    }

    const Results& results = run.data->results;
    text += PlainAnswerText(AnswerOf(run), units.length, kCliTexts) + "\n";
    text += "Panels: " + std::to_string(run.data->lattice.panel_count) + "\n\n";
    const SpanLoading loading = SpanLoadingOf(run);
    for (int w = 1; w <= aircraft.calc_wing_count; ++w) {
        text += WingSection(run, loading.wings[static_cast<size_t>(w)], w, units) + "\n";
    }
    text += "Aircraft\n";
    text += ReferenceRows(results, units);
    text += Row("neutral point x_np", units.Length(results.x_np), mm);
    text += AddedSections(run, units);
    // With a fuselage the recommendation comes from the neutral point with it.
    const Results& recommended = RecommendationResults(run.added, results);
    text += run.added.fuselage ? "Centre of gravity (from x_np with the fuselage)\n"
                               : "Centre of gravity\n";
    text += CentreOfGravityRow(recommended.stability_high, 0, recommended.x_cg_high, "", units);
    text += CentreOfGravityRow(recommended.stability_low, 0, recommended.x_cg_low, "", units);
    text += CentreOfGravityRow(recommended.stability_manual, 1, recommended.x_cg_manual,
                               "  (manual margin \"" + options.margin_text + "\")", units);
    if (run.cg_mm) {
        text += Row("static margin", FormatFixed(StaticMarginPercent(recommended, *run.cg_mm), 2),
                    "% at x_cg " + units.Length(*run.cg_mm) + " " + mm);
    }
    if (run.refined) {
        text += RefinedSection(run, units);
    }
    if (!run.parts().empty()) {
        text += BalanceSection(run, units);
    }
    return text;
}

}  // namespace kalvesta::cli
