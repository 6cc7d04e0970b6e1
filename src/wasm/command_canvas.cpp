// The JSON commands of a drawing.
#include "wasm/command_canvas.h"

#include "cli/cli_json.h"

namespace kalvesta::wasm {
namespace {

std::string Numbers(std::initializer_list<int> values) {
    std::string text;
    for (const int value : values) {
        text += ',';
        text += std::to_string(value);
    }
    return text;
}

std::string Rgb(Color color) {
    return Numbers({color.r, color.g, color.b});
}

}  // namespace

void CommandCanvas::Begin(bool uses_pen, bool uses_brush, bool uses_font) {
    const auto next = [this] { commands_ += commands_.empty() ? "[" : ",["; };
    if (uses_pen &&
        (!sent_pen_ || sent_pen_->color != pen.color || sent_pen_->width != pen.width)) {
        next();
        commands_ += "\"pen\"" + Rgb(pen.color) + Numbers({pen.width}) + "]";
        sent_pen_ = pen;
    }
    if (uses_brush && sent_brush_ != brush) {
        next();
        commands_ += "\"brush\"" + Rgb(brush) + "]";
        sent_brush_ = brush;
    }
    if (uses_font && (!sent_font_ || sent_font_->name != font.name ||
                      sent_font_->size_pt != font.size_pt || sent_font_->color != font.color)) {
        next();
        commands_ += "\"font\"," + cli::JsonString(font.name) + Numbers({font.size_pt}) +
                     Rgb(font.color) + "]";
        sent_font_ = font;
    }
    next();
}

void CommandCanvas::MoveTo(int x, int y) {
    Begin(false, false, false);
    commands_ += "\"M\"" + Numbers({x, y}) + "]";
    pen_position_ = {x, y};
}

void CommandCanvas::LineTo(int x, int y) {
    Begin(true, false, false);
    commands_ += "\"L\"" + Numbers({x, y}) + "]";
    pen_position_ = {x, y};
}

void CommandCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Begin(true, true, false);
    commands_ += "\"R\"" + Numbers({x1, y1, x2, y2}) + "]";
}

void CommandCanvas::Polygon(const std::vector<Point>& points) {
    Begin(true, true, false);
    commands_ += "\"P\",[";
    for (size_t i = 0; i < points.size(); ++i) {
        commands_ +=
            (i == 0 ? "" : ",") + std::to_string(points[i].x) + "," + std::to_string(points[i].y);
    }
    commands_ += "]]";
}

void CommandCanvas::TextOut(int x, int y, const std::string& text) {
    Begin(false, true, true);
    commands_ += "\"T\"" + Numbers({x, y}) + "," + cli::JsonString(text) + "]";
}

void CommandCanvas::StretchDraw(int x1, int y1, int x2, int y2, const Canvas& source) {
    if (const auto* picture = dynamic_cast<const CommandCanvas*>(&source)) {
        Begin(false, false, false);
        commands_ += "\"S\"" + Numbers({x1, y1, x2, y2}) + "," + picture->Json() + "]";
    }
}

std::string CommandCanvas::Json() const {
    return "{\"width\":" + std::to_string(width_) + ",\"height\":" + std::to_string(height_) +
           ",\"commands\":[" + commands_ + "]}";
}

}  // namespace kalvesta::wasm
