// "Balance…" in the "Edit" menu and its window over the design's parts: the window
// shows the workbench's balance of the parts after every change in the window's
// language and units, and asks the workbench the target, part and ballast
// questions typed into it.
#pragma once

#include <QObject>

#include "analysis/workbench.h"

class QWidget;

namespace kalvesta {

class BalanceWindow;
class UnitChoice;
class WindowLanguage;
struct MainMenus;

class BalanceCommands : public QObject {
    Q_OBJECT

public:
    BalanceCommands(QWidget* window, const MainMenus& menus, Workbench& bench,
                    const WindowLanguage& language, const UnitChoice& units);
    // Takes its window along.
    ~BalanceCommands() override;

private:
    // The window's captions and figures in the window's language.
    void ApplyLanguage();
    // The window's table and figures in the units chosen.
    void ApplyUnits();
    void OnShowWindow();
    // The window follows a change of the workbench.
    void Follow(const WorkbenchChange& change);
    void ShowBalance();

    QWidget* window_;
    Workbench& bench_;
    const WindowLanguage& language_;
    const UnitChoice& units_;
    BalanceWindow* balance_window_ = nullptr;  // made when "Balance…" is first chosen
};

}  // namespace kalvesta
