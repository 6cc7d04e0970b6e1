// Edit > "Lift along the span…": a window beside the main one (not blocking it)
// with the lift plot of the last calculation, each surface's local lift
// coefficient and load against the span and where it stalls first. It follows
// every calculation; while the design has changed since, the plot stays with a
// line asking for "Calculate".
#pragma once

#include <QWidget>

#include "analysis/workbench.h"

class QLabel;

namespace kalvesta {

class ImageControl;
class UnitChoice;
class WindowLanguage;

class LiftWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own, closed with `owner`.
    LiftWindow(QWidget* owner, const Workbench& bench, const WindowLanguage& language,
               const UnitChoice& units);

    // Shown and raised, with the plot of the current results.
    void Open();
    // The window follows a change of the workbench while it is open.
    void Follow(const WorkbenchChange& change);

private:
    // The plot of the results, in the window's language and unit.
    void Draw();
    // The line under the plot: nothing with valid results, else what to do.
    void ShowState();

    const Workbench& bench_;
    const WindowLanguage& language_;
    const UnitChoice& units_;
    ImageControl* plot_ = nullptr;  // LiftPlot
    QLabel* state_ = nullptr;       // LiftState
    bool drawn_ = false;            // the plot shows a calculation
};

}  // namespace kalvesta
