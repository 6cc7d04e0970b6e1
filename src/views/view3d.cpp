// Three-dimensional view: view matrix from the scroll-bar angles, perspective
// projection of the wire-frame points, and the drawing.
#include "views/view3d.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "model/pixel.h"
#include "views/pixel_sum.h"

namespace kalvesta {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;  // π / 180
// The eye lies this many view units (pixels) ahead of the origin along the
// transformed x axis.
constexpr double kEyeDistance = 10000.0;
// The axis lines run this far either way from the origin, unscaled, so that they
// cross the whole picture.
constexpr double kAxisHalfLength = 4000.0;

constexpr Matrix4 kIdentity{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

enum class Half { kRight, kLeft };

// Index of station k's leading edge of wing w in the point list.
size_t LeadingIndex(int w, int k, Half half) {
    const int base = (half == Half::kRight ? 0 : 40) + 10 * (w - 1);
    const int tip = (half == Half::kRight ? 70 : 76) + 2 * (w - 1);
    constexpr int kOffset[] = {0, 1, 4, 6};
    return static_cast<size_t>(k == 4 ? tip : base + kOffset[k]);
}

// Index of station k's trailing edge of wing w in the point list.
size_t TrailingIndex(int w, int k, Half half) {
    const int base = (half == Half::kRight ? 0 : 40) + 10 * (w - 1);
    const int tip = (half == Half::kRight ? 70 : 76) + 2 * (w - 1);
    constexpr int kOffset[] = {3, 2, 5, 7};
    return static_cast<size_t>(k == 4 ? tip + 1 : base + kOffset[k]);
}

class Projection {
public:
    Projection(Canvas& canvas, const View3DPoints& points)
        : canvas_(canvas),
          points_(points),
          cx_(TruncToward0(canvas.Width() / 2.0)),
          cy_(TruncToward0(canvas.Height() / 2.0)) {}

    // Lines through the listed points in turn, leaving out every line with an end
    // that could not be projected.
    void Outline(std::initializer_list<size_t> indices) {
        bool pen_on_previous = false;
        for (size_t index : indices) {
            const View3DPoint& p = points_[index];
            if (!p.projected) {
                pen_on_previous = false;
                continue;
            }
            const int column = PixelSum(cx_, -int64_t{TruncToward0(p.v)});
            const int row = PixelSum(cy_, -int64_t{TruncToward0(p.u)});
            if (pen_on_previous) {
                canvas_.LineTo(column, row);
            } else {
                canvas_.MoveTo(column, row);
            }
            pen_on_previous = true;
        }
    }

private:
    Canvas& canvas_;
    const View3DPoints& points_;
    int cx_;
    int cy_;
};

void DrawWing(Projection& projection, const WingSelection& drawn, int w) {
    for (Half half : {Half::kRight, Half::kLeft}) {
        projection.Outline({LeadingIndex(w, 0, half), LeadingIndex(w, 1, half),
                            TrailingIndex(w, 1, half), TrailingIndex(w, 0, half),
                            LeadingIndex(w, 0, half)});
    }
    for (int k = 2; k <= kMaxTrapezoids && drawn.DrawsTrapezoid(w, k); ++k) {
        for (Half half : {Half::kRight, Half::kLeft}) {
            projection.Outline({LeadingIndex(w, k - 1, half), LeadingIndex(w, k, half),
                                TrailingIndex(w, k, half), TrailingIndex(w, k - 1, half)});
        }
    }
}

}  // namespace

Matrix4 MulMatrix(const Matrix4& left, const Matrix4& right) {
    Matrix4 product{};
    for (size_t r = 0; r < 4; ++r) {
        for (size_t c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (size_t i = 0; i < 4; ++i) {
                sum += left[r][i] * right[i][c];
            }
            product[r][c] = sum;
        }
    }
    return product;
}

void Trans(View3DPoints& points, const Matrix4& matrix) {
    for (View3DPoint& p : points) {
        const std::array<double, 4> row{p.y, p.x, p.z, 1.0};
        std::array<double, 4> out{};  // Y, X, Z, W
        for (size_t c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (size_t i = 0; i < 4; ++i) {
                sum += row[i] * matrix[i][c];
            }
            out[c] = sum;
        }
        const double w = out[3];
        const double u = out[2] / w;
        const double v = out[0] / w;
        p.projected = w > 0.0 && std::isfinite(u) && std::isfinite(v);
        if (p.projected) {
            p.u = u;
            p.v = v;
        }
    }
}

Matrix4 Calc3D(View3DPoints& points, int elevation_position, int azimuth_position) {
    const double alpha = (90 - elevation_position) * kRadiansPerDegree;
    const double beta = (360 - azimuth_position) * kRadiansPerDegree;

    // A: azimuth, about the vertical axis.
    Matrix4 a = kIdentity;
    a[0][0] = std::cos(beta);
    a[0][1] = std::sin(beta);
    a[1][0] = -std::sin(beta);
    a[1][1] = std::cos(beta);
    // B: elevation, about the span axis.
    Matrix4 b = kIdentity;
    b[1][1] = std::cos(alpha);
    b[1][2] = std::sin(alpha);
    b[2][1] = -std::sin(alpha);
    b[2][2] = std::cos(alpha);
    // P: perspective, W = 1 + X / 10000.
    Matrix4 p = kIdentity;
    p[1][3] = 1.0 / kEyeDistance;

    const Matrix4 matrix = MulMatrix(MulMatrix(a, b), p);
    Trans(points, matrix);
    return matrix;
}

View3DPoints View3DPointsOf(const Aircraft& aircraft, double view3d_scale) {
    View3DPoints points{};
    auto set = [&](size_t index, double y, double x, double z) {
        points[index].y = y * view3d_scale;
        points[index].x = x * view3d_scale;
        points[index].z = z * view3d_scale;
    };
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        const double wing_x = aircraft.wing_x_mm[w];
        const double z = aircraft.wing_z_mm[w];
        for (int station = 0; station < kMaxStations; ++station) {
            const auto k = static_cast<size_t>(station);
            const double y = aircraft.station_y_mm[k][w];
            const double leading = k == 0 ? wing_x : wing_x + aircraft.le_x_mm[k][w];
            const double trailing = leading + aircraft.chord_mm[k][w];
            set(LeadingIndex(wing, station, Half::kRight), y, leading, z);
            set(TrailingIndex(wing, station, Half::kRight), y, trailing, z);
            set(LeadingIndex(wing, station, Half::kLeft), -y, leading, z);
            set(TrailingIndex(wing, station, Half::kLeft), -y, trailing, z);
        }
    }
    points[30] = {kAxisHalfLength, 0, 0};
    points[31] = {-kAxisHalfLength, 0, 0};
    points[32] = {0, kAxisHalfLength, 0};
    points[33] = {0, -kAxisHalfLength, 0};
    return points;
}

