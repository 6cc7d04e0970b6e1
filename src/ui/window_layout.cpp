// Making the main window's controls.
#include "ui/window_layout.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <string>

#include "model/length_text.h"
#include "ui/window_language.h"

namespace kalvesta {
namespace {

// Box property: the language of its tips, the window's (which is made in English).
constexpr char kTipLanguage[] = "kalvestaTipLanguage";

}  // namespace

void MarkBoxRange(QLineEdit* edit) {
    const Int32Reading reading = ReadInt32(edit->text().toStdString());
    const bool within = IsWithinLengthLimit(reading);
    // A text that is no whole number reads as its leading digits (letters as 0), as
    // documented; the box says so instead of hiding it. An empty box is not marked.
    const QString trimmed = edit->text().trimmed();
    const bool number = trimmed.isEmpty() || ReadInt32(trimmed.toStdString()).whole;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, within && number ? kBlueFont : kRedFont);
    edit->setPalette(palette);
    const Catalogue texts(static_cast<Language>(edit->property(kTipLanguage).toInt()));
    QString tip;
    if (!number) {
        tip = QText(texts, TextId::kBoxNotWhole, {{"value", std::to_string(reading.value)}});
    } else if (!within) {
        tip = QText(texts, TextId::kBoxOutOfRange);
    }
    edit->setToolTip(tip);
}

void SetFont(QWidget* widget, int pixel_size, QColor color) {
    QFont font = widget->font();
    font.setPixelSize(pixel_size);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect geometry, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    SetFont(edit, 12, kBlueFont);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { MarkBoxRange(edit); });
    edit->setProperty(kTipLanguage, static_cast<int>(Language::kEnglish));
    return edit;
}

void MarkBoxRanges(const QWidget& window, const Catalogue& texts) {
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (edit->property(kTipLanguage).isValid()) {
            edit->setProperty(kTipLanguage, static_cast<int>(texts.language()));
            MarkBoxRange(edit);
        }
    }
}

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(label->sizeHint().width(), label->height());
}

QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& text, QPoint at) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->move(at);
    radio->adjustSize();
    return radio;
}

void FitButtonRow(QFrame& panel, const std::vector<QAbstractButton*>& buttons,
                  const std::vector<int>& x, bool grow_left) {
    bool fits = true;
    for (size_t i = 0; i < buttons.size(); ++i) {
        fits = fits && buttons[i]->sizeHint().width() <= x[i + 1] - x[i];
    }
    int left = x.front();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const int width =
            fits ? x[i + 1] - x[i] : std::max(x[i + 1] - x[i], buttons[i]->sizeHint().width());
        buttons[i]->setGeometry(fits ? x[i] : left, buttons[i]->y(), width, buttons[i]->height());
        left += width;
    }
    const int panel_width = fits ? x.back() : left;
    const int right = panel.geometry().right() + 1;
    panel.setGeometry(grow_left ? right - panel_width : panel.x(), panel.y(), panel_width,
                      panel.height());
}

void FitButtonCaption(QAbstractButton& button, int width, int room) {
    QFont font = button.font();
    font.setPixelSize(QFontInfo(button.parentWidget()->font()).pixelSize());
    button.setFont(font);
    while (button.sizeHint().width() > room && font.pixelSize() > 6) {
        font.setPixelSize(font.pixelSize() - 1);
        button.setFont(font);
    }
    button.resize(std::clamp(button.sizeHint().width(), width, std::max(width, room)),
                  button.height());
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation,
                          QRect geometry, int min, int max, int position) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setGeometry(geometry);
    bar->setRange(min, max);
    bar->setValue(position);
    return bar;
}

}  // namespace kalvesta
