// The main window: every input, result and view of the aircraft on four tab pages,
// with the menus, tool buttons and dialogs. Handlers read the controls, call the
// core and show what it returns; they compute nothing themselves.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "analysis/calculation.h"
#include "files/da4_format.h"
#include "model/aircraft.h"
#include "model/aircraft_inputs.h"
#include "views/view3d_controls.h"
#include "views/view_mapping.h"
#include "views/wing_selection.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QToolButton;

namespace kalvesta {

class Beeper;
class FileDialogs;
class ImageControl;
class TForm2;
class TForm3;

// Index of each of a wing's fourteen boxes, in the order the planform
// computation reads them.
enum WingBox : int {
    kRootOffsetBox = 0,
    kRootChordBox = 1,
    // trapezoid t = 1..4: span at 3t - 1, chord at 3t, leading edge at 3t + 1
};
inline constexpr int kWingBoxCount = 14;
constexpr int SpanBox(int trapezoid) {
    return 3 * trapezoid - 1;
}
constexpr int ChordBox(int trapezoid) {
    return 3 * trapezoid;
}
constexpr int LeadingEdgeBox(int trapezoid) {
    return 3 * trapezoid + 1;
}

// The controls of one wing tab ("Wing-1", "Wing-2", "Wing-3").
struct WingTab {
    QWidget* page = nullptr;            // TabSheet1 / TabSheet2 / TabSheet3
    QFrame* trapezoid_panel = nullptr;  // Panel2 / Panel3 / Panel4
    std::array<QRadioButton*, kMaxTrapezoids> trapezoid_buttons{};
    std::array<QLineEdit*, kWingBoxCount> boxes{};
    ImageControl* sketch = nullptr;    // Image_W / Image_W2 / Image_W3
    ImageControl* planform = nullptr;  // Image1 / Image11 / Image111
    std::array<QLabel*, 5> descriptions{};
    std::array<QLabel*, 5> values{};  // b, s, lm, r25, lam
};

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    const Aircraft& aircraft() const { return aircraft_; }

    // Calc_W1 / Calc_W2 / Calc_W3: reads the wing's boxes into the model, shows its
    // planform values and draws its planform.
    void Calc_W(int wing);
    // Whole-aircraft preparation: all wings, the positions, the aircraft views.
    void Calc();

    // Wing-count buttons (RadioButton1Click .. RadioButton3Click).
    void WingCountClick(int count);
    // Trapezoid-count buttons of a wing (RadioButton4Click .. RadioButton13Click).
    void TrapezoidCountClick(int wing, int trapezoids);
    void PageControl1Change();

    // Language: english / russian put one column of captions on the window and
    // redraw what is drawn in the language; german1Click flips and remembers it.
    void english();
    void russian();
    void german1Click();
    // "Info": the info window in the current language, not blocking this one.
    void BitBtn1Click();
    TForm2* info_window() const { return info_window_.get(); }

    // "Print": composes the summary page in Image_P, then opens the printer window
    // modally.
    void Button6Click();
    // The printer window, made on first use (it reloads everything it shows each
    // time it opens, so when it is made does not matter to the user).
    TForm3* printer_window();

    // The three-dimensional view (d_3d) with the current controls.
    void Redraw3D();

protected:
    // After the first paint the icons are made (GiveIcons).
    void paintEvent(QPaintEvent* event) override;

public:
    // "Calculate": the whole analysis, from the inputs to the recommended centre
    // of gravity; the window always returns to its idle state afterwards.
    void Button4Click();
    // The stability recommendation on the stored results (nothing without them).
    void STABIL();
    void RadioButton15Click();
    void RadioButton16Click();
    const AnalysisData& analysis() const { return *analysis_; }

    // The analysis run by "Calculate"; tests replace it to inject failures.
    void SetPipelineRunner(PipelineRunner runner) { run_pipeline_ = std::move(runner); }
    // "Open" (Load1Click) and "Save as" / "Save" (Save1Click with ask_for_name
    // true for "Save File as" and "Save as").
    void Load1Click();
    // What "Open" does with a chosen file (nothing: the dialog was cancelled).
    void OpenFile(const std::optional<QString>& name);
    void Save1Click(bool ask_for_name);
    // Replaces the file dialogs (tests answer them without a person).
    void SetFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    // Replaces the system's beep that ends a calculation.
    void SetBeeper(std::unique_ptr<Beeper> beeper);

