// Lengths as the window's own dialogs take them, checked before they are used, and
// the range in which a main input box's value is drawn and calculated sensibly.
#pragma once

#include <string_view>

#include "model/text_to_int.h"

namespace kalvesta {

// The largest length, in mm, that a dialog takes and that a main box shows without
// a warning: a hundred metres is beyond any model aircraft, and its drawings stay
// legible up to there.
inline constexpr double kLengthLimitMm = 100000.0;

enum class LengthTextError {
    kNone,
    kEmpty,       // nothing but blanks
    kNotANumber,  // letters, two signs, two decimal points, ...
    kNotFinite,   // "inf", "nan", or a number beyond the double range
    kOutOfRange,  // a number beyond ±kLengthLimitMm
};

struct LengthText {
    double mm = 0.0;
    LengthTextError error = LengthTextError::kNone;
};

// A length typed as text, whatever the locale: blanks around it, an optional sign,
// digits with one optional decimal point, which may be written as a comma
// ("110,5" is 110.5), and an optional exponent ("e" or "E", optional sign,
// digits). Any other text is refused with its reason rather than read in part.
// The number is in units of `mm_per_unit` millimetres (25.4 for inches); `mm` and
// the limit are in millimetres.
LengthText ParseLengthText(std::string_view text, double mm_per_unit = 1.0);

// Whether a main box's value, as the text-to-integer rule read it, lies where the
// drawings and the calculation show it as typed: not cut to the 32-bit range and
// within ±kLengthLimitMm.
bool IsWithinLengthLimit(const Int32Reading& reading);

}  // namespace kalvesta
