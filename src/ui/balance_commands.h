// The balance of the model's parts: "Balance…" in the "Edit" menu and its window,
// the parts list opened and saved beside the design, and the marks of the parts'
// centre of gravity and of the target on the top view.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "model/parts.h"
#include "ui/balance_window.h"
#include "views/stability_view.h"

class QWidget;

namespace kalvesta {

class AircraftTabPage;
class FileCommands;
class WindowLanguage;
struct MainMenus;

class BalanceCommands : public QObject {
    Q_OBJECT

public:
    BalanceCommands(QWidget* window, const MainMenus& menus, const Aircraft& aircraft,
                    const AnalysisData& analysis, const WindowLanguage& language,
                    AircraftTabPage& aircraft_tab, FileCommands& files);

private:
    // The window's captions and figures in the window's language.
    void ApplyLanguage();
    void OnShowWindow();
    // A change in the window: the figures and the top view follow.
    void OnEdited();
    // The window's figures for the parts and the results as they now are.
    void Refresh();
    // The design's parts file, read when there is one; without one the list is empty.
    void OnDesignOpened(const std::string& path);
    // The parts beside the saved design, when there are any or they came from there.
    void OnDesignSaved(const std::string& path);
    // The parts' centre of gravity and the target, with valid results and parts.
    std::vector<CentreOfGravityMark> Marks(bool manual_margin) const;
    // The window's table, or the parts of the design while there is no window.
    const TableReading& Reading() const;
    // Whether the list differs from the parts last read or written beside the design.
    bool PartsChanged() const;

    QWidget* window_;
    const Aircraft& aircraft_;
    const AnalysisData& analysis_;
    const WindowLanguage& language_;
    AircraftTabPage& aircraft_tab_;
    FileCommands& files_;
    BalanceWindow* balance_window_ = nullptr;  // made when "Balance…" is first chosen
    TableReading opened_;                      // the design's parts while there is no window
    // The parts file the list was read from or last written to: an emptied list is
    // written only there, never over a parts file this window has not read.
    std::string parts_path_;
    std::vector<Part> kept_parts_;  // as last read from or written to the parts file
};

}  // namespace kalvesta
