// Helpers that make the main window's controls: each at its place and size on the
// 96-pixels-per-inch layout, named with its component name, in the layout's fonts
// and colours.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "texts/catalogue.h"

class QAbstractButton;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace kalvesta {

inline constexpr QColor kBlueFont(0, 0, 255);
inline constexpr QColor kGreenFont(0, 128, 0);
inline constexpr QColor kRedFont(255, 0, 0);
inline constexpr QColor kSilver(192, 192, 192);

// The widget's font at `pixel_size` pixels, its texts in `color`.
void SetFont(QWidget* widget, int pixel_size, QColor color);

// A label as wide as its text.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint at);
// A new text for a label made by MakeLabel: as wide as the text, the height kept.
void SetLabelText(QLabel* label, const QString& text);

// An input box in blue 12-pixel text. Its text is read silently by the
// text-to-integer rule; a value that rule cuts to the 32-bit range, or that lies
// beyond ±100000 mm, turns the text red and the box's tip names the range.
QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect geometry, const QString& text);

// Red text and a tip naming the range while the box's value lies outside it.
void MarkBoxRange(QLineEdit* edit);

// Marks every box below `window` made by MakeEdit anew, its tip in the language of
// `texts`: after a language switch.
void MarkBoxRanges(const QWidget& window, const Catalogue& texts);

// A radio button at `at`, as wide as its caption (FitButtonRow places a row of them).
QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& text, QPoint at);

// Lays out a row of buttons on their panel: at their layout places `x` (one more
// entry: the panel's width) while every caption fits there, as the layout has it;
// otherwise, where the style draws larger (at 144 dpi) or a caption is longer,
// each as wide as it needs, packed from the first place, and the panel widened,
// to the left when `grow_left` (its right edge stays).
void FitButtonRow(QFrame& panel, const std::vector<QAbstractButton*>& buttons,
                  const std::vector<int>& x, bool grow_left);

// A button's caption within `room` pixels: the layout's `width` while the caption
// fits it, else as wide as the caption needs up to `room`, and beyond that in the
// largest smaller font in which the whole caption fits.
void FitButtonCaption(QAbstractButton& button, int width, int room);

// A raised panel.
QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry);

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation,
                          QRect geometry, int min, int max, int position);

}  // namespace kalvesta
