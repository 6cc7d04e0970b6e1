// Checks on a printed sheet rasterised from a PDF: where a page pixel landed, and
// whether a region carries ink.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

namespace kalvesta {

// Maps summary-page pixels to raster pixels of the sheet: the page printed at
// `printer_dpi` into PrintedPageRectangle, measured from the printable area's
// corner `origin_in` (inches from the sheet's corner), rasterised at `raster_dpi`.
struct SheetMapping {
    int printer_dpi = 600;
    QPointF origin_in;
    int raster_dpi = 100;

    QPoint ToRaster(double page_x, double page_y) const;
    // The raster pixels a rectangle of page pixels covers, shrunk by one pixel on
    // every side so that anti-aliased edges do not count.
    QRect ToRasterInside(const QRect& page_rect) const;
};

// Dark enough to count as ink.
bool IsInk(QRgb pixel);

// Whether any pixel of `region` (clipped to the sheet) is ink.
bool HasInk(const QImage& sheet, const QRect& region);

// Each channel within 8 of the expected colour (the PDF's colour conversion may
// move a channel by a step or two).
void ExpectColorNear(const QColor& actual, const QColor& expected);

// The bounding box of all ink on the sheet (null when the sheet is blank).
QRect InkBounds(const QImage& sheet);

}  // namespace kalvesta
