// The window's switchable captions in English and Russian, and the routines that
// put one column of them on the controls.
#pragma once

#include <QStringList>

class QTabWidget;

namespace kalvesta {

class ComponentTable;

// Sets every switchable caption (controls, tab pages of `tabs`, menus and items,
// found by their component names) to English or Russian. Value labels, the window
// caption, the "Info" menu, tool-button hints and "%" are not switched.
void ApplyCaptions(const ComponentTable& components, QTabWidget& tabs, bool english);

// The component names of the caption table that no control carries.
QStringList UncaptionableNames(const ComponentTable& components);

}  // namespace kalvesta
