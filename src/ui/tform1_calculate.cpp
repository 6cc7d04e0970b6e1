// "Calculate" and the stability recommendation on the main window: the driver
// runs the core pipeline and shows its progress, messages and results.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <exception>

#include "ui/beeper.h"
#include "ui/countdown_throttle.h"
#include "ui/image_control.h"
#include "ui/tform1.h"
#include "views/grid_view.h"
#include "views/result_top_view.h"

namespace kalvesta {

// Shows the pipeline's progress while the user-interface thread is busy: the grid
// as soon as it is laid, and the solve's countdown in Label24.
class TForm1::CalculationObserver : public PipelineObserver {
public:
    explicit CalculationObserver(TForm1& form) : form_(form) {}

    void GridCounted() override { form_.repaint(); }

    void LatticeReady() override {
        DrawGrid(form_.Image2->canvas(), form_.analysis_->lattice, form_.aircraft_.calc_wing_count,
                 form_.view_mapping_);
        form_.Image2->repaint();
    }

    void SolveProgress(int remaining) override {
        if (!countdown_.Due(remaining, CountdownThrottle::Clock::now())) {
            return;
        }
        // Only the count changes, so only the label is repainted.
        form_.Label24->setText(QString::number(remaining));
        form_.Label24->show();
        form_.Label24->repaint();
    }

private:
    TForm1& form_;
    CountdownThrottle countdown_;
};

void TForm1::Button4Click() {
    Label_w->show();
    Button4->hide();
    Memo1->clear();
    Memo1->hide();
    Calc();
    repaint();

    CalculationObserver observer(*this);
    bool has_results = false;
    try {
        has_results = HasResults(Calculate(ReadAircraftInputs(), Edit31->text().toStdString(),
                                           aircraft_, *analysis_, observer, run_pipeline_));
    } catch (const std::exception& failure) {
        // Whatever went wrong, the user reads it and the window goes back to idle.
        analysis_->memo.ReportFailure(
            aircraft_.english_captions ? "Calculation failed:" : "Berechnung fehlgeschlagen:",
            failure.what());
        aircraft_.results_valid = false;
    }
    aircraft_.calc_wing_count = aircraft_.wing_count;
    Label24->hide();
    if (has_results) {
        DrawResults();
        Button6->show();
    }
    ShowMemo();
    Label_w->hide();
    Button4->show();
    Button4->setEnabled(false);
    beeper_->Beep();
}

void TForm1::SetBeeper(std::unique_ptr<Beeper> beeper) {
    beeper_ = std::move(beeper);
}

void TForm1::STABIL() {
    if (!aircraft_.results_valid) {
        return;
    }
    StabilityForMargin(aircraft_, Edit31->text().toStdString(), analysis_->results);
    DrawResults();
}

void TForm1::DrawResults() {
    DrawResultTopView(Image2->canvas(), aircraft_, analysis_->lattice, analysis_->results,
                      SelectedWings(), RadioButton16->isChecked(), view_mapping_);
    Image2->Refresh();
}

void TForm1::RadioButton15Click() {
    Label21->hide();
    Label22->hide();
    Edit31->hide();
    STABIL();
}

void TForm1::RadioButton16Click() {
    Label21->show();
    Label22->show();
    Edit31->show();
    STABIL();
}

}  // namespace kalvesta
