// The main window's controls found by their component names (as the window's own
// layout names them), a beep that is counted instead of sounded, an empty current
// folder for a window to start in, and a whole file read or written in one call.
#pragma once

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <memory>
#include <stdexcept>

#include "support/temp_folder.h"
#include "ui/beeper.h"
#include "ui/tform1.h"
#include "ui/wing_tab_page.h"

namespace kalvesta::testing_support {

// The control of that name and type; a missing one fails the test that asks for it.
template <class T>
T* Control(const QObject& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr) {
        throw std::runtime_error("the window has no control " + name.toStdString());
    }
    return control;
}

// A menu caption as the user reads it: without the "&" before its mnemonic letter.
inline QString Shown(QString caption) {
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

// Box `box` (in WingBox order) of a wing tab: the tab page's own edit boxes, which
// the layout makes in that order.
inline QLineEdit* WingBox(const QObject& window, int wing, int box) {
    const auto boxes = Control<QWidget>(window, QString("TabSheet%1").arg(wing))
                           ->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    if (boxes.size() != kWingBoxCount) {
        throw std::runtime_error("a wing tab without its fourteen boxes");
    }
    return boxes[box];
}

// A wing's trapezoid-count button for 1..4 trapezoids, on the tab's panel.
inline QRadioButton* TrapezoidButton(const QObject& window, int wing, int trapezoids) {
    return Control<QWidget>(window, QString("Panel%1").arg(wing + 1))
        ->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)
        .at(trapezoids - 1);
}

// The wing-count button RadioButton1..3.
inline QRadioButton* WingCountButton(const QObject& window, int count) {
    return Control<QRadioButton>(window, QString("RadioButton%1").arg(count));
}

// Position boxes Edit_x1..Edit_x3 and Edit_z1..Edit_z3.
inline QLineEdit* PositionXBox(const QObject& window, int wing) {
    return Control<QLineEdit>(window, QString("Edit_x%1").arg(wing));
}
inline QLineEdit* PositionZBox(const QObject& window, int wing) {
    return Control<QLineEdit>(window, QString("Edit_z%1").arg(wing));
}

// Counts the beeps of the window it is put into.
class BeepCounter : public Beeper {
public:
    void Beep() override { ++count; }
    int count = 0;
};

inline const BeepCounter& CountBeeps(TForm1& form) {
    auto counter = std::make_unique<BeepCounter>();
    const BeepCounter& counted = *counter;
    form.SetBeeper(std::move(counter));
    return counted;
}

// An empty current folder for the object's lifetime: no language file from
// another test, so a window made in it starts in English.
class InEmptyFolder {
public:
    InEmptyFolder() : previous_(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(folder_.path().string()));
    }
    ~InEmptyFolder() { QDir::setCurrent(previous_); }
    InEmptyFolder(const InEmptyFolder&) = delete;
    InEmptyFolder& operator=(const InEmptyFolder&) = delete;

    QString PathOf(const QString& name) const {
        return QString::fromStdString(folder_.PathOf(name.toStdString()));
    }

private:
    TempFolder folder_{"window_test"};
    QString previous_;
};

// The bytes of a file; empty when it cannot be read.
inline QByteArray Bytes(const QString& path) {
    return QByteArray::fromStdString(FileContents(path.toStdString()));
}

// Makes the file at `path` hold `bytes` (a test's input file).
inline void PutBytes(const QString& path, const QByteArray& bytes) {
    PutFileContents(path.toStdString(), bytes.toStdString());
}

}  // namespace kalvesta::testing_support
