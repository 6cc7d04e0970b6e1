// QtCanvas: each primitive paints straight into the image with the canvas state.
#include "qtcanvas/qt_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "model/check.h"

namespace kalvesta {
namespace {

QPen ToQPen(const Pen& pen) {
    QPen qpen(ToQColor(pen.color));
    // Width 1 draws cosmetic one-pixel lines like a classic canvas.
    qpen.setWidth(pen.width <= 1 ? 0 : pen.width);
    return qpen;
}

// Points to pixels on the 96-per-inch pictures the views draw on.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// A classic fixed-pitch "Courier" cell is 9/16 of the font height wide (9 pixels
// at 12 points); the page layouts rely on it. The substitute fonts a system offers
// are wider (about 0.6 em), so their advance is brought back to that cell.
constexpr double kCourierCellWidthPerHeight = 9.0 / 16.0;

QFont ToQFont(const Font& font) {
    QFont qfont(QString::fromStdString(font.name));
    const bool fixed_pitch = font.name.find("Courier") != std::string::npos;
    qfont.setStyleHint(fixed_pitch ? QFont::TypeWriter : QFont::SansSerif);
    const int pixel_size = qRound((font.size_pt > 0 ? font.size_pt : 8) * kPixelsPerPoint);
    qfont.setPixelSize(pixel_size);
    if (fixed_pitch) {
        const double advance = QFontMetricsF(qfont).horizontalAdvance(QLatin1Char('0'));
        qfont.setLetterSpacing(QFont::AbsoluteSpacing,
                               kCourierCellWidthPerHeight * pixel_size - advance);
    }
    return qfont;
}

}  // namespace

QColor ToQColor(Color color) {
    return QColor(color.r, color.g, color.b);
}

void QtCanvas::MoveTo(int x, int y) {
    pen_position_ = {x, y};
}

void QtCanvas::LineTo(int x, int y) {
    QPainter painter(image_);
    painter.setPen(ToQPen(pen));
    painter.drawLine(pen_position_.x, pen_position_.y, x, y);
    pen_position_ = {x, y};
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    QPainter painter(image_);
    painter.setPen(ToQPen(pen));
    painter.setBrush(ToQColor(brush));
    // Right and bottom edges are exclusive: the frame covers x1..x2-1, y1..y2-1.
    painter.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void QtCanvas::Polygon(const std::vector<Point>& points) {
    QPolygon polygon;
    for (const Point& point : points) {
        polygon << QPoint(point.x, point.y);
    }
    QPainter painter(image_);
    painter.setPen(ToQPen(pen));
    painter.setBrush(ToQColor(brush));
    painter.drawPolygon(polygon);
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    QPainter painter(image_);
    const QFont qfont = ToQFont(font);
    painter.setFont(qfont);
    painter.setPen(ToQColor(font.color));
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(qfont, image_);
    const QRect box(x, y, metrics.horizontalAdvance(qtext), metrics.height());
    painter.fillRect(box, ToQColor(brush));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, qtext);
}

void QtCanvas::StretchDraw(int x1, int y1, int x2, int y2, const Canvas& source) {
    const auto* qt_source = dynamic_cast<const QtCanvas*>(&source);
    KALVESTA_CHECK(qt_source != nullptr);
    QPainter painter(image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(x1, y1, x2 - x1, y2 - y1), qt_source->Image());
}

}  // namespace kalvesta
