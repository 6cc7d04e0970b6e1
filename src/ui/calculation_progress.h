// What the window shows while "Calculate" keeps its thread busy: the views of the
// prepared aircraft, a repaint once the grid is counted, the panel grid on the top view as soon as
// it is laid, and the solve's countdown in Label24.
#pragma once

#include <functional>

#include "analysis/pipeline.h"
#include "ui/countdown_throttle.h"
#include "views/view_mapping.h"

class QLabel;
class QWidget;

namespace kalvesta {

class ImageControl;

class CalculationProgress : public PipelineObserver {
public:
    CalculationProgress(std::function<void()> show_prepared_aircraft, QWidget& window,
                        ImageControl& top_view, QLabel& countdown, const AnalysisData& data,
                        const Aircraft& aircraft, const ViewMapping& mapping);

    void AircraftPrepared() override;
    void GridCounted() override;
    void LatticeReady() override;
    void SolveProgress(int remaining) override;

private:
    std::function<void()> show_prepared_aircraft_;
    QWidget& window_;
    ImageControl& top_view_;
    QLabel& countdown_;
    const AnalysisData& data_;
    const Aircraft& aircraft_;
    const ViewMapping& mapping_;
    CountdownThrottle throttle_;
};

}  // namespace kalvesta
