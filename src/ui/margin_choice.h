// The stability choice on the "Aircraft" tab: the automatic range or a margin typed
// ("Manual choice of stability" shows the margin box with its caption and unit),
// captioned in the window's language.
#pragma once

#include <QObject>

#include "model/design.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kalvesta {

class WindowLanguage;

class MarginChoicePanel : public QObject {
    Q_OBJECT

public:
    // Makes RadioButton15, RadioButton16, Label22, Edit31 and Label21 on `page`.
    MarginChoicePanel(QWidget* page, Design& design, const WindowLanguage& language);

    // The buttons, the box and what is shown as the design's margin choice says.
    void ShowChoice();
    // The buttons' captions within the room up to `right` (kept for a language
    // switch; at 144 dpi too).
    void FitCaptions(int right);

signals:
    // Return in the margin box.
    void CalculateAsked();

private:
    // The captions in the window's language, fitted again.
    void ApplyLanguage();

    Design& design_;
    const WindowLanguage& language_;
    int caption_right_ = 0;
    QRadioButton* automatic_button_ = nullptr;  // RadioButton15
    QRadioButton* manual_button_ = nullptr;     // RadioButton16
    QLabel* caption_ = nullptr;                 // Label22
    QLineEdit* margin_box_ = nullptr;           // Edit31
    QLabel* unit_ = nullptr;                    // Label21
};

}  // namespace kalvesta
