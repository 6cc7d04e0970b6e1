// What the editable tables of the balance window and the fuselage dialog share:
// Ctrl+V on the table hands the clipboard's text to the table's own paste, and a
// row of "Add row" / "Delete rows" buttons under it.
#pragma once

#include <QString>
#include <functional>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace kalvesta {

// Ctrl+V while `table` has the focus calls `paste` with the clipboard's text.
void PasteClipboardInto(QWidget* table, std::function<void(const QString&)> paste);

// The two buttons (named `add_name` and `delete_name`, their captions left to the
// caller), left-aligned in `row`; a click calls `add` or `remove`.
struct RowButtons {
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QHBoxLayout* row = nullptr;
};
RowButtons MakeRowButtons(QWidget* parent, const QString& add_name, const QString& delete_name,
                          std::function<void()> add, std::function<void()> remove);

}  // namespace kalvesta
