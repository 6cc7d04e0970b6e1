// The summary page on a QImage through the window's canvas.
#include "summary_fixture.h"

#include "analysis/stability.h"
#include "model/aircraft_inputs.h"
#include "qtcanvas/qt_canvas.h"
#include "views/summary_page.h"

namespace kalvesta {

QImage DrawnSummaryPage(const Catalogue& texts) {
    Aircraft aircraft;
    aircraft.current_file_name = "Unknown.da4";
    const AircraftInputs inputs = DefaultAircraftInputs();
    PrepareForCalculation(aircraft, inputs);
    aircraft.calc_wing_count = aircraft.wing_count;  // as a calculation leaves it

    Results results;
    results.x_np = 300.0;
    results.ref_length = 200.0;
    for (int w = 1; w <= kMaxWings; ++w) {
        results.wing_b[w] = aircraft.wing_b[w];
        results.wing_s[w] = aircraft.wing_s[w];
        results.wing_lm[w] = aircraft.wing_lm[w];
        results.wing_lam[w] = aircraft.wing_lam[w];
        results.wing_x_ac[w] = aircraft.wing_x_mm[w] + 0.25 * aircraft.wing_lm[w];
        results.wing_lift_slope[w] = 4.5;
    }
    ComputeStability(aircraft.calc_wing_count, 7.5, results);

    QImage top_view(600, 305, QImage::Format_RGB32);
    top_view.fill(kTopViewColor);
    QImage view_3d(600, 190, QImage::Format_RGB32);
    view_3d.fill(kView3dColor);
    QImage page(kSummaryPageWidth, kSummaryPageHeight, QImage::Format_RGB32);
    QtCanvas page_canvas(page);
    DrawSummaryPage(page_canvas, aircraft, results, LengthUnit::kMillimetre, QtCanvas(top_view),
                    QtCanvas(view_3d), texts);
    return page;
}

}  // namespace kalvesta
