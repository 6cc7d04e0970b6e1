// The drawing surface every view draws on: the semantics of a classic desktop
// canvas with a current pen (colour, width, position), a brush colour and a font.
// The window paints it on images, the tests record it, the printer stretches it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kalvesta {

struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kFuchsia{255, 0, 255};
inline constexpr Color kGreen{0, 128, 0};
inline constexpr Color kGrey{128, 128, 128};
inline constexpr Color kSilver{192, 192, 192};
// The system's tool-tip ("info") background colour, the light yellow behind the views.
inline constexpr Color kInfoBackground{255, 255, 225};
}  // namespace colors

// The fixed colour of each surface everywhere it appears, index 1..3.
Color WingColor(int wing);

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Pen {
    Color color = colors::kBlack;
    int width = 1;
};

struct Font {
    std::string name = "MS Sans Serif";
    int size_pt = 8;
    Color color = colors::kBlack;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    Pen pen;
    Color brush = colors::kWhite;
    Font font;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Moves the pen without drawing.
    virtual void MoveTo(int x, int y) = 0;
    // Draws from the pen position to (x, y), excluding the end point, and moves there.
    virtual void LineTo(int x, int y) = 0;
    // Fills the rectangle (x1, y1)-(x2, y2), right and bottom exclusive, with the
    // brush and frames it with the pen.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Fills the closed polygon with the brush and outlines it with the pen.
    virtual void Polygon(const std::vector<Point>& points) = 0;
    // Writes text with its top-left corner at (x, y) on an opaque background in the
    // brush colour, in the current font.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Copies the whole of `source` scaled into the rectangle (x1, y1)-(x2, y2).
    virtual void StretchDraw(int x1, int y1, int x2, int y2, const Canvas& source) = 0;

    Point PenPosition() const { return pen_position_; }

protected:
    Point pen_position_;
};

}  // namespace kalvesta
