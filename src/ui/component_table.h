// The main window's controls by their component names ("Button4", "Edit31",
// "wing21", ...): the one table through which the window's captions and tests find
// a control by name. A name that no control carries, or that two carry, is a fault
// the table reports rather than passes over.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QObject;

namespace kalvesta {

class ComponentTable {
public:
    // Every object below `window` with a component name; Qt's own helpers (named
    // "qt_…") are not components.
    explicit ComponentTable(const QObject& window);

    // The component of that name; nullptr for a name no control carries, which is
    // a failed assertion in debug builds.
    QObject* Find(const QString& name) const;
    bool Contains(const QString& name) const { return by_name_.contains(name); }
    // Names that more than one component carries.
    const QStringList& duplicates() const { return duplicates_; }

private:
    QHash<QString, QObject*> by_name_;
    QStringList duplicates_;
};

}  // namespace kalvesta
