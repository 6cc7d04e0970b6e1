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

std::optional<int> TopViewRowWithin(const ViewMapping& mapping, int height, double x_mm) {
    const int row = TopViewRow(mapping, x_mm);
    return row >= 0 && row < height ? std::optional<int>(row) : std::nullopt;
}

}  // namespace kalvesta
