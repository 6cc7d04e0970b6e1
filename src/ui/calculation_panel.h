// "Calculate" on the "Aircraft" tab with what it shows while it runs and after: the
// running label instead of the button, the solve's countdown, and the message memo
// (Memo1) with the analysis's failures.
#pragma once

#include <QObject>
#include <functional>

#include "analysis/workbench.h"
#include "ui/calculation_progress.h"
#include "views/view_mapping.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace kalvesta {

class ImageControl;
class WindowLanguage;

class CalculationPanel : public QObject {
    Q_OBJECT

public:
    // Makes Button4, Label_w and Label24 on `page`; the memo follows (BuildMemo),
    // after the controls that come before it in the tab order. Captions and the
    // memo's lines are in the window's language.
    CalculationPanel(QWidget* page, const Workbench& bench, const WindowLanguage& language);
    void BuildMemo(QWidget* page);

    // A preparation: "Calculate" enabled, the memo as the preparation reset it.
    void ShowPrepared();
    // "Calculate" pressed: the running label instead of the button, the memo cleared
    // and hidden.
    void ShowRunning();
    // What the calculation's progress is shown on.
    CalculationProgress Progress(std::function<void()> show_prepared_aircraft,
                                 ImageControl& top_view, const ViewMapping& mapping);
    // The calculation has ended: the idle state, "Calculate" disabled until the
    // next change, the memo as the analysis left it.
    void ShowEnded();
    // F9 or Return: "Calculate" when it is enabled.
    void CalculateIfEnabled();

signals:
    void CalculateClicked();

private:
    void ShowMemo();

    const Workbench& bench_;
    const WindowLanguage& language_;
    QPushButton* calculate_button_ = nullptr;  // Button4
    QLabel* running_label_ = nullptr;          // Label_w
    QLabel* countdown_label_ = nullptr;        // Label24
    QPlainTextEdit* memo_ = nullptr;           // Memo1
};

}  // namespace kalvesta