int FitZoomPosition(const Aircraft& aircraft, const WingSelection& drawn,
                    const View3DControls& controls, double top_view_scale, int width, int height) {
    constexpr double kMargin = 4.0;
    const double half_width = TruncToward0(width / 2.0) - kMargin;
    const double half_height = TruncToward0(height / 2.0) - kMargin;
    const ScrollBarPosition& zoom = controls.ScrollBar4();
    // From the largest zoom down: the first position at which every point fits.
    for (int position = zoom.Min(); position < zoom.Max(); ++position) {
        View3DPoints points = View3DPointsOf(aircraft, ZoomedView3DScale(position, top_view_scale));
        Calc3D(points, controls.ScrollBar1().Position(), controls.ScrollBar2().Position());
        bool fits = true;
        for (int wing = 1; wing <= kMaxWings && fits; ++wing) {
            for (int k = 0; k <= kMaxTrapezoids && fits && drawn.Draws(wing); ++k) {
                if (k >= 2 && !drawn.DrawsTrapezoid(wing, k)) {
                    break;
                }
                for (Half half : {Half::kRight, Half::kLeft}) {
                    for (size_t index :
                         {LeadingIndex(wing, k, half), TrailingIndex(wing, k, half)}) {
                        const View3DPoint& p = points[index];
                        fits = fits && p.projected && std::abs(p.u) <= half_height &&
                               std::abs(p.v) <= half_width;
                    }
                }
            }
        }
        if (fits) {
            return position;
        }
    }
    return zoom.Max();
}

void DrawView3D(Canvas& canvas, const Aircraft& aircraft, const WingSelection& drawn,
                const View3DControls& controls, const ViewMapping& mapping) {
    canvas.brush = colors::kInfoBackground;
    canvas.pen.color = colors::kGrey;
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());

    View3DPoints points = View3DPointsOf(aircraft, mapping.view3d_scale);
    Calc3D(points, controls.ScrollBar1().Position(), controls.ScrollBar2().Position());

    Projection projection(canvas, points);
    canvas.pen.color = colors::kBlack;
    projection.Outline({30, 31});
    projection.Outline({32, 33});
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        if (drawn.Draws(wing)) {
            canvas.pen.color = WingColor(wing);
            DrawWing(projection, drawn, wing);
        }
    }
}

}  // namespace kalvesta
