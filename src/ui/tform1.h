// The main window. It owns the workbench (the open design with the aircraft model,
// the analysis data and the balance computed from it) and composes the parts the
// user sees, each owning its controls: the menus, the file commands with the
// file-name label, undo and redo, the wing-count buttons, the three wing tabs and
// the "Aircraft" tab, and the commands on the results. It owns the window's
// language, which each part follows, and handles what spans parts: start-up, the
// wing count, the tab change, "Calculate" and the language switch.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>

#include "analysis/calculation.h"
#include "analysis/workbench.h"

class QScrollArea;
class QTabWidget;

namespace kalvesta {

class AircraftTabPage;
class BalanceCommands;
class Beeper;
class ComponentTable;
class FileCommands;
class FileDialogs;
class ResultCommands;
class TForm2;
class TForm3;
class UndoCommands;
class WindowLanguage;
class WingCountChoice;
class WingTabPage;
struct MainMenus;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Workbench& workbench() { return workbench_; }
    const Aircraft& aircraft() const { return workbench_.aircraft(); }
    const AnalysisData& analysis() const { return workbench_.analysis(); }
    const WindowLanguage& language() const { return *language_; }
    // The window's controls by component name, built and checked at start.
    const ComponentTable& components() const { return *components_; }

    // The whole-aircraft preparation: the model recomputed from the design, the
    // results invalidated, the aircraft views drawn anew.
    void RecomputeAircraft() { workbench_.Prepare(); }
    // "Calculate": the whole analysis, from the design to the recommended centre
    // of gravity; the window always returns to its idle state afterwards.
    void OnCalculate();
    // What "Open" does with a chosen file (nothing: the dialog was cancelled).
    void OpenFile(const std::optional<QString>& name);

    // The analysis run by "Calculate"; tests replace it to inject failures.
    void SetPipelineRunner(PipelineRunner runner) { run_pipeline_ = std::move(runner); }
    // Replaces the file dialogs (tests answer them without a person).
    void SetFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // Replaces the system's beep that ends a calculation.
    void SetBeeper(std::unique_ptr<Beeper> beeper);

    TForm2* info_window() const { return info_window_.get(); }
    TForm3* printer_window();

protected:
    // After the first paint the icons are made (GiveIcons).
    void paintEvent(QPaintEvent* event) override;
    // Exit and the title bar's close button: a modified design is offered for saving
    // first, and "Cancel" keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    // The window at its designed size where the screen holds it, else as large as
    // the screen allows with the client area scrolling.
    void FitToScreen();
    void Connect();
    // F9, Ctrl+P and F10, which no menu item carries.
    void ConnectKeys();
    // The program icon and the open and save glyphs, given after the first paint.
    void GiveIcons();
    // Start-up: Russian if the language file asks for it, then the prepared
    // start-up design drawn and the sketches.
    void StartUp();

    // The window follows a change of the workbench.
    void Follow(const WorkbenchChange& change);
    // A count that drops a wing first offers a modified design for saving; on
    // "Cancel" the earlier count stays checked.
    void OnWingCountChosen(int count);
    // F9: the "Aircraft" tab, then "Calculate" if it is enabled.
    void OnCalculateKey();
    // Ctrl+P: "Print" when there are results to print.
    void OnPrintKey();
    // The caption with the program's version, the file's name and whether the
    // design is modified.
    void ShowTitle();
    // While no valid result exists, a tab change recomputes the aircraft.
    void OnTabChanged();
    // English <-> Russian, remembered in the language file.
    void OnSwitchLanguage();
    // "Info": the info window in the current language, not blocking this one.
    void OnInfo();
    // The views of the aircraft as the model holds it: the planforms and the
    // "Aircraft" tab's views.
    void ShowPreparedAircraft();
    // The wing count's tabs, position boxes and menu items.
    void ShowWingCount(int count);

    WingTabPage& wing_tab(int wing) const { return *wing_tabs_[static_cast<size_t>(wing)]; }

    WindowLanguage* language_ = nullptr;
    Workbench workbench_;
    PipelineRunner run_pipeline_;
    std::unique_ptr<Beeper> beeper_;
    std::unique_ptr<MainMenus> menus_;
    QScrollArea* client_scroll_ = nullptr;
    QTabWidget* tabs_ = nullptr;  // PageControl1
    PerWing<WingTabPage*> wing_tabs_{};
    AircraftTabPage* aircraft_tab_ = nullptr;
    FileCommands* file_commands_ = nullptr;
    UndoCommands* undo_commands_ = nullptr;
    WingCountChoice* wing_count_choice_ = nullptr;
    ResultCommands* result_commands_ = nullptr;
    BalanceCommands* balance_commands_ = nullptr;
    std::unique_ptr<ComponentTable> components_;
    std::unique_ptr<TForm2> info_window_;
    bool icons_given_ = false;
};

}  // namespace kalvesta
