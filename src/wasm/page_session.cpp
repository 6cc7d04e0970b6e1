// The browser page's design: changes, file text, state, calculation and views.
#include "wasm/page_session.h"

#include "analysis/balance_answer.h"
#include "analysis/calculation.h"
#include "cli/cli_json.h"
#include "files/da4_file.h"
#include "files/design_file.h"
#include "files/parts_csv.h"
#include "model/planform.h"
#include "model/text_to_int.h"
#include "views/added_figures_text.h"
#include "views/answer_text.h"
#include "views/dimension_sketch.h"
#include "views/planform_view.h"
#include "views/position_picture.h"
#include "views/result_top_view.h"
#include "views/stability_view.h"
#include "views/summary_page.h"
#include "views/top_view.h"
#include "views/view3d.h"
#include "wasm/command_canvas.h"

namespace kalvesta::wasm {
namespace {

// The window's pictures, in pixels.
constexpr int kSketchWidth = 750;
constexpr int kSketchHeight = 200;
constexpr int kPlanformWidth = 536;
constexpr int kPlanformHeight = 289;
constexpr int kPositionWidth = 172;
constexpr int kPositionHeight = 84;
constexpr int kTopViewWidth = 616;
constexpr int kTopViewHeight = 321;
constexpr int kView3DHeight = 191;

bool IsWing(int wing) {
    return wing >= 1 && wing <= kMaxWings;
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

}  // namespace

PageSession::PageSession() {
    run_.aircraft.wing_count = run_.design.inputs().wing_count;
    Prepare();
}

void PageSession::Prepare() {
    PrepareAircraft(run_.aircraft, run_.design.inputs());
    run_.outcome = PipelineOutcome::kRefused;
    run_.added = {};
    run_.refined.reset();
    mapping_ = TopViewMapping(run_.aircraft, kTopViewWidth, kTopViewHeight);
    run_.data->memo.Reset();
}

void PageSession::SetLanguage(Language language) {
    texts_ = Catalogue(language);
    if (!HasResults()) {
        run_.data->memo.Reset();
    }
}

void PageSession::SetWingCount(int count) {
    if (count >= 1 && count <= kMaxWings) {
        run_.design.SetWingCount(count);
        run_.aircraft.wing_count = count;
        Prepare();
    }
}

void PageSession::SetTrapezoids(int wing, int count) {
    if (IsWing(wing) && count >= 1 && count <= kMaxTrapezoids) {
        run_.design.SetTrapezoids(wing, count);
        Prepare();
    }
}

void PageSession::SetBox(int wing, int box, std::string_view text) {
    if (IsWing(wing) && box >= 0 && box < kWingBoxCount) {
        run_.design.SetWingBox(wing, box, TextToInt32(text));
        Prepare();
    }
}

void PageSession::SetPosition(int wing, bool height, std::string_view text) {
    if (IsWing(wing)) {
        if (height) {
            run_.design.SetPositionZ(wing, TextToInt32(text));
        } else {
            run_.design.SetPositionX(wing, TextToInt32(text));
        }
        Prepare();
    }
}

void PageSession::SetMargin(bool manual, std::string_view text) {
    run_.design.SetManualMargin(manual);
    run_.design.SetMarginText(std::string(text));
    run_.balance_question.manual_margin = manual;
    if (HasResults()) {
        StabilityForMargin(run_.aircraft, run_.design.margin().text, run_.data->results);
        StabiliseAddedFigures(run_.design.margin().text, run_.added);
    }
}

std::string PageSession::SetParts(std::string_view csv) {
    PartsReadResult read = ParsePartsCsv(csv, "parts");
    if (!read.result.ok()) {
        return "{\"ok\":false,\"message\":" + cli::JsonString(FileMessage(read.result, texts_)) +
               "}";
    }
    cli::ReplaceParts(run_.design, read.parts);
    return "{\"ok\":true}";
}

void PageSession::CheckRefined() {
    cli::CheckRefinedLattice(run_);
}

std::string PageSession::Open(std::string_view text, const std::string& name) {
    const auto read_text = [text](const std::string& path) { return ParseDa4File(text, path); };
    const DesignOpening opening = OpenDesignFile(run_.design, name, read_text, NoPartsBeside);
    if (!opening.result.ok()) {
        return "{\"ok\":false,\"message\":" + cli::JsonString(FileMessage(opening.result, texts_)) +
               "}";
    }
    run_.aircraft.current_file_name = name;
    TakeCountsAndPositions(run_.aircraft, run_.design.inputs());
    run_.aircraft.calc_wing_count = run_.aircraft.wing_count;
    Prepare();
    const std::string parts = run_.parts().empty() ? "" : FormatPartsCsv(run_.parts());
    return "{\"ok\":true,\"parts\":" + cli::JsonString(parts) + "}";
}

std::string PageSession::Save() const {
    return DesignFileText(run_.design);
}

std::string PageSession::State() const {
    const AircraftInputs& inputs = run_.design.inputs();
    std::string wings;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        std::string boxes;
        for (int box = 0; box < kWingBoxCount; ++box) {
            boxes += (box == 0 ? "" : ",") + std::to_string(InputAt(inputs.wings[w], box));
        }
        const PlanformLabels labels = FormatPlanformLabels(run_.aircraft, wing);
        wings += std::string(wing == 1 ? "" : ",") +
                 "{\"trapezoids\":" + std::to_string(inputs.trapezoids[w]) + ",\"boxes\":[" +
                 boxes + "],\"x\":" + std::to_string(inputs.wing_x_mm[w]) +
                 ",\"z\":" + std::to_string(inputs.wing_z_mm[w]) +
                 ",\"b\":" + cli::JsonString(labels.b) + ",\"s\":" + cli::JsonString(labels.s) +
                 ",\"lm\":" + cli::JsonString(labels.lm) +
                 ",\"r25\":" + cli::JsonString(labels.r25) +
                 ",\"lam\":" + cli::JsonString(labels.lam) + "}";
    }
    std::string results = "null";
    if (HasResults()) {
        std::string lines;
        std::vector<StabilityLine> shown =
            StabilityLines(run_.data->results, run_.design.margin().manual, texts_);
        // Below them, where to balance the model in a sentence.
        shown.push_back({0, colors::kBlack,
                         PlainAnswerText(PlainBalanceAnswer(
                                             run_.aircraft,
                                             RecommendationResults(run_.added, run_.data->results),
                                             run_.design.margin().manual),
                                         LengthUnit::kMillimetre, texts_)});
        for (const StabilityLine& line : shown) {
            lines += std::string(lines.empty() ? "" : ",") +
                     "{\"text\":" + cli::JsonString(line.text) + ",\"color\":[" +
                     std::to_string(line.color.r) + "," + std::to_string(line.color.g) + "," +
                     std::to_string(line.color.b) + "]}";
        }
        results = "[" + lines + "]";
    }
    const Memo& memo = run_.data->memo;
    return "{\"english\":" + Bool(texts_.language() == Language::kEnglish) +
           ",\"wing_count\":" + std::to_string(inputs.wing_count) + ",\"wings\":[" + wings +
           "],\"manual\":" + Bool(run_.design.margin().manual) +
           ",\"margin\":" + cli::JsonString(run_.design.margin().text) +
           ",\"elevation\":" + std::to_string(controls_.ScrollBar1().Position()) +
           ",\"azimuth\":" + std::to_string(controls_.ScrollBar2().Position()) +
           ",\"memo\":" + (memo.visible ? cli::JsonString(memo.Text(texts_)) : "null") +
           ",\"lines\":" + results + ",\"json\":" + cli::FormatJson(run_) + "}";
}

void PageSession::Calculate(PipelineObserver& observer) {
    run_.refined.reset();
    cli::Analyse(run_, observer);
}

std::string PageSession::Draw(std::string_view view, int wing) const {
    const Aircraft& aircraft = run_.aircraft;
    const int trapezoids =
        IsWing(wing) ? run_.design.inputs().trapezoids[static_cast<size_t>(wing)] : 1;
    ViewMapping mapping = mapping_;
    const auto top_view = [&] {
        CommandCanvas canvas(kTopViewWidth, kTopViewHeight);
        if (HasResults()) {
            DrawResultTopView(canvas, aircraft, run_.data->lattice, run_.data->results, Selection(),
                              run_.design.margin().manual, LengthUnit::kMillimetre, texts_, mapping,
                              run_.fuselage(),
                              &RecommendationResults(run_.added, run_.data->results));
        } else {
            ClearTopView(canvas);
            DrawTopView(canvas, aircraft, Selection(), mapping);
        }
        return canvas;
    };
    const auto view_3d = [&] {
        CommandCanvas canvas(kTopViewWidth, kView3DHeight);
        DrawView3D(canvas, aircraft, Selection(), controls_, mapping);
        return canvas;
    };
    if (view == "sketch" && IsWing(wing)) {
        CommandCanvas canvas(kSketchWidth, kSketchHeight);
        DrawDimensionSketch(canvas, wing, trapezoids, texts_);
        return canvas.Json();
    }
    if (view == "planform" && IsWing(wing)) {
        CommandCanvas canvas(kPlanformWidth, kPlanformHeight);
        DrawPlanform(canvas, aircraft, wing, trapezoids);
        return canvas.Json();
    }
    if (view == "position" && IsWing(wing)) {
        CommandCanvas canvas(kPositionWidth, kPositionHeight);
        DrawPositionPicture(canvas, wing);
        DrawPositionTitle(canvas, wing, texts_);
        return canvas.Json();
    }
    if (view == "top") {
        return top_view().Json();
    }
    if (view == "view3d") {
        return view_3d().Json();
    }
    if (view == "summary" && HasResults()) {
        const CommandCanvas top = top_view();
        const CommandCanvas turned = view_3d();
        CommandCanvas page(kSummaryPageWidth, kSummaryPageHeight);
        const Results& results = run_.data->results;
        DrawSummaryPage(page, aircraft, results, LengthUnit::kMillimetre, top, turned, texts_,
                        AddedFigureSentences(aircraft, results, run_.added, run_.fuselage(),
                                             run_.design.margin().manual, texts_),
                        &RecommendationResults(run_.added, results));
        return page.Json();
    }
    return "null";
}

bool PageSession::View3DPointer(int kind, bool left_held, bool right_held, int x, int y) {
    switch (kind) {
        case 0:
            controls_.MouseDown(x, y);
            return false;
        case 1:
            return controls_.MouseMove(left_held, right_held, x, y, mapping_);
        default:
            controls_.MouseUp(x, y);
            return false;
    }
}

bool PageSession::SetView3DBars(int elevation, int azimuth) {
    const bool elevation_moved = controls_.SetScrollBar1(elevation);
    return controls_.SetScrollBar2(azimuth) || elevation_moved;
}

WingSelection PageSession::Selection() const {
    WingSelection selection;
    selection.wing_count = run_.design.inputs().wing_count;
    selection.trapezoids = run_.design.inputs().trapezoids;
    return selection;
}

}  // namespace kalvesta::wasm
