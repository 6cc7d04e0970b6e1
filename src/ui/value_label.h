// A value label of a wing tab: its number never runs under the planform picture
// beside it and never loses a digit.
#pragma once

#include <QString>

class QLabel;

namespace kalvesta {

// The layout's font size of the value labels, in pixels.
inline constexpr int kValueLabelPixelSize = 12;

// Shows `text` in `label`, whose width is fixed by the layout: in the layout's
// font where it fits (every realistic wing, up to 9999 mm span and 999.99 dm²),
// otherwise in the largest smaller font in which the whole text fits.
void ShowValueText(QLabel* label, const QString& text);

}  // namespace kalvesta
