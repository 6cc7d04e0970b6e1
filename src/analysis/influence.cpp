// Biot-Savart law for a horseshoe vortex (INDU) and the assembly of the influence
// matrix over every pair of control point and horseshoe (EINFLUSS).
#include "analysis/influence.h"

#include <algorithm>
#include <cmath>

#include "model/check.h"

namespace kalvesta {
namespace {

// For a point exactly on a trailing leg's line (r_y = r_z = 0) the leg's r_z is
// replaced by this, so that the leg contributes r_y × (a finite value) = 0.
constexpr double kLegCutOff = 1e-17;

// Copies the lattice into panel order; returns the number of panels walked.
int FlattenPanels(int calc_wing_count, const Lattice& lattice, PanelPoints& points) {
    int count = 0;
    for (size_t w = 1; w <= static_cast<size_t>(calc_wing_count); ++w) {
        const auto strips = static_cast<size_t>(lattice.span_count[w]);
        const auto chords = static_cast<size_t>(lattice.chord_count[w]);
        for (size_t k = 1; k <= strips; ++k) {
            for (size_t m = 1; m <= chords; ++m, ++count) {
                if (count >= kMaxPanels) {
                    continue;  // counted, and refused below
                }
                const auto p = static_cast<size_t>(count);
                points.control_x[p] = lattice.control_x[m][k][w];
                points.control_y[p] = lattice.control_y[k][w];
                points.vortex_x1[p] = lattice.vortex_x1[m][k][w];
                points.vortex_x2[p] = lattice.vortex_x2[m][k][w];
                points.vortex_y1[p] = lattice.vortex_y1[k][w];
                points.vortex_y2[p] = lattice.vortex_y2[k][w];
                points.z[p] = lattice.surface_z[w];
            }
        }
    }
    return count;
}

// The body of INDU, inlined into the assembly loop.
inline double HorseshoeDownwash(Vec3 r1, Vec3 r2) {
    // Bound segment, with r0 = r2 − r1 (start minus end):
    //   w_bound = (r0 × r1)_z · (r0·r1/|r1| − r0·r2/|r2|) / |r0 × r1|².
    const Vec3 r0{r2.x - r1.x, r2.y - r1.y, r2.z - r1.z};
    const double s1 = r0.x * r1.x + r0.y * r1.y + r0.z * r1.z;
    const double s2 = r0.x * r2.x + r0.y * r2.y + r0.z * r2.z;
    const double length1 = std::sqrt(r1.x * r1.x + r1.y * r1.y + r1.z * r1.z);
    const double length2 = std::sqrt(r2.x * r2.x + r2.y * r2.y + r2.z * r2.z);
    const double c_x = r0.y * r1.z - r0.z * r1.y;
    const double c_y = r0.z * r1.x - r0.x * r1.z;
    const double c_z = r0.x * r1.y - r0.y * r1.x;
    const double q = c_x * c_x + c_y * c_y + c_z * c_z;
    const double f = q == 0.0 ? 0.0 : (s1 / length1 - s2 / length2) / q;

    // Semi-infinite legs along x: w_leg = (r_x/|r| + 1) / (r_y² + r_z²), times −r1_y
    // for the leg arriving at the start and +r2_y for the leg leaving the end.
    if (r1.z == 0.0 && r1.y == 0.0) {
        r1.z = kLegCutOff;
    }
    if (r2.z == 0.0 && r2.y == 0.0) {
        r2.z = kLegCutOff;
    }
    const double g1 = (r1.x / length1 + 1.0) / (r1.y * r1.y + r1.z * r1.z);
    const double g2 = (r2.x / length2 + 1.0) / (r2.y * r2.y + r2.z * r2.z);
    return c_z * f - r1.y * g1 + r2.y * g2;
}

}  // namespace

double INDU(Vec3 r1, Vec3 r2) {
    return HorseshoeDownwash(r1, r2);
}

void EINFLUSS(int calc_wing_count, const Lattice& lattice, PanelPoints& points,
              PanelMatrix& influence_matrix, Memo& memo) {
    KALVESTA_CHECK(calc_wing_count >= 0 && calc_wing_count <= kMaxWings);
    const int walked = FlattenPanels(calc_wing_count, lattice, points);
    const int n = std::clamp(lattice.panel_count, 0, kMaxPanels);
    influence_matrix.Resize(n);
    const auto un = static_cast<size_t>(n);

    if (walked != lattice.panel_count || walked > kMaxPanels) {
        std::fill_n(influence_matrix.data(), un * un, 0.0);
        memo.ReportFailure("EINFLUSS: Irgend ein Kuddel-Muddel");
        return;
    }

    // Row i: control point i; column j: horseshoe j with its mirror image, which
    // runs from E2' to E1' (y negated), so r_y = P_y + E_y and the ends swap.
    for (size_t i = 0; i < un; ++i) {
        const double px = points.control_x[i];
        const double py = points.control_y[i];
        const double pz = points.z[i];
        double* const row = influence_matrix.row(static_cast<int>(i) + 1);
        for (size_t j = 0; j < un; ++j) {
            const double dx1 = px - points.vortex_x1[j];
            const double dx2 = px - points.vortex_x2[j];
            const double dz = pz - points.z[j];
            const double direct =
                INDU({dx1, py - points.vortex_y1[j], dz}, {dx2, py - points.vortex_y2[j], dz});
            const double image =
                INDU({dx2, py + points.vortex_y2[j], dz}, {dx1, py + points.vortex_y1[j], dz});
            row[j] = direct + image;
        }
    }
}

}  // namespace kalvesta
