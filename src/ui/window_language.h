// The window's language, English or Russian, which the window owns and switches
// from the language menu. Each part of the window takes its captions and texts
// from the language's catalogue and follows a switch (Changed).
#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>

#include "texts/catalogue.h"

namespace kalvesta {

// The catalogue's text as a QString.
QString QText(const Catalogue& texts, TextId id, std::initializer_list<TextValue> values = {});
QString QText(const Catalogue& texts, const Message& message);

class WindowLanguage : public QObject {
    Q_OBJECT

public:
    explicit WindowLanguage(QObject* parent) : QObject(parent) {}

    Language language() const { return texts_.language(); }
    const Catalogue& texts() const { return texts_; }
    QString Text(TextId id, std::initializer_list<TextValue> values = {}) const {
        return QText(texts_, id, values);
    }

    // Every part re-captions itself and redraws what it writes in words.
    void Switch(Language language);

signals:
    void Changed();

private:
    Catalogue texts_;
};

}  // namespace kalvesta
