// The wings' positions on the "Aircraft" tab: "Positioning", a picture per wing with
// its title, and the x and z boxes on it. Typing into a box changes the design; the
// boxes show the design as it changes by other ways (undo, "Open").
#pragma once

#include <QObject>

#include "analysis/workbench.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace kalvesta {

class ImageControl;
class WindowLanguage;

class PositionsPanel : public QObject {
    Q_OBJECT

public:
    // Makes Label23, the pictures Image5, Image55, Image555 and the boxes
    // Edit_x1..Edit_x3, Edit_z1..Edit_z3 on `page`, at the start-up positions, the
    // caption and titles in the window's language.
    PositionsPanel(QWidget* page, Design& design, const WindowLanguage& language);

    // The boxes show the design's positions: every box from a file's design
    // (right-aligned in 4 characters), otherwise only a box whose value differs.
    void ShowPositions(const DesignChange& change);
    // The pictures and boxes of the wings in use.
    void ShowWingCount(int wing_count);
    // The pictures with their titles in the window's language.
    void TitlePictures();

signals:
    // Return in a box.
    void CalculateAsked();

private:
    Design& design_;
    const WindowLanguage& language_;
    QLabel* caption_ = nullptr;          // Label23
    PerWing<ImageControl*> pictures_{};  // Image5, Image55, Image555
    PerWing<QLineEdit*> x_boxes_{};      // Edit_x1..Edit_x3
    PerWing<QLineEdit*> z_boxes_{};      // Edit_z1..Edit_z3
};

}  // namespace kalvesta
