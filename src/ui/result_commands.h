// The "Edit" command on the results of the last calculation: the static margin at
// a centre of gravity the user types (marked on the top view). Captions and
// messages follow the window's language.
#pragma once

#include <QObject>

#include "analysis/pipeline.h"
#include "model/aircraft.h"

class QWidget;

namespace kalvesta {

class AircraftTabPage;
class WindowLanguage;
struct MainMenus;

class ResultCommands : public QObject {
    Q_OBJECT

public:
    ResultCommands(QWidget* window, const MainMenus& menus, const Aircraft& aircraft,
                   const AnalysisData& analysis, const WindowLanguage& language,
                   AircraftTabPage& aircraft_tab);

private:
    void OnStaticMargin();

    QWidget* window_;
    const Aircraft& aircraft_;
    const AnalysisData& analysis_;
    const WindowLanguage& language_;
    AircraftTabPage& aircraft_tab_;
};

}  // namespace kalvesta
