// The file note: its text, cut to the room it has, and its close button.
#include "ui/file_note.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "ui/window_language.h"
#include "words/leniency_words.h"

namespace kalvesta {

FileNote::FileNote(QStatusBar& bar, const WindowLanguage& language)
    : QWidget(&bar), language_(language) {
    setObjectName("FileNote");
    label_ = new QLabel(this);
    label_->setObjectName("FileNoteText");
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, QColor(160, 64, 0));
    label_->setPalette(palette);
    close_button_ = new QToolButton(this);
    close_button_->setObjectName("FileNoteClose");
    close_button_->setAutoRaise(true);
    close_button_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    connect(close_button_, &QToolButton::clicked, this, &FileNote::Dismiss);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_, 1);
    layout->addWidget(close_button_);
    bar.insertWidget(0, this, 1);
    hide();
    connect(&language, &WindowLanguage::Changed, this, &FileNote::ShowText);
}

void FileNote::Show(const Da4Leniency& leniency, const std::string& name,
                    const AircraftInputs& opened) {
    leniency_ = leniency;
    name_ = name;
    opened_ = opened;
    ShowText();
    setVisible(!leniency.empty());
}

void FileNote::Dismiss() {
    leniency_ = {};
    hide();
}

void FileNote::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ShowText();
}

void FileNote::ShowText() {
    const QString note =
        QString::fromStdString(LeniencyNote(language_.texts(), leniency_, name_, opened_));
    label_->setToolTip(note);
    label_->setText(QFontMetrics(label_->font()).elidedText(note, Qt::ElideRight, label_->width()));
    close_button_->setToolTip(language_.Text(TextId::kFileNoteDismiss));
}

}  // namespace kalvesta
