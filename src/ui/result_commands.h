// The "Edit" command on the results of the last calculation: the static margin at
// a centre of gravity the user types (marked on the top view). Captions and
// messages follow the window's language.
#pragma once

#include <QObject>

#include "analysis/workbench.h"

class QWidget;

namespace kalvesta {

class WindowLanguage;
struct MainMenus;

class ResultCommands : public QObject {
    Q_OBJECT

public:
    ResultCommands(QWidget* window, const MainMenus& menus, Workbench& bench,
                   const WindowLanguage& language);

private:
    void OnStaticMargin();

    QWidget* window_;
    Workbench& bench_;
    const WindowLanguage& language_;
};

}  // namespace kalvesta
