// The window's components by name.
#include "ui/component_table.h"

#include <QObject>

namespace kalvesta {

ComponentTable::ComponentTable(const QObject& window) {
    for (QObject* component : window.findChildren<QObject*>()) {
        const QString name = component->objectName();
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) {
            continue;
        }
        if (by_name_.contains(name)) {
            duplicates_ << name;
        }
        by_name_.insert(name, component);
    }
}

QObject* ComponentTable::Find(const QString& name) const {
    QObject* component = by_name_.value(name, nullptr);
    Q_ASSERT_X(component != nullptr, "ComponentTable::Find", qPrintable(name));
    return component;
}

}  // namespace kalvesta
