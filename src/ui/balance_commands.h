// The balance of the model's parts: "Balance…" in the "Edit" menu and its window,
// the parts list opened and saved with the design, and the marks of the parts'
// centre of gravity and of the target on the top view.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "model/parts.h"
#include "ui/balance_window.h"
#include "ui/file_commands.h"
#include "views/stability_view.h"

class QWidget;

namespace kalvesta {

class AircraftTabPage;
struct MainMenus;

class BalanceCommands : public QObject {
    Q_OBJECT

public:
    BalanceCommands(QWidget* window, const MainMenus& menus, const Aircraft& aircraft,
                    const AnalysisData& analysis, AircraftTabPage& aircraft_tab,
                    FileCommands& files);

    void ApplyLanguage(bool english);

private:
    void OnShowWindow();
    // A change in the window: the figures and the top view follow.
    void OnEdited();
    // The window's figures for the parts and the results as they now are.
    void Refresh();
    // The opened design's parts become the list.
    void OnDesignOpened(const std::string& path, const std::vector<Part>& parts);
    // The list as saved with the design.
    void OnDesignSaved();
    // The list for "Save", or why it cannot be saved (a row that breaks the rules).
    PartsToSave PartsForSave() const;
    // The parts' centre of gravity and the target, with valid results and parts.
    std::vector<CentreOfGravityMark> Marks(bool manual_margin) const;
    // The window's table, or the parts of the design while there is no window.
    const TableReading& Reading() const;
    // Whether the list differs from the parts last opened or saved with the design.
    bool PartsChanged() const;

    QWidget* window_;
    const Aircraft& aircraft_;
    const AnalysisData& analysis_;
    AircraftTabPage& aircraft_tab_;
    FileCommands& files_;
    BalanceWindow* balance_window_ = nullptr;  // made when "Balance…" is first chosen
    TableReading opened_;                      // the design's parts while there is no window
    std::vector<Part> kept_parts_;             // as last opened or saved with the design
};

}  // namespace kalvesta
