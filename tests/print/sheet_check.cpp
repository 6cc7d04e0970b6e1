// Sheet mapping and ink scans.
#include "sheet_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "qtcanvas/printed_page_rect.h"

namespace kalvesta {

QPoint SheetMapping::ToRaster(double page_x, double page_y) const {
    const PrintedPageRect rect = PrintedPageRectangle(printer_dpi);
    // Dots per page pixel as actually placed, then dots -> inches -> raster pixels.
    const double sx = static_cast<double>(rect.x2 - rect.x1) / 800.0;
    const double sy = static_cast<double>(rect.y2 - rect.y1) / 1220.0;
    const double x_in = origin_in.x() + (rect.x1 + page_x * sx) / printer_dpi;
    const double y_in = origin_in.y() + (rect.y1 + page_y * sy) / printer_dpi;
    return QPoint(static_cast<int>(std::lround(x_in * raster_dpi)),
                  static_cast<int>(std::lround(y_in * raster_dpi)));
}

QRect SheetMapping::ToRasterInside(const QRect& page_rect) const {
    const QPoint top_left = ToRaster(page_rect.left(), page_rect.top());
    const QPoint bottom_right =
        ToRaster(page_rect.left() + page_rect.width(), page_rect.top() + page_rect.height());
    return QRect(top_left, bottom_right).adjusted(1, 1, -2, -2);
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

bool HasInk(const QImage& sheet, const QRect& region) {
    const QRect clipped = region & sheet.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (IsInk(sheet.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

void ExpectColorNear(const QColor& actual, const QColor& expected) {
    EXPECT_NEAR(actual.red(), expected.red(), 8) << actual.name().toStdString();
    EXPECT_NEAR(actual.green(), expected.green(), 8) << actual.name().toStdString();
    EXPECT_NEAR(actual.blue(), expected.blue(), 8) << actual.name().toStdString();
}

QRect InkBounds(const QImage& sheet) {
    QRect ink;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (IsInk(sheet.pixel(x, y))) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

}  // namespace kalvesta
