// Biot-Savart law for a horseshoe vortex (INDU) and the assembly of the influence
// matrix over every pair of control point and horseshoe (EINFLUSS).
#include "analysis/influence.h"

#include <algorithm>
#include <cmath>

#include "analysis/kernels/horseshoe.h"
#include "analysis/kernels/influence_rows.h"
#include "model/check.h"

namespace kalvesta {
namespace {

// Rows of the matrix that one thread fills at a time.
constexpr size_t kRowsPerPart = 16;

// Copies the lattice into panel order; returns the number of panels walked.
int FlattenPanels(int calc_wing_count, const Lattice& lattice, PanelPoints& points) {
    int count = 0;
    for (size_t w = 1; w <= static_cast<size_t>(calc_wing_count); ++w) {
        const auto strips = static_cast<size_t>(lattice.span_count[w]);
        const auto chords = static_cast<size_t>(lattice.chord_count[w]);
        for (size_t k = 1; k <= strips; ++k) {
            for (size_t m = 1; m <= chords; ++m, ++count) {
                if (count >= kPanelCapacity) {
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

}  // namespace

double INDU(Vec3 r1, Vec3 r2) {
    double w = 0.0;
    horseshoe::Downwash(r1.x, r1.y, r1.z, r2.x, r2.y, r2.z, w);
    return w;
}

void EINFLUSS(int calc_wing_count, const Lattice& lattice, PanelPoints& points,
              PanelMatrix& influence_matrix, Memo& memo, WorkerPool* workers) {
    KALVESTA_CHECK(calc_wing_count >= 0 && calc_wing_count <= kMaxWings);
    const int walked = FlattenPanels(calc_wing_count, lattice, points);
    const int n = std::clamp(lattice.panel_count, 0, kPanelCapacity);
    influence_matrix.Resize(n);
    const auto un = static_cast<size_t>(n);

    if (walked != lattice.panel_count || walked > kPanelCapacity) {
        std::fill_n(influence_matrix.data(), un * un, 0.0);
        memo.ReportFailure(TextId::kAnalysisInfluenceMuddle);
        return;
    }

    // Row i: control point i, filled by one part; rows are independent.
    const FillInfluenceRow fill_row = SelectInfluenceRowFiller();
    auto part = [&](size_t run) {
        const size_t run_end = std::min((run + 1) * kRowsPerPart, un);
        for (size_t i = run * kRowsPerPart; i < run_end; ++i) {
            fill_row(points, un, i, influence_matrix.row(static_cast<int>(i) + 1));
        }
    };
    const size_t parts = (un + kRowsPerPart - 1) / kRowsPerPart;
    if (workers != nullptr) {
        workers->Run(parts, part);
    } else {
        for (size_t run = 0; run < parts; ++run) {
            part(run);
        }
    }
}

}  // namespace kalvesta
