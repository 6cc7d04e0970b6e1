// Edit > Undo and Redo over the whole design: their captions name the step they take
// back or make again ("Undo Wing-1 root chord"), and they are enabled while there is
// one.
#pragma once

#include <QObject>
#include <QString>

#include "model/design.h"

class QWidget;

namespace kalvesta {

struct MainMenus;

// The step's name in words: "Wing-1 root chord", "Wing-2 span of trapezoid 3".
QString StepCaption(const StepName& step, bool english);

class UndoCommands : public QObject {
    Q_OBJECT

public:
    UndoCommands(QWidget* window, MainMenus& menus, Design& design);

    // The captions in the window's language.
    void ApplyLanguage(bool english);

private:
    void ShowSteps();

    MainMenus& menus_;
    Design& design_;
    bool english_ = true;
};

}  // namespace kalvesta
