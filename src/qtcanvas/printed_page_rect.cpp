// The printed page's rectangle in printer dots.
#include "qtcanvas/printed_page_rect.h"

#include "model/pixel.h"

namespace kalvesta {

PrintedPageRect PrintedPageRectangle(int dpi_x) {
    // s: printer dots per page pixel; 3.4 at 600 dpi (a page pixel is 1/176.5 inch).
    const double s = static_cast<double>(dpi_x) / 600.0 * 3.4;
    return PrintedPageRect{RoundHalfEven(105.0 * s), RoundHalfEven(100.0 * s),
                           RoundHalfEven(905.0 * s), RoundHalfEven(1320.0 * s)};
}

}  // namespace kalvesta
