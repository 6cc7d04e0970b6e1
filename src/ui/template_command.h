// File > "Print balance template…": the template sheets of the results (the root
// region of Wing-1 at full size with the recommended range and a check bar) on a
// printer the user chooses, on its paper (Letter, else A4), in the window's
// language and length unit. Without results it says so and prints nothing.
#pragma once

#include <QObject>
#include <QString>

#include "analysis/workbench.h"

class QAction;
class QPrinter;
class QWidget;

namespace kalvesta {

class UnitChoice;
class WindowLanguage;

class TemplateCommand : public QObject {
    Q_OBJECT

public:
    TemplateCommand(QWidget* window, QAction* item, const Workbench& bench,
                    const WindowLanguage& language, const UnitChoice& units);

    // The sheets of the workbench's results on `printer` (full page, its paper set
    // to the template's); why not, in words, or empty when printed.
    QString PrintOn(QPrinter& printer) const;

private:
    void OnPrint();

    QWidget* window_;
    const Workbench& bench_;
    const WindowLanguage& language_;
    const UnitChoice& units_;
};

}  // namespace kalvesta
