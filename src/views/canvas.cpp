// Surface colours shared by every drawing.
#include "views/canvas.h"

namespace kalvesta {

Color WingColor(int wing) {
    switch (wing) {
        case 1:
            return colors::kBlue;
        case 2:
            return colors::kFuchsia;
        default:
            return colors::kGreen;
    }
}

}  // namespace kalvesta
