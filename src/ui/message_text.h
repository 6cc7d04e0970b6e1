// Pieces of the window's message texts: the text in one of two languages, and
// numbers with a fixed count of decimals ("." whatever the locale).
#pragma once

#include <QString>

#include "model/number_format.h"

namespace kalvesta {

// `in_english` when `english`, else `in_other`, the message's second language
// (Russian for what follows the captions, German for the analysis' messages);
// "%1".. are filled in by arg().
inline QString InLanguage(bool english, const char* in_english, const char* in_other) {
    return QString::fromUtf8(english ? in_english : in_other);
}

inline QString Fixed(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

}  // namespace kalvesta
