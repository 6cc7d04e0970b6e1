// What the window shows while "Calculate" keeps its thread busy: a repaint once
// the grid is counted, the panel grid on the top view as soon as it is laid, and
// the solve's countdown in Label24.
#pragma once

#include "analysis/pipeline.h"
#include "ui/countdown_throttle.h"
#include "views/view_mapping.h"

class QLabel;
class QWidget;

namespace kalvesta {

class ImageControl;

class CalculationProgress : public PipelineObserver {
public:
    CalculationProgress(QWidget& window, ImageControl& top_view, QLabel& countdown,
                        const AnalysisData& data, const Aircraft& aircraft,
                        const ViewMapping& mapping);

    void GridCounted() override;
    void LatticeReady() override;
    void SolveProgress(int remaining) override;

private:
    QWidget& window_;
    ImageControl& top_view_;
    QLabel& countdown_;
    const AnalysisData& data_;
    const Aircraft& aircraft_;
    const ViewMapping& mapping_;
    CountdownThrottle throttle_;
};

}  // namespace kalvesta
