// The top view of the aircraft and of its results.
#include "ui/top_view_panel.h"

#include "analysis/stability.h"
#include "ui/image_control.h"
#include "ui/window_language.h"
#include "views/result_top_view.h"
#include "views/stability_view.h"
#include "views/top_view.h"

namespace kalvesta {

TopViewPanel::TopViewPanel(QWidget* page, const Workbench& bench, const WindowLanguage& language,
                           ViewMapping& mapping)
    : QObject(page), bench_(bench), language_(language), mapping_(mapping) {
    picture_ = new ImageControl("Image2", QRect(200, 0, 616, 321), page);
    connect(&language, &WindowLanguage::Changed, this, &TopViewPanel::DrawResults);
}

void TopViewPanel::DrawAircraft() {
    Canvas& canvas = picture_->canvas();
    ClearTopView(canvas);
    DrawTopView(canvas, bench_.aircraft(), SelectionOf(bench_.design().inputs()), mapping_);
    picture_->Refresh();
}

void TopViewPanel::ShowUnit(LengthUnit unit) {
    unit_ = unit;
    DrawResults();
}

void TopViewPanel::DrawResults() {
    const Aircraft& aircraft = bench_.aircraft();
    if (!aircraft.results_valid) {
        return;
    }
    const Results& results = bench_.analysis().results;
    const bool manual_margin = bench_.design().margin().manual;
    Canvas& canvas = picture_->canvas();
    DrawResultTopView(canvas, aircraft, bench_.analysis().lattice, results,
                      SelectionOf(bench_.design().inputs()), manual_margin, unit_,
                      language_.texts(), mapping_, bench_.design().fuselage(),
                      &bench_.recommendation());
    std::vector<CentreOfGravityMark> marks;
    const Balance& balance = bench_.balance();
    if (balance.status == BalanceStatus::kComplete) {
        using Kind = CentreOfGravityMark::Kind;
        marks = {{Kind::kParts, balance.x_cg_mm, balance.static_margin_percent},
                 {Kind::kTarget, balance.target_x_cg_mm, balance.target_margin_percent}};
    }
    if (const std::optional<double>& measured = bench_.measured_cg_mm()) {
        marks.push_back({CentreOfGravityMark::Kind::kMeasured, *measured,
                         StaticMarginPercent(results, *measured)});
    }
    DrawCentreOfGravityMarks(canvas, marks, language_.texts(), mapping_);
    picture_->Refresh();
}

}  // namespace kalvesta
