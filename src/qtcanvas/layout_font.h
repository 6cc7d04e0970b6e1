// The font the layout is measured in: "MS Sans Serif" at a pixel size, drawn in a
// free sans whose widths fit the layout wherever that font is missing.
#pragma once

#include <QFont>

namespace kalvesta {

// Where "MS Sans Serif" is missing, its texts are drawn in Liberation Sans: of
// the free sans fonts its widths are the closest (DejaVu Sans is about a sixth
// wider and runs captions into their neighbours). Idempotent; the windows and the
// picture canvas call it before they draw any text.
void SubstituteLayoutFont();

// "MS Sans Serif" at `pixel_size` pixels (the layout's 8 points are 11 pixels).
QFont LayoutFont(int pixel_size);

}  // namespace kalvesta
