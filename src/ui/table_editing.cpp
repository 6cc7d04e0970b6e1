// Paste and row buttons of the window's editable tables.
#include "ui/table_editing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>

namespace kalvesta {

void PasteClipboardInto(QWidget* table, std::function<void(const QString&)> paste) {
    auto* action = new QAction(table);
    action->setShortcut(QKeySequence::Paste);
    action->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(action);
    QObject::connect(action, &QAction::triggered, table,
                     [paste = std::move(paste)] { paste(QGuiApplication::clipboard()->text()); });
}

RowButtons MakeRowButtons(QWidget* parent, const QString& add_name, const QString& delete_name,
                          std::function<void()> add, std::function<void()> remove) {
    RowButtons buttons;
    buttons.add = new QPushButton(parent);
    buttons.add->setObjectName(add_name);
    buttons.remove = new QPushButton(parent);
    buttons.remove->setObjectName(delete_name);
    QObject::connect(buttons.add, &QPushButton::clicked, parent, std::move(add));
    QObject::connect(buttons.remove, &QPushButton::clicked, parent, std::move(remove));
    buttons.row = new QHBoxLayout;
    buttons.row->addWidget(buttons.add);
    buttons.row->addWidget(buttons.remove);
    buttons.row->addStretch();
    return buttons;
}

}  // namespace kalvesta
