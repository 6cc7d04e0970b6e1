// The wing-count buttons.
#include "ui/wing_count_choice.h"

#include <QFrame>
#include <QRadioButton>

#include "ui/window_layout.h"

namespace kalvesta {

WingCountChoice::WingCountChoice(QWidget* strip) : QObject(strip) {
    panel_ = MakePanel(strip, "Panel1", QRect(600, 8, 225, 33));
    buttons_[1] = MakeRadio(panel_, "RadioButton1", "1 Wing", {8, 8});
    buttons_[2] = MakeRadio(panel_, "RadioButton2", "2 Wings", {8, 8});
    buttons_[3] = MakeRadio(panel_, "RadioButton3", "3 Wings", {8, 8});
    buttons_[2]->setChecked(true);
    // The buttons take their places in the row.
    FitCaptions();
    // The panel lies over the right end of the tab row, as on the original layout.
    panel_->raise();
    for (int count = 1; count <= kMaxWings; ++count) {
        connect(button(count), &QRadioButton::toggled, this, [this, count](bool checked) {
            if (checked) {
                emit Chosen(count);
            }
        });
    }
}

void WingCountChoice::FitCaptions() {
    FitButtonRow(*panel_, {buttons_[1], buttons_[2], buttons_[3]}, {8, 81, 152, 225}, true);
}

void WingCountChoice::Show(int count) {
    const QSignalBlocker block1(button(1));
    const QSignalBlocker block2(button(2));
    const QSignalBlocker block3(button(3));
    button(count)->setChecked(true);
}

int WingCountChoice::Checked(int unchecked) const {
    for (int count = 1; count <= kMaxWings; ++count) {
        if (button(count)->isChecked()) {
            return count;
        }
    }
    return unchecked;
}

}  // namespace kalvesta
