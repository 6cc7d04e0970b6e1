// Recording canvas: stores primitives in drawing order.
#include "support/recording_canvas.h"

#include <cstdint>
#include <limits>

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

bool AtLimit(Point p) {
    constexpr int kMin = std::numeric_limits<int32_t>::min();
    constexpr int kMax = std::numeric_limits<int32_t>::max();
    return p.x == kMin || p.x == kMax || p.y == kMin || p.y == kMax;
}

bool ShowsNonFinite(const std::string& text) {
    return text.find("NaN") != std::string::npos || text.find("Inf") != std::string::npos;
}

// The fault of one primitive, or nullptr.
struct PrimitiveFault {
    const char* operator()(const RecordedLine& line) const {
        return AtLimit(line.from) || AtLimit(line.to) ? "a line ends at the pixel limit" : nullptr;
    }
    const char* operator()(const RecordedRectangle& rectangle) const {
        return AtLimit(rectangle.top_left) || AtLimit(rectangle.bottom_right)
                   ? "a rectangle corner at the pixel limit"
                   : nullptr;
    }
    const char* operator()(const RecordedPolygon& polygon) const {
        for (const Point& point : polygon.points) {
            if (AtLimit(point)) {
                return "a polygon corner at the pixel limit";
            }
        }
        return nullptr;
    }
    const char* operator()(const RecordedText& text) const {
        if (AtLimit(text.at)) {
            return "a text at the pixel limit";
        }
        return ShowsNonFinite(text.text) ? "a text shows a non-finite number" : nullptr;
    }
    const char* operator()(const RecordedStretch& stretch) const {
        return AtLimit(stretch.top_left) || AtLimit(stretch.bottom_right)
                   ? "a stretched copy at the pixel limit"
                   : nullptr;
    }
};

}  // namespace

std::string RecordingCanvas::DrawingFault() const {
    for (size_t i = 0; i < primitives_.size(); ++i) {
        if (const char* fault = std::visit(PrimitiveFault{}, primitives_[i]); fault != nullptr) {
            return std::string(fault) + " (primitive " + std::to_string(i) + ")";
        }
    }
    return {};
}

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
