// The stability choice on the "Aircraft" tab: the automatic range or a margin typed
// ("Manual choice of stability" shows the margin box with its caption and unit).
#pragma once

#include <QObject>

#include "model/design.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kalvesta {

class MarginChoicePanel : public QObject {
    Q_OBJECT

public:
    // Makes RadioButton15, RadioButton16, Label22, Edit31 and Label21 on `page`.
    MarginChoicePanel(QWidget* page, Design& design);

    // The buttons, the box and what is shown as the design's margin choice says.
    void ShowChoice();
    // The buttons' captions within the room up to `right` (after a language switch,
    // or at 144 dpi).
    void FitCaptions(int right);

signals:
    // Return in the margin box.
    void CalculateAsked();

private:
    Design& design_;
    QRadioButton* automatic_button_ = nullptr;  // RadioButton15
    QRadioButton* manual_button_ = nullptr;     // RadioButton16
    QLabel* caption_ = nullptr;                 // Label22
    QLineEdit* margin_box_ = nullptr;           // Edit31
    QLabel* unit_ = nullptr;                    // Label21
};

}  // namespace kalvesta
