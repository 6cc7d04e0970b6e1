// Fuzz target of a loaded ".da4" file: the reader with its sections, "Open"'s
// loading, the whole-aircraft preparation, every view of the aircraft, the analysis,
// the figures beside it (with a fuselage) and the result views. Every number the
// views draw from must be finite, and every drawing sound
// (RecordingCanvas::DrawingFault).
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "analysis/added_figures.h"
#include "analysis/grid.h"
#include "analysis/pipeline.h"
#include "analysis/stability.h"
#include "files/da4_file.h"
#include "files/da4_format.h"
#include "files/da4_text_reader.h"
#include "files/fuselage_csv.h"
#include "files/parts_csv.h"
#include "fuzz_entries.h"
#include "model/text_to_double.h"
#include "support/sound_views.h"
#include "views/grid_view.h"
#include "views/result_top_view.h"
#include "views/summary_page.h"
#include "views/view3d.h"

namespace kalvesta::fuzz {
namespace {

// Above this many panels the solve alone takes seconds under the sanitizers;
// such aircraft are gridded, laid and drawn but not solved, so that the fuzzer
// spends its time on shapes rather than on one long elimination.
constexpr int kSolvedPanelLimit = 500;
// The figures beside the calculation take up to three more solves (the caution's two
// and the carried-through one): only the smaller lattices' are worked out, so that
// they do not cut the inputs tried in a minute to a third.
constexpr int kAddedFiguresPanelLimit = 200;

std::string DrawingFault(const RecordingCanvas& canvas, const std::string& view) {
    const std::string fault = canvas.DrawingFault();
    return fault.empty() ? fault : view + ": " + fault;
}

std::string PlanformFault(const Aircraft& aircraft) {
    for (size_t w = 1; w <= kMaxWings; ++w) {
        for (const double value : {aircraft.wing_b[w], aircraft.wing_s[w], aircraft.wing_lm[w],
                                   aircraft.wing_r25[w], aircraft.wing_lam[w]}) {
            if (!std::isfinite(value)) {
                return "planform value of wing " + std::to_string(w) + " is not finite";
            }
        }
        for (size_t k = 0; k < kMaxStations; ++k) {
            if (!std::isfinite(aircraft.plan_x[k][w]) || !std::isfinite(aircraft.plan_y[k][w]) ||
                !std::isfinite(aircraft.plan_c[k][w])) {
                return "planform table of wing " + std::to_string(w) + " is not finite";
            }
        }
    }
    return {};
}

std::string LatticeFault(const Lattice& lattice, int wings) {
    for (size_t w = 1; w <= static_cast<size_t>(wings); ++w) {
        const auto strips = static_cast<size_t>(lattice.span_count[w]);
        const auto lines = static_cast<size_t>(lattice.chord_count[w]) + 1;
        for (size_t k = 1; k <= strips; ++k) {
            if (!std::isfinite(lattice.grid_y1[k][w]) || !std::isfinite(lattice.grid_y2[k][w]) ||
                !std::isfinite(lattice.control_y[k][w]) ||
                !std::isfinite(lattice.strip_chord[k][w])) {
                return "strip geometry is not finite";
            }
            for (size_t m = 1; m <= lines; ++m) {
                if (!std::isfinite(lattice.grid_x1[m][k][w]) ||
                    !std::isfinite(lattice.grid_x2[m][k][w])) {
                    return "panel geometry is not finite";
                }
            }
        }
    }
    return {};
}

std::string ResultsFault(const Results& results) {
    for (size_t w = 1; w <= kMaxWings; ++w) {
        if (!std::isfinite(results.wing_lift_slope[w]) || !std::isfinite(results.wing_x_ac[w])) {
            return "lift slope or aerodynamic centre is not finite";
        }
    }
    for (const double value : {results.ref_area, results.ref_length, results.x_np, results.x_cg_low,
                               results.x_cg_high, results.x_cg_manual}) {
        if (!std::isfinite(value)) {
            return "reference value or recommendation is not finite";
        }
    }
    return {};
}

// The calculation's analysis data, and the one beside it; allocated once, like the
// window's.
AnalysisData& SharedAnalysisData(int which) {
    static const std::unique_ptr<AnalysisData> data[2] = {std::make_unique<AnalysisData>(),
                                                          std::make_unique<AnalysisData>()};
    return *data[which];
}

// The file's own fuselage, else one along Wing-1's root chord c, from 2 c ahead of it
// to 4 c behind, as wide as its root gap or a tenth of c; none where that outline is
// not usable.
Fuselage FuselageOf(const Aircraft& aircraft, const Da4Sections& sections) {
    if (sections.fuselage && sections.fuselage->Described()) {
        return *sections.fuselage;
    }
    const double x = aircraft.plan_x[0][1];
    const double c = aircraft.plan_c[0][1];
    const double width = std::max(2.0 * aircraft.plan_y[0][1], c / 10.0);
    Fuselage fuselage{{{x - 2.0 * c, width / 2.0}, {x, width}, {x + 4.0 * c, width / 4.0}}};
    return CheckOutline(fuselage).problem == OutlineProblem::kNone ? fuselage : Fuselage{};
}

// The figures beside a calculation with results, and its result view with the
// fuselage: finite wherever they exist, and the drawing sound.
std::string AddedFiguresFault(const Aircraft& aircraft, AnalysisData& data,
                              const WingSelection& drawn, ViewMapping mapping,
                              const Da4Sections& sections) {
    const Fuselage fuselage = FuselageOf(aircraft, sections);
    const AddedFigures added = ComputeAddedFigures(aircraft, data, fuselage, SharedAnalysisData(1));
    const LatticeCaution& caution = *added.caution;
    if ((caution.measured && !std::isfinite(caution.x_np)) ||
        (added.carried_through && HasResults(added.carried_through->outcome) &&
         !std::isfinite(added.carried_through->results.x_np)) ||
        (added.fuselage && (!std::isfinite(added.fuselage->cm_alpha) ||
                            !std::isfinite(added.fuselage->results.x_np)))) {
        return "a figure beside the calculation's is not finite";
    }
    RecordingCanvas view(616, 321);
    DrawResultTopView(view, aircraft, data.lattice, data.results, drawn, false,
                      LengthUnit::kMillimetre, Catalogue(), mapping, fuselage);
    return DrawingFault(view, "result view with a fuselage");
}

// The reader must not depend on how the file arrives: in one piece or in chunks
// of 1 to 8 bytes, as the first byte chooses.
std::string ReaderFault(std::string_view bytes, const Da4Values& whole) {
    const size_t chunk = bytes.empty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 8;
    Da4TextReader reader;
    for (size_t at = 0; at < bytes.size() && reader.Feed(bytes.substr(at, chunk)); at += chunk) {
    }
    return reader.Finish() == whole ? std::string() : "chunked reading gives other values";
}

// The sections too, in one piece or in chunks; sections read are written and read
// back unchanged.
std::string SectionsFault(std::string_view bytes) {
    const Da4ReadResult whole = ParseDa4File(bytes, "fuzz.da4");
    const size_t chunk = bytes.empty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 8;
    Da4FileReader reader;
    for (size_t at = 0; at < bytes.size() && reader.Feed(bytes.substr(at, chunk)); at += chunk) {
    }
    const Da4ReadResult chunked = reader.Finish("fuzz.da4");
    if (FileMessage(chunked.result, Catalogue()) != FileMessage(whole.result, Catalogue()) ||
        chunked.sections != whole.sections || chunked.values != whole.values) {
        return "chunked reading gives other sections";
    }
    // A heading, one row and its fields, the parts and the fuselage: nothing grows
    // with the file.
    const size_t kept_bytes = (whole.sections.parts ? BytesOf(*whole.sections.parts) : 0) +
                              (whole.sections.fuselage ? BytesOf(*whole.sections.fuselage) : 0);
    if (reader.peak_bytes_kept() > 256 + 2 * kMaxCsvRowBytes + kept_bytes) {
        return "reading kept " + std::to_string(reader.peak_bytes_kept()) + " bytes";
    }
    if (!whole.result.ok()) {
        return whole.sections != Da4Sections{} ? "a refused file leaves sections behind" : "";
    }
    const Da4ReadResult again =
        ParseDa4File(FormatDa4File(whole.values, whole.sections), "again.da4");
    return again.result.ok() && again.sections == whole.sections
               ? std::string()
               : "written sections read back differently";
}

}  // namespace

std::string Da4AnalysisTarget(std::string_view file_bytes) {
    const Da4Values values = ParseDa4Text(file_bytes);
    if (std::string fault = ReaderFault(file_bytes, values) + SectionsFault(file_bytes);
        !fault.empty()) {
        return fault;
    }

    // "Open" on the start-up window, then the calculation's own preparation.
    const AircraftInputs inputs = ApplyDa4Values(values, DefaultAircraftInputs());
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    if (std::string fault = PlanformFault(aircraft); !fault.empty()) {
        return fault;
    }

    // Saving what was loaded writes a file that reads back to the same values.
    TakeCountsForSave(aircraft, inputs);
    const Da4Values saved = AssembleDa4Values(aircraft);
    if (ParseDa4Text(FormatDa4Text(saved)) != saved) {
        return "a saved file reads back differently";
    }

    const WingSelection drawn = SelectionOf(inputs);
    testing_support::AircraftViews views = testing_support::DrawAircraftViews(aircraft, drawn);
    ViewMapping& mapping = views.mapping;
    for (const View3DPoint& point : View3DPointsOf(aircraft, mapping.view3d_scale)) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z)) {
            return "a point of the 3-D view is not finite";
        }
    }
    if (!std::isfinite(mapping.top_view_scale) || !std::isfinite(mapping.view3d_scale)) {
        return "view scale is not finite";
    }
    if (!views.fault.empty()) {
        return views.fault;
    }

    // "Calculate", its surfaces the wing count's, as the pipeline takes them.
    aircraft.calc_wing_count = aircraft.wing_count;
    AnalysisData& data = SharedAnalysisData(0);
    data.memo.Reset();
    GRID(aircraft, data.lattice, data.memo);
    const bool solvable = data.lattice.panel_count <= kSolvedPanelLimit;
    data.memo.Reset();
    PipelineObserver quiet;
    PipelineOutcome outcome = PipelineOutcome::kRefused;
    if (solvable) {
        outcome = RunPipeline(aircraft, data, quiet);
    } else {
        data.memo.calc_failed = false;
        GRID(aircraft, data.lattice, data.memo);
        if (!data.memo.calc_failed) {
            TRAWY2(aircraft, data.lattice, data.trim_matrix, data.memo);
        }
    }
    if (std::string fault = LatticeFault(data.lattice, aircraft.calc_wing_count); !fault.empty()) {
        return fault;
    }
    if (!solvable) {
        if (data.memo.calc_failed) {
            return {};  // the window draws no grid that failed to be laid
        }
        RecordingCanvas grid(views.top_view.Width(), views.top_view.Height());
        DrawGrid(grid, data.lattice, aircraft.calc_wing_count, mapping);
        return DrawingFault(grid, "grid");
    }
    if (!HasResults(outcome)) {
        if (!data.memo.calc_failed || !data.memo.visible || data.memo.line_count() < 2 ||
            aircraft.results_valid) {
            return "a stopped calculation does not say why in the memo";
        }
        return {};
    }

    if (data.lattice.panel_count <= kAddedFiguresPanelLimit) {
        const Da4Sections sections = ParseDa4File(file_bytes, "fuzz.da4").sections;
        if (std::string fault = AddedFiguresFault(aircraft, data, drawn, mapping, sections);
            !fault.empty()) {
            return fault;
        }
    }
    for (const bool manual : {false, true}) {
        Results& results = data.results;
        ComputeStability(aircraft.calc_wing_count, TextToDouble("7.5"), results);
        if (std::string fault = ResultsFault(results); !fault.empty()) {
            return fault;
        }
        RecordingCanvas result_view(views.top_view.Width(), views.top_view.Height());
        DrawResultTopView(result_view, aircraft, data.lattice, results, drawn, manual,
                          manual ? LengthUnit::kInch : LengthUnit::kMillimetre, Catalogue(),
                          mapping);
        RecordingCanvas page(kSummaryPageWidth, kSummaryPageHeight);
        DrawSummaryPage(page, aircraft, results,
                        manual ? LengthUnit::kInch : LengthUnit::kMillimetre, result_view,
                        views.view_3d, Catalogue());
        if (std::string fault =
                DrawingFault(result_view, "result view") + DrawingFault(page, "summary page");
            !fault.empty()) {
            return fault;
        }
    }
    return testing_support::ResultDrawingsFault(aircraft, data);
}

}  // namespace kalvesta::fuzz
