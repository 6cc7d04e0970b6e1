// The stability choice and the margin box.
#include "ui/margin_choice.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/design_boxes.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"

namespace kalvesta {

MarginChoicePanel::MarginChoicePanel(QWidget* page, Design& design, const WindowLanguage& language)
    : QObject(page), design_(design), language_(language) {
    automatic_button_ = MakeRadio(page, "RadioButton15",
                                  language.Text(TextId::kAircraftTabAutomaticMargin), {0, 280});
    automatic_button_->resize(193, 17);
    automatic_button_->setChecked(true);
    manual_button_ =
        MakeRadio(page, "RadioButton16", language.Text(TextId::kAircraftTabManualMargin), {0, 304});
    manual_button_->resize(193, 17);
    caption_ =
        MakeLabel(page, "Label22", language.Text(TextId::kAircraftTabDesiredStability), {0, 328});
    caption_->hide();
    margin_box_ = new QLineEdit(QString::fromStdString(design.margin().text), page);
    margin_box_->setObjectName("Edit31");
    margin_box_->setGeometry(64, 344, 41, 24);
    margin_box_->hide();
    unit_ = MakeLabel(page, "Label21", "%", {112, 348});
    unit_->hide();

    connect(automatic_button_, &QRadioButton::clicked, this,
            [this] { design_.SetManualMargin(false); });
    connect(manual_button_, &QRadioButton::clicked, this,
            [this] { design_.SetManualMargin(true); });
    TypeTextIntoDesign(margin_box_, design,
                       [this](const QString& text) { design_.SetMarginText(text.toStdString()); });
    connect(margin_box_, &QLineEdit::returnPressed, this, &MarginChoicePanel::CalculateAsked);
    connect(&language, &WindowLanguage::Changed, this, &MarginChoicePanel::ApplyLanguage);
}

void MarginChoicePanel::ApplyLanguage() {
    automatic_button_->setText(language_.Text(TextId::kAircraftTabAutomaticMargin));
    manual_button_->setText(language_.Text(TextId::kAircraftTabManualMargin));
    SetLabelText(caption_, language_.Text(TextId::kAircraftTabDesiredStability));
    FitCaptions(caption_right_);
}

void MarginChoicePanel::ShowChoice() {
    const MarginChoice& choice = design_.margin();
    (choice.manual ? manual_button_ : automatic_button_)->setChecked(true);
    if (margin_box_->text().toStdString() != choice.text) {
        const QSignalBlocker quiet(margin_box_);
        margin_box_->setText(QString::fromStdString(choice.text));
    }
    unit_->setVisible(choice.manual);
    caption_->setVisible(choice.manual);
    margin_box_->setVisible(choice.manual);
}

// 193 pixels wide on the layout; the room reaches the top view.
void MarginChoicePanel::FitCaptions(int right) {
    caption_right_ = right;
    FitButtonCaption(*automatic_button_, 193, right);
    FitButtonCaption(*manual_button_, 193, right);
}

}  // namespace kalvesta
