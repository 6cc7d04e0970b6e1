// The pixel mappings the aircraft views share. The top view chooses its scale and
// the row of aircraft x = 0; the panel grid and the stability marks are drawn into
// the same picture with them, and the three-dimensional view starts from the same
// scale. The caller owns one ViewMapping for the life of the window.
#pragma once

#include <cstdint>
#include <optional>

namespace kalvesta {

struct ViewMapping {
    double top_view_scale = 1.0;    // pixels per mm of the top view
    int32_t top_view_axis_row = 0;  // pixel row of the top view at which aircraft x = 0 lies
    double view3d_scale = 1.0;      // pixels per mm of the three-dimensional view
};

// Column of the top view's centre line: Round(width / 2), halves to even.
int TopViewCentre(int width);

// Row of an aircraft x (mm) in the top view: Round(x × scale + axis row), halves to
// even. The root row of a wing and the marks on the aircraft axis use it.
int TopViewRow(const ViewMapping& mapping, double x_mm);

// That row when it lies inside a picture `height` rows high. A mark that falls
// outside is left out: it would not show, and an absurd margin would put it at a
// runaway row far beyond any picture.
std::optional<int> TopViewRowWithin(const ViewMapping& mapping, int height, double x_mm);

}  // namespace kalvesta
