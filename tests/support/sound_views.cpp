// Draws the window's pictures on recording canvases and collects their faults.
#include "support/sound_views.h"

#include "analysis/span_loading.h"
#include "views/balance_template.h"
#include "views/planform_view.h"
#include "views/result_top_view.h"
#include "views/span_loading_plot.h"
#include "views/top_view.h"
#include "views/view3d.h"

namespace kalvesta::testing_support {
namespace {

// The planforms' size in pixels, as the window lays them out.
constexpr int kPlanformWidth = 536;
constexpr int kPlanformHeight = 289;

void AddFault(std::string& faults, const RecordingCanvas& canvas, const std::string& picture) {
    const std::string fault = canvas.DrawingFault();
    if (!fault.empty()) {
        faults += picture + ": " + fault + "\n";
    }
}

}  // namespace

AircraftViews DrawAircraftViews(const Aircraft& aircraft, const WingSelection& drawn) {
    AircraftViews views;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        RecordingCanvas planform(kPlanformWidth, kPlanformHeight);
        DrawPlanform(planform, aircraft, wing, drawn.trapezoids[static_cast<size_t>(wing)]);
        AddFault(views.fault, planform, "planform of wing " + std::to_string(wing));
    }
    ClearTopView(views.top_view);
    DrawTopView(views.top_view, aircraft, drawn, views.mapping);
    AddFault(views.fault, views.top_view, "top view");
    DrawView3D(views.view_3d, aircraft, drawn, View3DControls{}, views.mapping);
    AddFault(views.fault, views.view_3d, "3-D view");
    return views;
}

std::string ResultDrawingsFault(const Aircraft& aircraft, const AnalysisData& analysis) {
    std::string fault;
    RecordingCanvas plot(640, 480);
    DrawSpanLoading(plot,
                    ComputeSpanLoading(aircraft, analysis.lattice, analysis.solution.circulation,
                                       analysis.results),
                    LengthUnit::kMillimetre, SpanLoadingTexts{});
    AddFault(fault, plot, "lift along the span");
    const BalanceTemplateLayout layout =
        LayOutBalanceTemplate(aircraft, TemplateRequestFor(analysis.results, false, std::nullopt,
                                                           LengthUnit::kMillimetre, kA4Paper, 0));
    for (size_t sheet = 0; sheet < layout.sheets.size(); ++sheet) {
        RecordingCanvas page(2100, 2970);
        DrawBalanceTemplateSheet(page, layout, sheet, BalanceTemplateTexts{});
        AddFault(fault, page, "balance template sheet " + std::to_string(sheet + 1));
    }
    return fault;
}

std::string SoundViewsFault(const Aircraft& aircraft, const WingSelection& drawn,
                            const AnalysisData* analysis) {
    AircraftViews views = DrawAircraftViews(aircraft, drawn);
    if (analysis != nullptr) {
        RecordingCanvas result_view(views.top_view.Width(), views.top_view.Height());
        DrawResultTopView(result_view, aircraft, analysis->lattice, analysis->results, drawn, false,
                          LengthUnit::kMillimetre, Catalogue(), views.mapping);
        AddFault(views.fault, result_view, "result view");
        views.fault += ResultDrawingsFault(aircraft, *analysis);
    }
    return views.fault;
}

}  // namespace kalvesta::testing_support
