// The calculation's progress on the "Aircraft" tab.
#include "ui/calculation_progress.h"

#include <QLabel>

#include "ui/image_control.h"
#include "views/grid_view.h"

namespace kalvesta {

CalculationProgress::CalculationProgress(std::function<void()> show_prepared_aircraft,
                                         QWidget& window, ImageControl& top_view, QLabel& countdown,
                                         const AnalysisData& data, const Aircraft& aircraft,
                                         const ViewMapping& mapping)
    : show_prepared_aircraft_(std::move(show_prepared_aircraft)),
      window_(window),
      top_view_(top_view),
      countdown_(countdown),
      data_(data),
      aircraft_(aircraft),
      mapping_(mapping) {}

void CalculationProgress::AircraftPrepared() {
    show_prepared_aircraft_();
    window_.repaint();
}

void CalculationProgress::GridCounted() {
    window_.repaint();
}

void CalculationProgress::LatticeReady() {
    DrawGrid(top_view_.canvas(), data_.lattice, aircraft_.calc_wing_count, mapping_);
    top_view_.repaint();
}

void CalculationProgress::SolveProgress(int remaining) {
    if (!throttle_.Due(remaining, CountdownThrottle::Clock::now())) {
        return;
    }
    // Only the count changes, so only the label is repainted.
    countdown_.setText(QString::number(remaining));
    countdown_.show();
    countdown_.repaint();
}

}  // namespace kalvesta
