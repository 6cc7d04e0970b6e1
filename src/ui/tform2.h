// The info window: what the program does and who made it, in the language of the
// catalogue it is shown with (the description in German where the window's
// language is Russian).
#pragma once

#include <QWidget>
#include <array>

#include "texts/catalogue.h"

class QLabel;

namespace kalvesta {

class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    // Fills the texts from `texts`, then shows the window without blocking and
    // brings it to the front.
    void ShowInfo(const Catalogue& texts);

    QLabel* Label(int number) const { return labels_[static_cast<size_t>(number)]; }

private:
    std::array<QLabel*, 10> labels_{};  // Label1 .. Label9, index 0 unused
};

}  // namespace kalvesta