    // On the results of the last calculation (tform1_extras.cpp): the static margin
    // at a centre of gravity the user types, marked on the top view; the aircraft
    // as an AVL input file; the refined-lattice check in a message box.
    void StaticMarginClick();
    void ExportAvlClick();
    void RefinedCheckClick();

private:
    // Controls, by their component names (found by name with findChild); the wing
    // tabs' controls per wing.
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QLabel* Lab_FName = nullptr;
    QFrame* Panel1 = nullptr;
    std::array<QRadioButton*, kMaxWings + 1> wing_count_buttons{};  // RadioButton1..3
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet5 = nullptr;

    QLabel* Label23 = nullptr;
    PerWing<ImageControl*> position_pictures{};  // Image5, Image55, Image555
    PerWing<QLineEdit*> position_x_boxes{};      // Edit_x1..Edit_x3
    PerWing<QLineEdit*> position_z_boxes{};      // Edit_z1..Edit_z3
    ImageControl* Image2 = nullptr;
    ImageControl* Image3 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;
    QScrollBar* ScrollBar4 = nullptr;
    QRadioButton* RadioButton15 = nullptr;
    QRadioButton* RadioButton16 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* Edit31 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* Button4 = nullptr;
    QLabel* Label_w = nullptr;
    QLabel* Label24 = nullptr;
    QPushButton* Button6 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    ImageControl* Image_P = nullptr;

    QMenu* Open1 = nullptr;
    QAction* Open2 = nullptr;
    QAction* Save2 = nullptr;
    QAction* Save3 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* EEdit1 = nullptr;
    QAction* wing11 = nullptr;
    QAction* wing21 = nullptr;
    QAction* wing31 = nullptr;
    QAction* aircraft1 = nullptr;
    QMenu* Langu1 = nullptr;
    QAction* german1 = nullptr;
    QAction* Info1 = nullptr;

    void BuildWindow();
    void BuildTopStrip(QWidget* client);
    // The program icon and the open and save glyphs, given after the first paint.
    void GiveIcons();
    void BuildMenus();
    void BuildExtraCommands();
    bool HasResultsOrSays();
    void BuildWingTab(int wing);
    void BuildAircraftTab();
    void ConnectHandlers();
    void Create1();
    void ApplyLanguage(bool english_captions);
    void DrawSketch(int wing);
    // The planform values and picture of a wing as the model holds them.
    void ShowPlanform(int wing);
    void TitlePositionPictures();
    void ConnectView3D();
    void ShowMemo();
    // The result top view of the stored results, with the margins' lines.
    void DrawResults();
    void PutLoadedValuesIntoWindow(const Da4Values& values);
    void ConnectFileCommands();
    class CalculationObserver;
    WingSelection SelectedWings() const;

    WingInputs ReadWingInputs(int wing) const;
    AircraftInputs ReadAircraftInputs() const;
    int CheckedTrapezoids(int wing) const;
    int CheckedWingCount() const;
    const WingTab& wing_tab(int wing) const { return wing_tabs_[static_cast<size_t>(wing)]; }
    WingTab& Tab(int wing) { return wing_tabs_[static_cast<size_t>(wing)]; }

    Aircraft aircraft_;
    PerWing<WingTab> wing_tabs_{};
    ViewMapping view_mapping_;
    View3DControls view3d_controls_;
    std::unique_ptr<TForm2> info_window_;
    std::unique_ptr<TForm3> printer_window_;
    std::unique_ptr<AnalysisData> analysis_;
    PipelineRunner run_pipeline_;
    std::unique_ptr<FileDialogs> file_dialogs_;
    std::unique_ptr<Beeper> beeper_;
    bool icons_given_ = false;
};

}  // namespace kalvesta
