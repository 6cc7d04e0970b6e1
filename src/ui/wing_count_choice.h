// The wing-count buttons "1 Wing", "2 Wings", "3 Wings" on their panel at the right
// of the tab row, captioned in the window's language.
#pragma once

#include <QObject>

#include "model/aircraft.h"
#include "texts/catalogue.h"

class QFrame;
class QRadioButton;
class QWidget;

namespace kalvesta {

class WindowLanguage;

class WingCountChoice : public QObject {
    Q_OBJECT

public:
    // Makes Panel1 with RadioButton1..3 on `strip`, "2 Wings" checked.
    WingCountChoice(QWidget* strip, const WindowLanguage& language);

    // The checked count, 1..3, or `unchecked` when no button is checked.
    int Checked(int unchecked) const;
    // Checks the button of `count` without running the handlers.
    void Show(int count);

signals:
    // A button became checked, by the user or by a loaded file.
    void Chosen(int count);

private:
    QRadioButton* button(int count) const { return buttons_[static_cast<size_t>(count)]; }
    // The captions, and the buttons at their layout places, or wider where their
    // captions need it (in Russian, or at 144 dpi), the panel growing to the left.
    void ApplyCaptions(const Catalogue& texts);

    QFrame* panel_ = nullptr;           // Panel1
    PerWing<QRadioButton*> buttons_{};  // RadioButton1..3
};

}  // namespace kalvesta
