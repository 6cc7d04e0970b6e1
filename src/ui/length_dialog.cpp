// The length dialog and its reasons for refusing a text.
#include "ui/length_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/length_text.h"
#include "ui/message_boxes.h"
#include "ui/window_layout.h"

namespace kalvesta {
namespace {

QString Reason(LengthTextError error, const QString& text, bool english) {
    switch (error) {
        case LengthTextError::kNone:
            break;
        case LengthTextError::kEmpty:
            return InLanguage(english, "Type a length in mm.", "Введите длину в мм.");
        case LengthTextError::kNotANumber:
            return InLanguage(english, "\"%1\" is not a number.", "«%1» — не число.").arg(text);
        case LengthTextError::kNotFinite:
            return InLanguage(english, "A length must be a finite number.",
                              "Длина должна быть конечным числом.");
        case LengthTextError::kOutOfRange:
            return InLanguage(english, "A length must lie between -100000 and 100000 mm.",
                              "Длина должна лежать между -100000 и 100000 мм.");
    }
    return QString();
}

}  // namespace

LengthDialog::LengthDialog(QWidget* parent, const QString& prompt, const QString& text,
                           bool english)
    : QDialog(parent), english_(english) {
    setWindowTitle(kMessageTitle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(prompt, this));
    box_ = new QLineEdit(text, this);
    box_->setObjectName("LengthBox");
    layout->addWidget(box_);
    reason_ = new QLabel(this);
    reason_->setObjectName("LengthReason");
    QPalette palette = reason_->palette();
    palette.setColor(QPalette::WindowText, kRedFont);
    reason_->setPalette(palette);
    layout->addWidget(reason_);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(OkCaption(english), QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelCaption(english), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box_, &QLineEdit::textChanged, this, &LengthDialog::Check);
    Check();
}

void LengthDialog::Check() {
    const LengthText length = ParseLengthText(box_->text().toStdString());
    length_mm_ = length.mm;
    const QString reason = Reason(length.error, box_->text(), english_);
    reason_->setText(reason);
    reason_->setVisible(!reason.isEmpty());
    ok_->setEnabled(reason.isEmpty());
}

std::optional<double> LengthDialog::Ask(QWidget* parent, const QString& prompt, const QString& text,
                                        bool english) {
    LengthDialog dialog(parent, prompt, text, english);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.length_mm_;
}

}  // namespace kalvesta
