// The layout font and its substitution.
#include "qtcanvas/layout_font.h"

#include <QStringList>

namespace kalvesta {

void SubstituteLayoutFont() {
    const QString layout_family = QStringLiteral("MS Sans Serif");
    const QString free_family = QStringLiteral("Liberation Sans");
    if (!QFont::substitutes(layout_family).contains(free_family)) {
        QFont::insertSubstitution(layout_family, free_family);
    }
}

QFont LayoutFont(int pixel_size) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    return font;
}

}  // namespace kalvesta
