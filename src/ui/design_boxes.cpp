// Boxes typed into the design and shown from it.
#include "ui/design_boxes.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "model/number_format.h"
#include "model/text_to_int.h"
#include "ui/window_layout.h"

namespace kalvesta {
namespace {

// Lets the undo and redo keys through to the window's shortcuts.
class UndoKeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
                // Not taken by the box: the shortcut map gives the key to Edit > Undo/Redo.
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void TypeIntoDesign(QLineEdit* box, Design& design, std::function<void(int32_t)> set) {
    TypeTextIntoDesign(box, design, [set = std::move(set)](const QString& text) {
        set(TextToInt32(text.toStdString()));
    });
}

void TypeTextIntoDesign(QLineEdit* box, Design& design, std::function<void(const QString&)> set) {
    QObject::connect(box, &QLineEdit::textChanged, box, std::move(set));
    QObject::connect(box, &QLineEdit::editingFinished, box, [&design] { design.FinishEdit(); });
    RouteUndoKeys(box);
}

void ShowBoxValue(QLineEdit* box, int32_t value, bool from_file) {
    QString text;
    if (from_file) {
        text = QString::fromStdString(FormatInt(value, 4));
    } else if (TextToInt32(box->text().toStdString()) != value) {
        text = QString::number(value);
    } else {
        return;
    }
    {
        const QSignalBlocker quiet(box);
        box->setText(text);
    }
    MarkBoxRange(box);
}

void RouteUndoKeys(QWidget* widget) {
    widget->installEventFilter(new UndoKeyRouter(widget));
}

}  // namespace kalvesta
