// The core's Canvas painted on a QImage: the window's image controls, the printed
// page and the exported summary all draw through it.
#pragma once

#include <QImage>

#include "qtcanvas/layout_font.h"
#include "views/canvas.h"

namespace kalvesta {

class QtCanvas : public Canvas {
public:
    // Paints on `image`, which must outlive the canvas.
    explicit QtCanvas(QImage& image) : image_(&image) { SubstituteLayoutFont(); }

    int Width() const override { return image_->width(); }
    int Height() const override { return image_->height(); }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Polygon(const std::vector<Point>& points) override;
    void TextOut(int x, int y, const std::string& text) override;
    void StretchDraw(int x1, int y1, int x2, int y2, const Canvas& source) override;

    const QImage& Image() const { return *image_; }

private:
    QImage* image_;
};

// The Qt colour of a canvas colour.
QColor ToQColor(Color color);

}  // namespace kalvesta
