// The "Aircraft" tab: its parts and what each shows after a change.
#include "ui/aircraft_tab_page.h"

#include <QLabel>
#include <QTabWidget>

#include "ui/added_results_panel.h"
#include "ui/calculation_panel.h"
#include "ui/image_control.h"
#include "ui/margin_choice.h"
#include "ui/positions_panel.h"
#include "ui/print_command.h"
#include "ui/top_view_panel.h"
#include "ui/view3d_panel.h"
#include "ui/window_language.h"

namespace kalvesta {

AircraftTabPage::AircraftTabPage(Workbench& bench, const WindowLanguage& language, QTabWidget& tabs)
    : bench_(bench), language_(language), tabs_(tabs) {
    setObjectName("TabSheet5");
    // On its tab before anything is laid out on it: the controls take the size of
    // their captions in the window's font.
    tabs.addTab(this, language.Text(TextId::kAircraftTabStartCaption));
    Design& design = bench.design();
    positions_ = new PositionsPanel(this, design, language);
    top_view_ = new TopViewPanel(this, bench, language, view_mapping_);
    view3d_ = new View3DPanel(this, bench, language, view_mapping_);
    margin_ = new MarginChoicePanel(this, design, language);
    calculation_ = new CalculationPanel(this, bench, language);
    print_ = new PrintCommand(this, bench, language);
    calculation_->BuildMemo(this);
    print_->BuildPage(this);
    added_results_ = new AddedResultsPanel(this, top_view_->picture(), bench, language);
    margin_->FitCaptions(top_view_->picture().x());

    connect(positions_, &PositionsPanel::CalculateAsked, this,
            &AircraftTabPage::CalculateIfEnabled);
    connect(margin_, &MarginChoicePanel::CalculateAsked, this,
            &AircraftTabPage::CalculateIfEnabled);
    connect(calculation_, &CalculationPanel::CalculateClicked, this,
            &AircraftTabPage::CalculateClicked);
    connect(print_, &PrintCommand::PrintClicked, this, &AircraftTabPage::Print);
    connect(&language, &WindowLanguage::Changed, this, [this] {
        tabs_.setTabText(tabs_.indexOf(this), language_.Text(TextId::kAircraftTabCaption));
    });
}

AircraftTabPage::~AircraftTabPage() = default;

void AircraftTabPage::Follow(const WorkbenchChange& change) {
    const DesignChange& design = change.design;
    if (design.positions || design.replaced) {
        positions_->ShowPositions(design);
    }
    if (design.margin) {
        margin_->ShowChoice();
    }
    if (change.prepared) {
        ShowAircraftViews();
    } else if (change.restabilised || (change.balance && !change.calculated)) {
        top_view_->DrawResults();
    }
    added_results_->Show();
}

void AircraftTabPage::ShowAircraftViews() {
    calculation_->ShowPrepared();
    top_view_->DrawAircraft();
    view3d_->Redraw();
    positions_->TitlePictures();
    print_->ShowButton(false);
}

void AircraftTabPage::ShowUnits(LengthUnit unit) {
    positions_->ShowUnit(unit);
    top_view_->ShowUnit(unit);
    print_->ShowUnit(unit);
}

void AircraftTabPage::ShowWingCount(int wing_count) {
    positions_->ShowWingCount(wing_count);
}

void AircraftTabPage::ShowCalculationRunning() {
    calculation_->ShowRunning();
}

CalculationProgress AircraftTabPage::Progress(std::function<void()> show_prepared_aircraft) {
    return calculation_->Progress(std::move(show_prepared_aircraft), top_view_->picture(),
                                  view_mapping_);
}

void AircraftTabPage::ShowCalculationEnd(bool has_results) {
    if (has_results) {
        top_view_->DrawResults();
        print_->ShowButton(true);
    }
    // Placed where the drawing of the results leaves room.
    added_results_->Show();
    calculation_->ShowEnded();
}

void AircraftTabPage::CalculateIfEnabled() {
    calculation_->CalculateIfEnabled();
}

void AircraftTabPage::Print() {
    print_->Print(top_view_->picture(), view3d_->picture());
}

TForm3* AircraftTabPage::printer_window() {
    return print_->printer_window();
}

}  // namespace kalvesta
