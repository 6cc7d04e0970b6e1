// The builder's answer in the status line after a calculation: where to
// balance the model in words, and the tail volume of each surface behind or ahead
// of Wing-1, in the window's language and length unit. Empty without results.
#pragma once

#include <QObject>

#include "analysis/workbench.h"

class QLabel;
class QStatusBar;

namespace kalvesta {

class UnitChoice;
class WindowLanguage;

class AnswerLine : public QObject {
    Q_OBJECT

public:
    // Makes the label AnswerLine in `bar`; it follows the language and the units.
    AnswerLine(QStatusBar& bar, const Workbench& bench, const WindowLanguage& language,
               const UnitChoice& units);

    // The answer of the workbench's results, or nothing.
    void Show();

private:
    const Workbench& bench_;
    const WindowLanguage& language_;
    const UnitChoice& units_;
    QLabel* label_ = nullptr;
};

}  // namespace kalvesta
