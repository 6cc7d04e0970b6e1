// "Edit" > "Refined-lattice check": the convergence study of the neutral point runs
// on a thread of its own behind a progress dialog (lattice k of n, with Cancel),
// so that the window stays painted, and its answer is shown in the window's
// language with a verdict.
#pragma once

#include <QObject>

#include "analysis/pipeline.h"
#include "model/aircraft.h"

class QAction;
class QWidget;

namespace kalvesta {

class WindowLanguage;

class RefinedCheckCommand : public QObject {
    Q_OBJECT

public:
    RefinedCheckCommand(QWidget* window, QAction* item, const Aircraft& aircraft,
                        const AnalysisData& analysis, const WindowLanguage& language);

private:
    void OnRefinedCheck();

    QWidget* window_;
    QAction* item_;
    const Aircraft& aircraft_;
    const AnalysisData& analysis_;
    const WindowLanguage& language_;
};

}  // namespace kalvesta
