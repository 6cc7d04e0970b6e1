// The window's boxes as views of the design: what a user types goes into the design
// as one step per finished edit, a box shows the design's value when it changes by
// other ways, and the undo keys undo the design's steps wherever the focus is.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "model/design.h"

class QLineEdit;
class QWidget;

namespace kalvesta {

// Every text typed into `box` is read by the text-to-integer rule and given to
// `set`; leaving the box (Tab, Return, focus elsewhere) finishes the edit.
void TypeIntoDesign(QLineEdit* box, Design& design, std::function<void(int32_t)> set);
// The same for a box whose text is the design's value as it stands.
void TypeTextIntoDesign(QLineEdit* box, Design& design, std::function<void(const QString&)> set);

// The box shows `value` without telling the design: from a file right-aligned in 4
// characters as always, otherwise only where its text reads as another value (a
// text typed that reads as the value, "abc" for 0, stays as typed).
void ShowBoxValue(QLineEdit* box, int32_t value, bool from_file);

// Undo and redo keys pressed in `widget` reach the window's Undo and Redo instead of
// the widget's own typing history.
void RouteUndoKeys(QWidget* widget);

}  // namespace kalvesta
