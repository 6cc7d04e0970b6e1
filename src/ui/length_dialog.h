// A dialog that asks for one length in mm and takes only a usable one: the reason a
// text is refused shows under the box in the window's language, and "OK" stays
// disabled until the text is mended.
#pragma once

#include <QDialog>
#include <optional>

#include "texts/catalogue.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvesta {

class LengthDialog : public QDialog {
    Q_OBJECT

public:
    LengthDialog(QWidget* parent, const QString& prompt, const QString& text,
                 const Catalogue& texts);

    // The length typed, or nothing when the dialog was cancelled.
    static std::optional<double> Ask(QWidget* parent, const QString& prompt, const QString& text,
                                     const Catalogue& texts);

private:
    void Check();

    Catalogue texts_;
    double length_mm_ = 0.0;
    QLineEdit* box_ = nullptr;
    QLabel* reason_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kalvesta
