// The "Aircraft" tab (TabSheet5), composed of what the user sees on it: the wings'
// positions, the top view, the three-dimensional view, the stability choice,
// "Calculate" with its progress and memo, and "Print". It follows the workbench:
// a preparation shows the aircraft anew, a change of the margin, the parts or a
// measured centre of gravity redraws the results; the window runs the calculation.
// Each part takes its captions and texts from the window's language.
#pragma once

#include <QWidget>
#include <functional>

#include "analysis/workbench.h"
#include "ui/calculation_progress.h"
#include "views/view_mapping.h"

class QTabWidget;

namespace kalvesta {

class AddedResultsPanel;
class CalculationPanel;
class MarginChoicePanel;
class PositionsPanel;
class PrintCommand;
class TForm3;
class TopViewPanel;
class View3DPanel;
class WindowLanguage;

class AircraftTabPage : public QWidget {
    Q_OBJECT

public:
    // TabSheet5, added to `tabs`, showing the workbench's design.
    AircraftTabPage(Workbench& bench, const WindowLanguage& language, QTabWidget& tabs);
    ~AircraftTabPage() override;

    // The page follows a change of the workbench.
    void Follow(const WorkbenchChange& change);
    // The views of the prepared aircraft: "Calculate" enabled, the top view and the
    // 3-D view of the model, the position titles, "Print" hidden, the memo as the
    // preparation left it.
    void ShowAircraftViews();
    // The position boxes in the length unit chosen.
    void ShowUnits(LengthUnit unit);
    // The position pictures and boxes of the wings in use.
    void ShowWingCount(int wing_count);

    // "Calculate" pressed: the running label instead of the button.
    void ShowCalculationRunning();
    // What the calculation's progress is shown on; `show_prepared_aircraft` draws
    // the window's views of the prepared aircraft.
    CalculationProgress Progress(std::function<void()> show_prepared_aircraft);
    // The calculation has ended: the idle state, with the results drawn and "Print"
    // offered when there are results.
    void ShowCalculationEnd(bool has_results);
    // F9 or Return in a box of the tab: "Calculate", when it is enabled.
    void CalculateIfEnabled();
    // "Print": composes the summary page, then opens the printer window modally.
    void Print();
    TForm3* printer_window();

signals:
    void CalculateClicked();

private:
    Workbench& bench_;
    const WindowLanguage& language_;
    QTabWidget& tabs_;
    ViewMapping view_mapping_;
    PositionsPanel* positions_ = nullptr;
    TopViewPanel* top_view_ = nullptr;
    View3DPanel* view3d_ = nullptr;
    MarginChoicePanel* margin_ = nullptr;
    CalculationPanel* calculation_ = nullptr;
    PrintCommand* print_ = nullptr;
    AddedResultsPanel* added_results_ = nullptr;
};

}  // namespace kalvesta
