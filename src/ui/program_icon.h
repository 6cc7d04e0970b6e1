// The program icon, kept in data/icons and compiled into the program.
#pragma once

#include <QIcon>

namespace kalvesta {

// The icon in all its sizes, 16 to 256 pixels, for every window of the program.
QIcon ProgramIcon();

}  // namespace kalvesta
