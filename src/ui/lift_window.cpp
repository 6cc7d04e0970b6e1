// The lift along the span in a window of its own.
#include "ui/lift_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "analysis/span_loading.h"
#include "ui/image_control.h"
#include "ui/unit_choice.h"
#include "ui/window_language.h"
#include "views/span_loading_plot.h"
#include "words/answer_words.h"

namespace kalvesta {

LiftWindow::LiftWindow(QWidget* owner, const Workbench& bench, const WindowLanguage& language,
                       const UnitChoice& units)
    : QWidget(owner, Qt::Window), bench_(bench), language_(language), units_(units) {
    setObjectName("LiftWindow");
    auto* layout = new QVBoxLayout(this);
    plot_ = new ImageControl("LiftPlot", QRect(0, 0, 640, 480), this);
    plot_->setFixedSize(640, 480);
    state_ = new QLabel(this);
    state_->setObjectName("LiftState");
    layout->addWidget(plot_);
    layout->addWidget(state_);
    const auto redraw = [this] {
        if (isVisible()) {
            Open();
        }
    };
    connect(&language, &WindowLanguage::Changed, this, redraw);
    connect(&units, &UnitChoice::Changed, this, redraw);
}

void LiftWindow::Open() {
    setWindowTitle(language_.Text(TextId::kLiftCaption));
    if (bench_.aircraft().results_valid) {
        Draw();
    }
    ShowState();
    show();
    raise();
    activateWindow();
}

void LiftWindow::Follow(const WorkbenchChange& change) {
    if (!isVisible()) {
        return;
    }
    if (change.calculated && bench_.aircraft().results_valid) {
        Draw();
    }
    ShowState();
}

void LiftWindow::Draw() {
    const Catalogue& texts = language_.texts();
    const AnalysisData& analysis = bench_.analysis();
    const SpanLoading loading = ComputeSpanLoading(bench_.aircraft(), analysis.lattice,
                                                   analysis.solution.circulation, analysis.results);
    const DisplayUnits units{units_.length(), units_.mass()};
    SpanLoadingTexts words;
    words.local_lift = texts.Text(TextId::kLiftLocalLift);
    words.load = texts.Text(TextId::kLiftLoad);
    words.elliptic = texts.Text(TextId::kLiftElliptic);
    words.span_axis = texts.Text(
        TextId::kLiftSpanAxis,
        {{"unit", texts.Text(units_.length() == LengthUnit::kInch ? TextId::kUnitsInch
                                                                  : TextId::kUnitsMillimetre)}});
    for (int wing = 1; wing <= loading.wing_count; ++wing) {
        const auto w = static_cast<size_t>(wing);
        words.notes[w] = texts.Text(TextId::kLiftNote,
                                    {{"wing", std::to_string(wing)},
                                     {"sentence", StallSentence(texts, loading.wings[w], units)}});
    }
    DrawSpanLoading(plot_->canvas(), loading, units_.length(), words);
    plot_->Refresh();
    drawn_ = true;
}

void LiftWindow::ShowState() {
    if (bench_.aircraft().results_valid) {
        state_->clear();
    } else {
        state_->setText(language_.Text(drawn_ ? TextId::kLiftStale : TextId::kLiftNone));
    }
}

}  // namespace kalvesta
