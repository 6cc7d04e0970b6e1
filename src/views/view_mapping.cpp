// Top-view pixel mapping shared by the top view, the panel grid and the marks.
#include "views/view_mapping.h"

#include "model/pixel.h"

namespace kalvesta {

int TopViewCentre(int width) {
    return RoundHalfEven(width / 2.0);
}

int TopViewRow(const ViewMapping& mapping, double x_mm) {
    return RoundHalfEven(x_mm * mapping.top_view_scale + mapping.top_view_axis_row);
}

}  // namespace kalvesta
