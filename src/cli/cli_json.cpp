// JSON formatting of a kalvesta4-cli run.
#include "cli/cli_json.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

#include "analysis/stability.h"
#include "analysis/tail_volume.h"
#include "model/decimal_text.h"
#include "model/utf8.h"

namespace kalvesta::cli {
namespace {

// One "key": value member of an object.
struct Member {
    std::string_view key;
    std::string value;
};

// "key": value. Built by appending, as the texts below: GCC 12 warns falsely
// (-Wrestrict) about chains of string concatenation here.
std::string MemberText(const Member& member) {
    std::string text = JsonString(member.key);
    text += ": ";
    text += member.value;
    return text;
}

// {"key": value, ...} on one line.
std::string Object(std::initializer_list<Member> members) {
    std::string out = "{";
    for (const Member& member : members) {
        if (out.size() > 1) {
            out += ", ";
        }
        out += MemberText(member);
    }
    out += "}";
    return out;
}

std::string LowHighManual(double low, double high, double manual) {
    return Object(
        {{"low", JsonNumber(low)}, {"high", JsonNumber(high)}, {"manual", JsonNumber(manual)}});
}

// [item, ...] or {member, ...}: the items between the brackets `open` and `close`,
// one a line indented by `indent` blanks, the closing bracket by two blanks less.
std::string MultiLine(char open, const std::vector<std::string>& items, char close, size_t indent) {
    std::string json(1, open);
    for (const std::string& item : items) {
        json += json.size() > 1 ? ",\n" : "\n";
        json.append(indent, ' ');
        json += item;
    }
    json += '\n';
    json.append(indent - 2, ' ');
    json += close;
    return json;
}

// The wing's figures on one line, then its strips one a line.
std::string WingObject(const CliRun& run, const SurfaceLoading& loading, int wing) {
    const auto w = static_cast<size_t>(wing);
    const Aircraft& aircraft = run.aircraft;
    const Lattice& lattice = run.data->lattice;
    const Results& results = run.data->results;
    const std::optional<double> volume = TailVolume(results, wing);
    std::vector<std::string> strips;
    for (const LoadStrip& strip : loading.strips) {
        strips.push_back(Object({{"y_mm", JsonNumber(strip.y_mm)},
                                 {"dy_mm", JsonNumber(strip.dy_mm)},
                                 {"chord_mm", JsonNumber(strip.chord_mm)},
                                 {"cl_per_CL", JsonNumber(strip.cl_per_CL)}}));
    }
    return Object({{"wing", std::to_string(wing)},
                   {"chord_count", std::to_string(lattice.chord_count[w])},
                   {"span_count", std::to_string(lattice.span_count[w])},
                   {"b", JsonNumber(results.wing_b[w])},
                   {"s", JsonNumber(results.wing_s[w])},
                   {"lm", JsonNumber(results.wing_lm[w])},
                   {"lam", JsonNumber(results.wing_lam[w])},
                   {"r25", JsonNumber(aircraft.wing_r25[w])},
                   {"lift_slope", JsonNumber(results.wing_lift_slope[w])},
                   {"x_ac", JsonNumber(results.wing_x_ac[w])},
                   {"volume_coefficient", volume ? JsonNumber(*volume) : "null"},
                   {"strips", strips.empty() ? "[]" : MultiLine('[', strips, ']', 6)}});
}

// {"key": value, ...} with one member a line, each indented by `indent` blanks.
std::string MultiLineObject(const std::vector<Member>& members, size_t indent) {
    std::vector<std::string> items;
    for (const Member& member : members) {
        items.push_back(MemberText(member));
    }
    return MultiLine('{', items, '}', indent);
}

// [{wing 1}, ...] over the wings of the analysis, one per line.
std::string WingsArray(const CliRun& run) {
    const SpanLoading loading = SpanLoadingOf(run);
    std::vector<std::string> wings;
    for (int w = 1; w <= run.aircraft.calc_wing_count; ++w) {
        wings.push_back(WingObject(run, loading.wings[static_cast<size_t>(w)], w));
    }
    return MultiLine('[', wings, ']', 4);
}

// The verdict's text's name after "refined.verdict." ("worth_knowing"): a page
// reading the JSON finds the words under the same name.
std::string RefinedVerdictName(RefinedVerdict verdict) {
    constexpr std::string_view kGroup = "refined.verdict.";
    return std::string(TextName(VerdictText(verdict)).substr(kGroup.size()));
}

const char* ConvergenceName(ConvergenceVerdict verdict) {
    switch (verdict) {
        case ConvergenceVerdict::kExtrapolated:
            return "extrapolated";
        case ConvergenceVerdict::kSettled:
            return "settled";
        case ConvergenceVerdict::kStepsDoNotShrink:
            return "steps_do_not_shrink";
        case ConvergenceVerdict::kOrderOutOfRange:
            return "order_out_of_range";
        case ConvergenceVerdict::kSurfacesTooClose:
            return "surfaces_too_close";
    }
    return "";
}

// The refined-lattice check: the estimate of the converged neutral point with its
// uncertainty, how far it lies from the calculation's, each lattice's panels and
// x_np, and per wing the finest lattice's figures. Null without results; the
// reason alone when no lattice was solved.
std::string RefinedObject(const CliRun& run) {
    const RefinedCheck& check = *run.refined;
    if (!run.has_results()) {
        return "null";
    }
    if (check.outcome != RefinedOutcome::kCompleted) {
        return Object({{"refused", JsonString(RefinedRefusalReason(check))}});
    }
    std::vector<std::string> lattices;
    for (const StudyLattice& lattice : check.lattices) {
        lattices.push_back(Object({{"panel_count", std::to_string(lattice.panel_count)},
                                   {"x_np", JsonNumber(lattice.x_np)}}));
    }
    const StudyLattice& finest = check.lattices.back();
    std::vector<std::string> wings;
    for (int wing = 1; wing <= run.aircraft.calc_wing_count; ++wing) {
        const auto w = static_cast<size_t>(wing);
        wings.push_back(Object({{"wing", std::to_string(wing)},
                                {"chord_count", std::to_string(finest.chord_count[w])},
                                {"span_count", std::to_string(finest.span_count[w])},
                                {"lift_slope", JsonNumber(finest.wing_lift_slope[w])},
                                {"x_ac", JsonNumber(finest.wing_x_ac[w])}}));
    }
    const ConvergenceEstimate& x_np = check.x_np;
    return MultiLineObject({{"converged", IsConverged(x_np.verdict) ? "true" : "false"},
                            {"convergence", JsonString(ConvergenceName(x_np.verdict))},
                            {"verdict", JsonString(RefinedVerdictName(check.verdict))},
                            {"x_np", JsonNumber(x_np.value)},
                            {"x_np_uncertainty_mm", JsonNumber(x_np.uncertainty)},
                            {"order", JsonNumber(x_np.order)},
                            {"x_np_change_mm", JsonNumber(check.x_np_change_mm)},
                            {"x_np_change_percent", JsonNumber(check.x_np_change_percent)},
                            {"lattices", MultiLine('[', lattices, ']', 6)},
                            {"wings", MultiLine('[', wings, ']', 6)}},
                           4);
}

// The aircraft carried through the fuselage; nulls when it has no results.
std::string CarriedThroughObject(const CarriedThrough& carried) {
    const bool results = HasResults(carried.outcome);
    const auto number = [results](double value) {
        return results ? JsonNumber(value) : std::string("null");
    };
    return Object({{"x_np", number(carried.results.x_np)},
                   {"ref_area", number(carried.results.ref_area)},
                   {"ref_length", number(carried.results.ref_length)},
                   {"x_np_shift_mm", number(carried.x_np_shift_mm)}});
}

// The fuselage's moment, its strips one a line.
std::string FuselageObject(const FuselageMoment& moment) {
    std::vector<std::string> strips;
    for (const FuselageStrip& strip : moment.strips) {
        strips.push_back(Object({{"x_mm", JsonNumber(strip.x_mm)},
                                 {"width_mm", JsonNumber(strip.width_mm)},
                                 {"dx_mm", JsonNumber(strip.dx_mm)},
                                 {"flow_factor", JsonNumber(strip.flow_factor)}}));
    }
    const Results& figures = moment.results;
    return MultiLineObject(
        {{"length_mm", JsonNumber(moment.size.length_mm)},
         {"max_width_mm", JsonNumber(moment.size.max_width_mm)},
         {"fineness", JsonNumber(moment.size.fineness)},
         {"k2_minus_k1", JsonNumber(moment.k2_minus_k1)},
         {"stations", MultiLine('[', strips, ']', 6)},
         {"lift_slope", JsonNumber(moment.lift_slope)},
         {"cm_alpha", JsonNumber(moment.cm_alpha)},
         {"x_np_shift_mm", JsonNumber(moment.x_np_shift_mm)},
         {"x_np", JsonNumber(figures.x_np)},
         {"x_cg", LowHighManual(figures.x_cg_low, figures.x_cg_high, figures.x_cg_manual)}},
        4);
}

// The caution on a neutral point that depends on the lattice; null without one.
std::string CautionObject(const std::optional<LatticeCaution>& caution) {
    if (!caution || !caution->shown) {
        return "null";
    }
    const auto number = [&caution](double value) {
        return caution->measured ? JsonNumber(value) : std::string("null");
    };
    return Object({{"panel_count", std::to_string(caution->panel_count)},
                   {"x_np", number(caution->x_np)},
                   {"x_np_change_mm", number(caution->x_np_change_mm)},
                   {"x_np_change_percent", number(caution->x_np_change_percent)}});
}

const char* VerdictName(Verdict verdict) {
    switch (verdict) {
        case Verdict::kInside:
            return "inside";
        case Verdict::kNoseHeavy:
            return "nose_heavy";
        case Verdict::kTailHeavy:
            return "tail_heavy";
        case Verdict::kUnstable:
            return "unstable";
    }
    return "";
}

// The balance of the parts; what needs a neutral point is null without results.
std::string BalanceObject(const CliRun& run) {
    const Balance balance = BalanceOf(run);
    const bool weighed = balance.status == BalanceStatus::kNoNeutralPoint ||
                         balance.status == BalanceStatus::kComplete;
    const bool complete = balance.status == BalanceStatus::kComplete;
    const auto number = [](bool known, double value) {
        return known ? JsonNumber(value) : std::string("null");
    };
    std::vector<Member> members = {
        {"mass_g", number(weighed, balance.mass_g)},
        {"x_cg_mm", number(weighed, balance.x_cg_mm)},
        {"static_margin_percent", number(complete, balance.static_margin_percent)},
        {"target_margin_percent", number(complete, balance.target_margin_percent)},
        {"target_x_cg_mm", number(complete, balance.target_x_cg_mm)},
        {"verdict", complete ? JsonString(VerdictName(balance.verdict)) : "null"},
    };
    if (run.balance_question.move_part) {
        const std::optional<PartMove>& move = balance.move;
        members.push_back({"move", move && move->status == MoveStatus::kOk
                                       ? Object({{"part", JsonString(move->part)},
                                                 {"from_x_mm", JsonNumber(move->from_x_mm)},
                                                 {"to_x_mm", JsonNumber(move->to_x_mm)},
                                                 {"by_mm", JsonNumber(move->by_mm)}})
                                       : "null"});
    }
    if (run.balance_question.ballast_x_mm) {
        const std::optional<Ballast>& ballast = balance.ballast;
        std::string value = "null";
        if (ballast && ballast->status == BallastStatus::kOk) {
            value = Object(
                {{"x_mm", JsonNumber(ballast->x_mm)}, {"mass_g", JsonNumber(ballast->mass_g)}});
        } else if (ballast) {
            value = Object({{"x_mm", JsonNumber(ballast->x_mm)},
                            {"mass_g", "null"},
                            {"refused", JsonString(BallastRefusalReason(ballast->status))}});
        }
        members.push_back({"ballast", value});
    }
    return MultiLineObject(members, 4);
}

}  // namespace

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text.front());
        const size_t length = Utf8SequenceLength(text);
        if (length == 0) {
            out += "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out += '"';
    return out;
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    return DecimalSignificant(value, 17);
}

