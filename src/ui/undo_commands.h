// Edit > Undo and Redo over the whole design: their captions name the step they take
// back or make again ("Undo Wing-1 root chord") in the window's language, and they
// are enabled while there is one.
#pragma once

#include <QObject>
#include <QString>

#include "model/design.h"
#include "texts/catalogue.h"

class QWidget;

namespace kalvesta {

class WindowLanguage;
struct MainMenus;

// The step's name in words: "Wing-1 root chord", "Wing-2 span of trapezoid 3".
QString StepCaption(const StepName& step, const Catalogue& texts);

class UndoCommands : public QObject {
    Q_OBJECT

public:
    UndoCommands(QWidget* window, MainMenus& menus, Design& design, const WindowLanguage& language);

private:
    void ShowSteps();

    MainMenus& menus_;
    Design& design_;
    const WindowLanguage& language_;
};

}  // namespace kalvesta
