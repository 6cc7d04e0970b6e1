// Value labels that shrink their font rather than cut their number.
#include "ui/value_label.h"

#include <QFontMetrics>
#include <QLabel>

namespace kalvesta {

void ShowValueText(QLabel* label, const QString& text) {
    QFont font = label->font();
    int pixel_size = kValueLabelPixelSize;
    font.setPixelSize(pixel_size);
    while (pixel_size > 1 && QFontMetrics(font).horizontalAdvance(text) > label->width()) {
        font.setPixelSize(--pixel_size);
    }
    label->setFont(font);
    label->setText(text);
}

}  // namespace kalvesta
