// The "Edit" command on the results of the last calculation: the static margin at
// a centre of gravity the user types (marked on the top view). Captions and
// messages follow the window's language (English or Russian).
#pragma once

#include <QObject>

#include "analysis/workbench.h"

class QWidget;

namespace kalvesta {

struct MainMenus;

class ResultCommands : public QObject {
    Q_OBJECT

public:
    ResultCommands(QWidget* window, const MainMenus& menus, Workbench& bench);

private:
    void OnStaticMargin();

    QWidget* window_;
    Workbench& bench_;
};

}  // namespace kalvesta
