// The "Aircraft" tab: the position boxes on their pictures, the top view, the
// three-dimensional view, the stability choice and margin, "Calculate" with its
// running label and countdown, "Print", and the message memo. It shows the
// aircraft and the results the model holds, in the window's language; the window
// runs the calculation.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "model/aircraft_inputs.h"
#include "ui/calculation_progress.h"
#include "ui/view3d_panel.h"
#include "views/stability_view.h"
#include "views/view_mapping.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace kalvesta {

class ImageControl;
class TForm3;
class WindowLanguage;

class AircraftTabPage : public QWidget {
    Q_OBJECT

public:
    // TabSheet5, added to `tabs`, with the positions at their defaults.
    AircraftTabPage(Aircraft& aircraft, AnalysisData& analysis, WingSelectionSource selection,
                    const WindowLanguage& language, QTabWidget& tabs);
    ~AircraftTabPage() override;

    // The position boxes through the text-to-integer rule.
    void ReadPositions(AircraftInputs& inputs) const;
    // Puts a description's positions into their boxes, right-aligned in 4
    // characters, without running the handlers.
    void ShowPositions(const AircraftInputs& inputs);
    // The position pictures and boxes of the wings in use.
    void ShowPositionsOf(int wing_count);

    // The views of the whole-aircraft preparation: "Calculate" enabled, the top
    // view and the 3-D view of the model, the position titles, "Print" hidden and
    // the memo reset to its heading and hidden.
    void ShowAircraftViews();
    // The stability recommendation on the stored results, drawn into the top view;
    // nothing without valid results.
    void ShowStability();
    // The stability recommendation with a measured centre of gravity marked and
    // labelled with its margin; the mark stays until the aircraft changes.
    void ShowStabilityWithCentreOfGravity(double x_cg_mm);
    // Where further marks for the results come from, asked at every drawing of them
    // with the margin mode (manual or automatic).
    using MarksSource = std::function<std::vector<CentreOfGravityMark>(bool manual_margin)>;
    void SetMarksSource(MarksSource source) { marks_source_ = std::move(source); }
    // "Manual choice of stability" is chosen.
    bool ManualMargin() const;

    // "Calculate" pressed: the running label instead of the button, the memo
    // cleared and hidden.
    void ShowCalculationRunning();
    // What the calculation's progress is shown on; `show_prepared_aircraft` draws
    // the window's views of the prepared aircraft.
    CalculationProgress Progress(std::function<void()> show_prepared_aircraft);
    // The calculation has ended: the idle state, with the results drawn and
    // "Print" offered when there are results, and the memo as the analysis left it.
    void ShowCalculationEnd(bool has_results);
    // The margin box's text.
    std::string MarginText() const;
    // F9 or Return in a box of the tab: "Calculate", when it is enabled.
    void CalculateIfEnabled();
    // "Print": composes the summary page, then opens the printer window modally.
    void Print();

    // The printer window, made on first use (it reloads everything it shows each
    // time it opens, so when it is made does not matter to the user).
    TForm3* printer_window();

signals:
    void PositionsChanged();
    void CalculateClicked();
    // The top view shows the aircraft or the results anew: the results may have changed.
    void ResultsShown();

private:
    void Build();
    void BuildPositions();
    void BuildResultControls();
    void Connect();
    // The captions, position titles and results in the window's language.
    void ApplyLanguage();
    // The stability choice's captions within their room (in Russian, or at 144 dpi).
    void FitCaptions();
    // The position pictures with their titles.
    void TitlePositionPictures();
    void ShowMemo();
    // The result top view of the stored results, with the margins' lines.
    void DrawResults();
    void OnAutomaticMargin();
    void OnManualMargin();

    Aircraft& aircraft_;
    AnalysisData& analysis_;
    WingSelectionSource selection_;
    const WindowLanguage& language_;
    QTabWidget& tabs_;
    ViewMapping view_mapping_;
    std::optional<double> measured_cg_mm_;
    MarksSource marks_source_;

    QLabel* positioning_caption_ = nullptr;            // Label23
    PerWing<ImageControl*> position_pictures_{};       // Image5, Image55, Image555
    PerWing<QLineEdit*> position_x_boxes_{};           // Edit_x1..Edit_x3
    PerWing<QLineEdit*> position_z_boxes_{};           // Edit_z1..Edit_z3
    ImageControl* top_view_ = nullptr;                 // Image2
    View3DPanel* view3d_ = nullptr;                    // Image3 and its bars
    QRadioButton* automatic_margin_button_ = nullptr;  // RadioButton15
    QRadioButton* manual_margin_button_ = nullptr;     // RadioButton16
    QLabel* margin_caption_ = nullptr;                 // Label22
    QLineEdit* margin_box_ = nullptr;                  // Edit31
    QLabel* margin_unit_ = nullptr;                    // Label21
    QPushButton* calculate_button_ = nullptr;          // Button4
    QLabel* running_label_ = nullptr;                  // Label_w
    QLabel* countdown_label_ = nullptr;                // Label24
    QPushButton* print_button_ = nullptr;              // Button6
    QPlainTextEdit* memo_ = nullptr;                   // Memo1
    ImageControl* summary_page_ = nullptr;             // Image_P, never shown
    std::unique_ptr<TForm3> printer_window_;
};

}  // namespace kalvesta
