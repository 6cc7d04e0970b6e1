// Draws the window's pictures on recording canvases and collects their faults.
#include "support/sound_views.h"

#include "support/recording_canvas.h"
#include "views/planform_view.h"
#include "views/result_top_view.h"
#include "views/top_view.h"
#include "views/view3d.h"

namespace kalvesta::testing_support {
namespace {

// Picture sizes in pixels, as the window lays them out.
constexpr int kPlanformWidth = 536;
constexpr int kPlanformHeight = 289;
constexpr int kTopViewWidth = 616;
constexpr int kTopViewHeight = 321;
constexpr int kView3DHeight = 191;

void AddFault(std::string& faults, const RecordingCanvas& canvas, const std::string& picture) {
    const std::string fault = canvas.DrawingFault();
    if (!fault.empty()) {
        faults += picture + ": " + fault + "\n";
    }
}

}  // namespace

std::string SoundViewsFault(const Aircraft& aircraft, const WingSelection& drawn,
                            const AnalysisData* analysis) {
    std::string faults;
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        RecordingCanvas planform(kPlanformWidth, kPlanformHeight);
        DrawPlanform(planform, aircraft, wing, drawn.trapezoids[static_cast<size_t>(wing)]);
        AddFault(faults, planform, "planform of wing " + std::to_string(wing));
    }
    ViewMapping mapping;
    RecordingCanvas top_view(kTopViewWidth, kTopViewHeight);
    DrawTopView(top_view, aircraft, drawn, mapping);
    AddFault(faults, top_view, "top view");
    RecordingCanvas view_3d(kTopViewWidth, kView3DHeight);
    DrawView3D(view_3d, aircraft, drawn, View3DControls{}, mapping);
    AddFault(faults, view_3d, "3-D view");
    if (analysis != nullptr) {
        RecordingCanvas result_view(kTopViewWidth, kTopViewHeight);
        DrawResultTopView(result_view, aircraft, analysis->lattice, analysis->results, drawn, false,
                          mapping);
        AddFault(faults, result_view, "result view");
    }
    return faults;
}

}  // namespace kalvesta::testing_support
