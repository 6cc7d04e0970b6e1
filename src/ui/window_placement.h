// Where a window of the program opens: never beyond the screen's available area,
// which at 200 % or on a small screen a fixed place would cross.
#pragma once

class QWidget;

namespace kalvesta {

// `window` beside `main` (right of it where the screen has the room, else left,
// else over it), moved into the screen's available area and no larger than it.
void PlaceBeside(QWidget& window, const QWidget& main);

// `window` moved into the available area of the screen it is on, no larger than it.
void KeepOnScreen(QWidget& window);

}  // namespace kalvesta
