// The position boxes on their pictures.
#include "ui/positions_panel.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/design_boxes.h"
#include "ui/image_control.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"
#include "views/position_picture.h"

namespace kalvesta {

PositionsPanel::PositionsPanel(QWidget* page, Design& design, const WindowLanguage& language)
    : QObject(page), design_(design), language_(language) {
    caption_ = MakeLabel(page, "Label23", language.Text(TextId::kAircraftTabPositioning), {8, 2});
    const std::array<const char*, 4> picture_names{"", "Image5", "Image55", "Image555"};
    const std::array<QRect, 4> picture_rects{QRect(), QRect(8, 16, 172, 84), QRect(8, 104, 172, 85),
                                             QRect(8, 192, 172, 84)};
    const std::array<const char*, 4> x_names{"", "Edit_x1", "Edit_x2", "Edit_x3"};
    const std::array<const char*, 4> z_names{"", "Edit_z1", "Edit_z2", "Edit_z3"};
    const std::array<int, 4> rows{0, 32, 120, 208};
    const AircraftInputs& start = design.inputs();
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        pictures_[w] = new ImageControl(picture_names[w], picture_rects[w], page);
        x_boxes_[w] = MakeEdit(page, x_names[w], QRect(40, rows[w], 41, 24),
                               QString::number(start.wing_x_mm[w]));
        z_boxes_[w] = MakeEdit(page, z_names[w], QRect(88, rows[w] + 24, 41, 24),
                               QString::number(start.wing_z_mm[w]));
        TypeIntoDesign(x_boxes_[w], design,
                       [&design, wing](int32_t x) { design.SetPositionX(wing, x); });
        TypeIntoDesign(z_boxes_[w], design,
                       [&design, wing](int32_t z) { design.SetPositionZ(wing, z); });
        connect(x_boxes_[w], &QLineEdit::returnPressed, this, &PositionsPanel::CalculateAsked);
        connect(z_boxes_[w], &QLineEdit::returnPressed, this, &PositionsPanel::CalculateAsked);
    }
    ShowWingCount(start.wing_count);
    connect(&language, &WindowLanguage::Changed, this, [this] {
        SetLabelText(caption_, language_.Text(TextId::kAircraftTabPositioning));
        TitlePictures();
    });
}

void PositionsPanel::ShowPositions(const DesignChange& change) {
    const AircraftInputs& inputs = design_.inputs();
    for (size_t w = 1; w <= kMaxWings; ++w) {
        ShowBoxValue(x_boxes_[w], inputs.wing_x_mm[w], change.opened);
        ShowBoxValue(z_boxes_[w], inputs.wing_z_mm[w], change.opened);
    }
}

void PositionsPanel::ShowWingCount(int wing_count) {
    for (size_t w = 2; w <= kMaxWings; ++w) {
        const bool shown = static_cast<int>(w) <= wing_count;
        pictures_[w]->setVisible(shown);
        x_boxes_[w]->setVisible(shown);
        z_boxes_[w]->setVisible(shown);
    }
}

void PositionsPanel::TitlePictures() {
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        ImageControl* picture = pictures_[static_cast<size_t>(wing)];
        // The picture is redrawn under its title so that a shorter title leaves no rest.
        DrawPositionPicture(picture->canvas(), wing);
        DrawPositionTitle(picture->canvas(), wing, language_.texts());
        picture->Refresh();
    }
}

}  // namespace kalvesta
