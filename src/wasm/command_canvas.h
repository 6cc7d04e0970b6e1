// A canvas that keeps the primitives drawn on it as JSON commands, which the browser
// page paints on an HTML canvas (web/src/painter.ts). A primitive is preceded by the
// state it uses wherever that changed since the last command:
//   ["pen", r, g, b, width]  ["brush", r, g, b]  ["font", name, size_pt, r, g, b]
// and is one of
//   ["M", x, y]  ["L", x, y]  ["R", x1, y1, x2, y2]  ["P", [x, y, x, y, ...]]
//   ["T", x, y, text]  ["S", x1, y1, x2, y2, picture]
// with the semantics of views/canvas.h; a picture is {"width", "height", "commands"}.
#pragma once

#include <optional>
#include <string>

#include "views/canvas.h"

namespace kalvesta::wasm {

class CommandCanvas : public Canvas {
public:
    CommandCanvas(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Polygon(const std::vector<Point>& points) override;
    void TextOut(int x, int y, const std::string& text) override;
    // Only another CommandCanvas can be drawn: its commands are nested.
    void StretchDraw(int x1, int y1, int x2, int y2, const Canvas& source) override;

    // {"width": w, "height": h, "commands": [...]}
    std::string Json() const;

private:
    // Starts a command, after the state commands of what it uses.
    void Begin(bool uses_pen, bool uses_brush, bool uses_font);

    int width_;
    int height_;
    std::string commands_;
    std::optional<Pen> sent_pen_;
    std::optional<Color> sent_brush_;
    std::optional<Font> sent_font_;
};

}  // namespace kalvesta::wasm
