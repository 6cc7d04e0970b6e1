// The length dialog and its reasons for refusing a text.
#include "ui/length_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/length_text.h"
#include "ui/message_boxes.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"

namespace kalvesta {
namespace {

QString Reason(LengthTextError error, const QString& text, const Catalogue& texts) {
    switch (error) {
        case LengthTextError::kNone:
            break;
        case LengthTextError::kEmpty:
            return QText(texts, TextId::kLengthEmpty);
        case LengthTextError::kNotANumber:
            return QText(texts, TextId::kLengthNotANumber, {{"text", text.toStdString()}});
        case LengthTextError::kNotFinite:
            return QText(texts, TextId::kLengthNotFinite);
        case LengthTextError::kOutOfRange:
            return QText(texts, TextId::kLengthOutOfRange);
    }
    return QString();
}

}  // namespace

LengthDialog::LengthDialog(QWidget* parent, const QString& prompt, const QString& text,
                           const Catalogue& texts)
    : QDialog(parent), texts_(texts) {
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
    ok_ = buttons->addButton(QText(texts, TextId::kMessageOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(QText(texts, TextId::kMessageCancel), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box_, &QLineEdit::textChanged, this, &LengthDialog::Check);
    Check();
}

void LengthDialog::Check() {
    const LengthText length = ParseLengthText(box_->text().toStdString());
    length_mm_ = length.mm;
    const QString reason = Reason(length.error, box_->text(), texts_);
    reason_->setText(reason);
    reason_->setVisible(!reason.isEmpty());
    ok_->setEnabled(reason.isEmpty());
}

std::optional<double> LengthDialog::Ask(QWidget* parent, const QString& prompt, const QString& text,
                                        const Catalogue& texts) {
    LengthDialog dialog(parent, prompt, text, texts);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.length_mm_;
}

}  // namespace kalvesta
