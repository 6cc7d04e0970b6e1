// Numbers in the window's message texts: a fixed count of decimals, "." whatever
// the locale.
#pragma once

#include <QString>

#include "model/number_format.h"

namespace kalvesta {

inline QString Fixed(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

}  // namespace kalvesta
