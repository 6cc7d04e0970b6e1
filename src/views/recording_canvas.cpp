// Recording canvas: stores primitives in drawing order.
#include "views/recording_canvas.h"

namespace kalvesta {
namespace {

// The primitives of kind T, in drawing order, that `keep` accepts.
template <class T, class Keep>
std::vector<T> Filter(const std::vector<RecordedPrimitive>& all, Keep keep) {
    std::vector<T> out;
    for (const auto& primitive : all) {
        if (const auto* item = std::get_if<T>(&primitive); item != nullptr && keep(*item)) {
            out.push_back(*item);
        }
    }
    return out;
}

template <class T>
std::vector<T> Filter(const std::vector<RecordedPrimitive>& all) {
    return Filter<T>(all, [](const T&) { return true; });
}

}  // namespace

void RecordingCanvas::MoveTo(int x, int y) {
    pen_position_ = {x, y};
}

void RecordingCanvas::LineTo(int x, int y) {
    primitives_.push_back(RecordedLine{pen_position_, {x, y}, pen.color, pen.width});
    pen_position_ = {x, y};
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    primitives_.push_back(RecordedRectangle{{x1, y1}, {x2, y2}, pen.color, brush});
}

void RecordingCanvas::Polygon(const std::vector<Point>& points) {
    primitives_.push_back(RecordedPolygon{points, pen.color, brush});
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    primitives_.push_back(RecordedText{{x, y}, text, font.color, brush, font});
}

void RecordingCanvas::StretchDraw(int x1, int y1, int x2, int y2, const Canvas& source) {
    primitives_.push_back(RecordedStretch{{x1, y1}, {x2, y2}, &source});
}

std::vector<RecordedLine> RecordingCanvas::Lines() const {
    return Filter<RecordedLine>(primitives_);
}
std::vector<RecordedPolygon> RecordingCanvas::Polygons() const {
    return Filter<RecordedPolygon>(primitives_);
}
std::vector<RecordedText> RecordingCanvas::Texts() const {
    return Filter<RecordedText>(primitives_);
}
std::vector<RecordedRectangle> RecordingCanvas::Rectangles() const {
    return Filter<RecordedRectangle>(primitives_);
}

std::vector<RecordedLine> RecordingCanvas::LinesIn(Color pen_color) const {
    return Filter<RecordedLine>(primitives_,
                                [&](const RecordedLine& line) { return line.color == pen_color; });
}

std::vector<RecordedPolygon> RecordingCanvas::PolygonsIn(Color pen_color) const {
    return Filter<RecordedPolygon>(
        primitives_, [&](const RecordedPolygon& polygon) { return polygon.pen == pen_color; });
}

}  // namespace kalvesta
