// "Edit" > "Refined-lattice check": the convergence study of the neutral point runs
// on a thread of its own behind a progress dialog (lattice k of n, with Cancel),
// so that the window stays painted, and its answer is shown in the window's
// language with a verdict. With a fuselage described it studies the aircraft
// carried through the fuselage and adds the fuselage's moment to the answer.
#pragma once

#include <QObject>

#include "analysis/workbench.h"

class QAction;
class QWidget;

namespace kalvesta {

class WindowLanguage;

class RefinedCheckCommand : public QObject {
    Q_OBJECT

public:
    RefinedCheckCommand(QWidget* window, QAction* item, const Workbench& bench,
                        const WindowLanguage& language);

private:
    void OnRefinedCheck();

    QWidget* window_;
    QAction* item_;
    const Workbench& bench_;
    const WindowLanguage& language_;
};

}  // namespace kalvesta
