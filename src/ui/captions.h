// The window's switchable captions in English and Russian, and the routines that
// put one column of them on the controls.
#pragma once

class QWidget;

namespace kalvesta {

// Sets every switchable caption below `window` (controls, tabs, menus found by
// their component names) to English or Russian. Value labels, the window caption,
// the "Info" menu, tool-button hints and "%" are not switched.
void ApplyCaptions(QWidget* window, bool english);

}  // namespace kalvesta
