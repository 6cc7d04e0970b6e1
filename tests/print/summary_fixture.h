// A summary page drawn as the window draws it: the default two-wing aircraft,
// hand-set results, and plain-coloured stand-ins for the top view and 3-D view.
#pragma once

#include <QColor>
#include <QImage>

namespace kalvesta {

class Catalogue;

// The stand-in pictures' colours, to be found again on the sheet.
inline const QColor kTopViewColor{0, 0, 255};
inline const QColor kView3dColor{0, 128, 0};

// The 800 x 1220 page in the language of `texts`.
QImage DrawnSummaryPage(const Catalogue& texts);

}  // namespace kalvesta
