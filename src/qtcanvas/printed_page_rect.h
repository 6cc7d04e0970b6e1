// Where the 800 x 1220 summary page lands on the printed sheet: the page's own
// pixels scaled to 3.4 printer dots each at 600 dpi, set in from the printable
// area's top-left corner. Pure arithmetic, so the placement is tested without a printer.
#pragma once

namespace kalvesta {

// Rectangle in printer dots, right and bottom exclusive.
struct PrintedPageRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    friend bool operator==(const PrintedPageRect&, const PrintedPageRect&) = default;
};

// With s = dpi_x / 600 x 3.4 the page fills (105 s, 100 s)-(905 s, 1320 s), each
// coordinate rounded to the nearest dot with halves to even. dpi_x = 0 (no usable
// resolution) gives the empty rectangle at the origin.
PrintedPageRect PrintedPageRectangle(int dpi_x);

}  // namespace kalvesta
