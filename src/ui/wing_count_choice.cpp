// The wing-count buttons.
#include "ui/wing_count_choice.h"

#include <QFrame>
#include <QRadioButton>
#include <array>

#include "ui/window_language.h"
#include "ui/window_layout.h"

namespace kalvesta {
namespace {

constexpr PerWing<TextId> kCaptions{TextId{}, TextId::kWingCount1, TextId::kWingCount2,
                                    TextId::kWingCount3};

}  // namespace

WingCountChoice::WingCountChoice(QWidget* strip, const WindowLanguage& language) : QObject(strip) {
    panel_ = MakePanel(strip, "Panel1", QRect(600, 8, 225, 33));
    const std::array<const char*, kMaxWings + 1> names{"", "RadioButton1", "RadioButton2",
                                                       "RadioButton3"};
    for (int count = 1; count <= kMaxWings; ++count) {
        const auto c = static_cast<size_t>(count);
        buttons_[c] = MakeRadio(panel_, names[c], language.Text(kCaptions[c]), {8, 8});
    }
    buttons_[2]->setChecked(true);
    // The buttons take their places in the row.
    ApplyCaptions(language.texts());
    connect(&language, &WindowLanguage::Changed, this,
            [this, &language] { ApplyCaptions(language.texts()); });
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

void WingCountChoice::ApplyCaptions(const Catalogue& texts) {
    for (int count = 1; count <= kMaxWings; ++count) {
        button(count)->setText(QText(texts, kCaptions[static_cast<size_t>(count)]));
    }
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
