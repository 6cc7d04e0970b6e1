// The info window: what the program does, in English or German, and who made it,
// in English or Russian.
#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace kalvesta {

class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    // Fills the texts for the language flag, then shows the window without
    // blocking and brings it to the front.
    void ShowInfo(bool english_captions);

    QLabel* Label(int number) const { return labels_[static_cast<size_t>(number)]; }

private:
    std::array<QLabel*, 10> labels_{};  // Label1 .. Label9, index 0 unused
};

}  // namespace kalvesta
