// The position pictures behind the position boxes on the "Aircraft" tab (Image5,
// Image55, Image555): a side view of a wing section with the dimension arrows of
// its position x and height z, and the wing's title in the top right corner.
#pragma once

#include <string>

#include "texts/catalogue.h"
#include "views/canvas.h"

namespace kalvesta {

// Draws the picture of wing `wing` (1..3; 172 × 84 or 85 pixels). The vertical
// axis is column 5, the x arrow runs along row 28 from it to the section's leading
// edge at column 126, the z arrow up column 126 from the bottom axis. Laid over the
// picture at (8, 16) on the tab, the x box at (40, 32) sits on the x arrow and the z
// box at (88, 56) beside the z arrow. Wing-1's picture also carries the axis
// letters and a red arrow pointing left, the flight direction.
void DrawPositionPicture(Canvas& canvas, int wing);

// "Wing-1  " ... "Wing-3  " (two trailing blanks) or "Крыло -1" ... "Крыло -3".
std::string PositionTitle(int wing, const Catalogue& texts);

// Writes the wing's title into its picture, black on silver, at
// (Trunc(width × 0.7), 2), in the canvas's font.
void DrawPositionTitle(Canvas& canvas, int wing, const Catalogue& texts);

}  // namespace kalvesta
