// A canvas that keeps every primitive it is given, so that a test can assert the
// exact segments, polygons and texts a view produced.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "views/canvas.h"

namespace kalvesta {

struct RecordedLine {
    Point from;
    Point to;
    Color color;
    int width = 1;
    friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};

struct RecordedRectangle {
    Point top_left;
    Point bottom_right;
    Color pen;
    Color brush;
};

struct RecordedPolygon {
    std::vector<Point> points;
    Color pen;
    Color brush;
};

struct RecordedText {
    Point at;
    std::string text;
    Color color;
    Color background;
    Font font;
};

struct RecordedStretch {
    Point top_left;
    Point bottom_right;
    const Canvas* source = nullptr;
};

using RecordedPrimitive =
    std::variant<RecordedLine, RecordedRectangle, RecordedPolygon, RecordedText, RecordedStretch>;

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Polygon(const std::vector<Point>& points) override;
    void TextOut(int x, int y, const std::string& text) override;
    void StretchDraw(int x1, int y1, int x2, int y2, const Canvas& source) override;

    const std::vector<RecordedPrimitive>& Primitives() const { return primitives_; }
    void Clear() { primitives_.clear(); }

    // Convenience views of the record, in drawing order.
    std::vector<RecordedLine> Lines() const;
    std::vector<RecordedPolygon> Polygons() const;
    std::vector<RecordedText> Texts() const;
    std::vector<RecordedRectangle> Rectangles() const;
    // Only the lines or polygons drawn with this pen colour.
    std::vector<RecordedLine> LinesIn(Color pen_color) const;
    std::vector<RecordedPolygon> PolygonsIn(Color pen_color) const;

    // What is wrong with the drawing, or empty when nothing is: a point at the
    // 32-bit limits, where the pixel conversions put an infinite or runaway
    // position, or a text showing a non-finite number ("NaN", "Inf").
    std::string DrawingFault() const;

private:
    int width_;
    int height_;
    std::vector<RecordedPrimitive> primitives_;
};

}  // namespace kalvesta
