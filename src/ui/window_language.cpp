// The window's language.
#include "ui/window_language.h"

namespace kalvesta {

QString QText(const Catalogue& texts, TextId id, std::initializer_list<TextValue> values) {
    return QString::fromStdString(texts.Text(id, values));
}

QString QText(const Catalogue& texts, const Message& message) {
    return QString::fromStdString(texts.Text(message));
}

void WindowLanguage::Switch(Language language) {
    texts_ = Catalogue(language);
    emit Changed();
}

}  // namespace kalvesta