std::string FormatJson(const CliRun& run) {
    const bool results = run.has_results();
    const Results& figures = run.data->results;
    const std::string null = "null";

    std::string messages = "[";
    for (const std::string& line : MemoMessages(run.data->memo)) {
        messages += messages.size() > 1 ? ", " : "";
        messages += JsonString(line);
    }
    messages += "]";

    const std::string wings = results ? WingsArray(run) : null;

    std::vector<Member> members = {
        {"file", run.file() ? JsonString(*run.file()) : null},
        {"units", Object({{"length", JsonString("mm")},
                          {"area", JsonString("mm^2")},
                          {"mass", JsonString("g")}})},
        {"wing_count", std::to_string(run.aircraft.wing_count)},
        {"ok", run.ok() ? "true" : "false"},
        {"messages", messages},
        {"panel_count", results ? std::to_string(run.data->lattice.panel_count) : null},
        {"wings", wings},
        {"ref_area", results ? JsonNumber(figures.ref_area) : null},
        {"ref_length", results ? JsonNumber(figures.ref_length) : null},
        {"x_np", results ? JsonNumber(figures.x_np) : null},
        {"stability", results ? LowHighManual(figures.stability_low, figures.stability_high,
                                              figures.stability_manual)
                              : null},
        {"x_cg",
         results ? LowHighManual(figures.x_cg_low, figures.x_cg_high, figures.x_cg_manual) : null},
    };
    if (run.cg_mm) {
        members.push_back(
            {"static_margin", results ? JsonNumber(StaticMarginPercent(
                                            RecommendationResults(run.added, figures), *run.cg_mm))
                                      : null});
    }
    if (run.added.carried_through) {
        members.push_back({"carried_through", CarriedThroughObject(*run.added.carried_through)});
    }
    if (run.fuselage().Described()) {
        members.push_back(
            {"fuselage", run.added.fuselage ? FuselageObject(*run.added.fuselage) : null});
    }
    members.push_back({"caution", CautionObject(run.added.caution)});
    if (run.refined) {
        members.push_back({"refined", RefinedObject(run)});
    }
    if (!run.parts().empty()) {
        members.push_back({"balance", BalanceObject(run)});
    }
    // The top level keeps one member per line.
    return MultiLineObject(members, 2) + "\n";
}

}  // namespace kalvesta::cli
