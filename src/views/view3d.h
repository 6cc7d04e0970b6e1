// The three-dimensional wire frame of the aircraft below the top view: the outline
// of every selected wing, both halves, at its own height, and two axis lines, in
// perspective from the angles of the elevation and azimuth scroll bars.
#pragma once

#include <array>

#include "model/aircraft.h"
#include "views/canvas.h"
#include "views/view3d_controls.h"
#include "views/view_mapping.h"
#include "views/wing_selection.h"

namespace kalvesta {

// 4 × 4 row-major matrix; points are row vectors (y, x, z, 1) multiplied from the left.
using Matrix4 = std::array<std::array<double, 4>, 4>;

// One point of the wire frame: y (spanwise), x (aft), z (up) in view units (mm ×
// view3d_scale), and its projection: u the upward and v the spanwise screen
// offset. `projected` is false while the point lies at or behind the eye, or its
// projection is not finite; u and v then keep their previous values and are not drawn.
struct View3DPoint {
    double y = 0.0;
    double x = 0.0;
    double z = 0.0;
    double u = 0.0;
    double v = 0.0;
    bool projected = false;
};

// Indices 0..82: 10(w − 1) + 0..7 stations 0..3 of wing w's right half (LE, TE
// pairs; station 0 and 1 as LE0, LE1, TE1, TE0), 70 + 2(w − 1) and + 1 its station 4;
// 40 + the same for the left half, 76 + 2(w − 1) and + 1 its station 4; 30, 31 the
// span axis and 32, 33 the longitudinal axis. The other indices are not used.
inline constexpr int kView3DPointCount = 83;
using View3DPoints = std::array<View3DPoint, kView3DPointCount>;

// result[r][c] = Σ_i left[r][i] × right[i][c], summed in i order.
Matrix4 MulMatrix(const Matrix4& left, const Matrix4& right);

// Projects every point: (Y, X, Z, W) = (y, x, z, 1) × matrix; when W > 0 and the
// quotients are finite, u = Z / W and v = Y / W.
void Trans(View3DPoints& points, const Matrix4& matrix);

// The view matrix A × B × P for the scroll-bar positions: A turns by the azimuth
// β = 360 − azimuth_position degrees about the vertical axis, B by the elevation
// α = 90 − elevation_position degrees about the span axis, P puts the eye 10000
// view units ahead (W = 1 + X / 10000). Then Trans with it; returns the matrix.
Matrix4 Calc3D(View3DPoints& points, int elevation_position, int azimuth_position);

// Fills the point list from the model, scaled by mapping.view3d_scale (the axis
// points unscaled, ±4000).
View3DPoints View3DPointsOf(const Aircraft& aircraft, double view3d_scale);

// The zoom bar position (ScrollBar4) at which the selected wings, as the bars turn
// them, fill a width × height picture as far as they can without leaving it (a
// margin of 4 pixels): the largest zoom of the bar's range that fits, or its
// smallest when none does.
int FitZoomPosition(const Aircraft& aircraft, const WingSelection& drawn,
                    const View3DControls& controls, double top_view_scale, int width, int height);

// Redraws the whole view: background, axes, the selected wings in their colours.
// A point is drawn at (Trunc(width / 2) − Trunc(v), Trunc(height / 2) − Trunc(u));
// a line with an end that could not be projected is left out.
void DrawView3D(Canvas& canvas, const Aircraft& aircraft, const WingSelection& drawn,
                const View3DControls& controls, const ViewMapping& mapping);

}  // namespace kalvesta
