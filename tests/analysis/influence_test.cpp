// The horseshoe's induced velocity and the assembled influence matrix.
#include "analysis/influence.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>

#include "analysis/grid.h"
#include "analysis/kernels/influence_rows.h"
#include "test_aircraft.h"

namespace kalvesta {
namespace {

TEST(INDU, UnitSegmentSeenFromAhead) {
    // Bound segment (0, −1, 0) → (0, 1, 0), point (1, 0, 0): −(2 + 2√2).
    EXPECT_NEAR(INDU({1, 1, 0}, {1, -1, 0}), -(2.0 + 2.0 * std::sqrt(2.0)), 1e-12);
    EXPECT_NEAR(INDU({1, 1, 0}, {1, -1, 0}), -4.828427, 5e-7);
}

TEST(INDU, PointOnTheBoundSegmentsLineGetsOnlyTheLegs) {
    // P = (0, 3, 0), segment (0, 1, 0) → (0, 2, 0): r0 × r1 = 0, so the bound
    // segment gives 0; the legs give (0/|r| + 1) / r_y² times −r1_y and +r2_y.
    const double w = INDU({0, 2, 0}, {0, 1, 0});
    EXPECT_TRUE(std::isfinite(w));
    EXPECT_DOUBLE_EQ(w, -2.0 / 4.0 + 1.0 / 1.0);
}

TEST(INDU, PointOnATrailingLegsLineGetsNothingFromThatLeg) {
    // P on the line of the first leg (r1_y = r1_z = 0): bound segment and second
    // leg only.
    const double w = INDU({1, 0, 0}, {1, -1, 0});
    EXPECT_TRUE(std::isfinite(w));
    // Bound: r0 = (0, −1, 0), s1 = 0, s2 = 1, c_z = 1, q = 1, f = −1/√2.
    // Second leg: −1 × (1/√2 + 1) / 1.
    EXPECT_NEAR(w, -1.0 / std::sqrt(2.0) - (1.0 / std::sqrt(2.0) + 1.0), 1e-12);
}

// One strip at the root: E1 = (0, 0, 0), E2 = (0, 1, 0), control point (1, 0.5, 0).
std::unique_ptr<Lattice> RootStrip() {
    auto lattice = std::make_unique<Lattice>();
    lattice->panel_count = 1;
    lattice->chord_count[1] = 1;
    lattice->span_count[1] = 1;
    lattice->vortex_y2[1][1] = 1.0;
    lattice->control_x[1][1][1] = 1.0;
    lattice->control_y[1][1] = 0.5;
    return lattice;
}

TEST(EINFLUSS, RootHorseshoeAndItsImageActAsOne) {
    // The inner legs cancel: −8.472136 from the horseshoe, +2.367551 from the image.
    EXPECT_NEAR(INDU({1, 0.5, 0}, {1, -0.5, 0}), -8.472136, 5e-7);
    EXPECT_NEAR(INDU({1, 1.5, 0}, {1, 0.5, 0}), 2.367551, 5e-7);
    const auto lattice = RootStrip();
    auto points = std::make_unique<PanelPoints>();
    PanelMatrix matrix;
    Memo memo;
    EINFLUSS(1, *lattice, *points, matrix, memo);
    EXPECT_FALSE(memo.calc_failed);
    EXPECT_NEAR(matrix(1, 1), -6.104585, 5e-7);
    EXPECT_EQ(matrix(1, 2), 0.0);
    EXPECT_EQ(matrix(2, 1), 0.0);
}

TEST(EINFLUSS, PanelCountThatDoesNotMatchTheLattice) {
    auto lattice = RootStrip();
    lattice->panel_count = 2;
    auto points = std::make_unique<PanelPoints>();
    PanelMatrix matrix;
    Memo memo;
    memo.Reset();
    EINFLUSS(1, *lattice, *points, matrix, memo);
    EXPECT_TRUE(memo.calc_failed);
    EXPECT_TRUE(memo.visible);
    ASSERT_EQ(memo.line_count(), 2);
    EXPECT_EQ(Catalogue().Text(memo.line(1)), "EINFLUSS: Irgend ein Kuddel-Muddel");
    EXPECT_EQ(matrix.size(), 2);
    EXPECT_EQ(matrix(1, 1), 0.0);
    EXPECT_EQ(matrix(2, 2), 0.0);
}

TEST(EINFLUSS, EveryElementIsTheHorseshoePlusItsImageInPanelOrder) {
    // The start-up aircraft: rows and columns numbered wing by wing, strip by strip,
    // chordwise fastest; each element exactly as INDU gives it.
    const Aircraft aircraft = testing_support::DefaultAircraft(2);
    auto lattice = std::make_unique<Lattice>();
    auto trim = std::make_unique<TrimMatrix>();
    auto points = std::make_unique<PanelPoints>();
    Memo memo;
    GRID(aircraft, *lattice, memo);
    TRAWY2(aircraft, *lattice, *trim, memo);
    PanelMatrix matrix;
    EINFLUSS(2, *lattice, *points, matrix, memo);
    ASSERT_EQ(matrix.size(), 426);

    struct Panel {
        size_t m, k, w;
    };
    std::vector<Panel> panels;
    for (size_t w = 1; w <= 2; ++w) {
        for (size_t k = 1; k <= static_cast<size_t>(lattice->span_count[w]); ++k) {
            for (size_t m = 1; m <= static_cast<size_t>(lattice->chord_count[w]); ++m) {
                panels.push_back({m, k, w});
            }
        }
    }
    const Lattice& l = *lattice;
    for (size_t i = 0; i < panels.size(); i += 7) {
        const Panel& c = panels[i];
        const Vec3 p{l.control_x[c.m][c.k][c.w], l.control_y[c.k][c.w], l.surface_z[c.w]};
        for (size_t j = 0; j < panels.size(); ++j) {
            const Panel& h = panels[j];
            const Vec3 e1{l.vortex_x1[h.m][h.k][h.w], l.vortex_y1[h.k][h.w], l.surface_z[h.w]};
            const Vec3 e2{l.vortex_x2[h.m][h.k][h.w], l.vortex_y2[h.k][h.w], l.surface_z[h.w]};
            const double direct =
                INDU({p.x - e1.x, p.y - e1.y, p.z - e1.z}, {p.x - e2.x, p.y - e2.y, p.z - e2.z});
            const double image =
                INDU({p.x - e2.x, p.y + e2.y, p.z - e2.z}, {p.x - e1.x, p.y + e1.y, p.z - e1.z});
            ASSERT_EQ(matrix(static_cast<int>(i) + 1, static_cast<int>(j) + 1), direct + image);
        }
    }
    // A wing's own panels induce downwash on themselves.
    EXPECT_LT(matrix(1, 1), 0.0);
    EXPECT_LT(matrix(407, 407), 0.0);
    EXPECT_EQ(matrix(427, 1), 0.0);
}

// The row filler computes several horseshoes at once: every lane and the
// scalar tail must give INDU's very bits, also where INDU takes its special
// branches (a point on a bound segment's line, on a trailing leg's line, a root
// horseshoe on the plane of symmetry). Each special horseshoe is placed at every
// position of a row of 19 (two packs of eight and a tail of three).
TEST(EINFLUSS, RowsMatchTheHorseshoeFormulaBitForBitAtEveryWidth) {
    constexpr size_t kRow = 19;
    // Control point (100, 30, 0); horseshoes given as x1, x2, y1, y2, z.
    const std::array<std::array<double, 5>, 4> special{{
        {50.0, 50.0, 10.0, 20.0, 0.0},  // ordinary
        {80.0, 90.0, 10.0, 20.0, 0.0},  // bound segment's line through the point
        {60.0, 60.0, 30.0, 45.0, 0.0},  // first trailing leg's line through the point
        {70.0, 75.0, 0.0, 12.0, -5.0},  // root on the plane of symmetry, lower
    }};
    auto points = std::make_unique<PanelPoints>();
    points->control_x[0] = 100.0;
    points->control_y[0] = 30.0;
    points->z[0] = 0.0;
    const auto bits = [](double v) { return std::bit_cast<uint64_t>(v); };
    for (const VectorWidth width :
         {VectorWidth::kWidest, VectorWidth::kAvx2, VectorWidth::kBaseline}) {
        const FillInfluenceRow fill = SelectInfluenceRowFiller(width);
        for (size_t place = 0; place < kRow; ++place) {
            for (size_t j = 0; j < kRow; ++j) {
                const auto& h = special[j == place ? 1 + place % 3 : 0];
                points->vortex_x1[j] = h[0] + static_cast<double>(j);
                points->vortex_x2[j] = h[1] + static_cast<double>(j);
                points->vortex_y1[j] = h[2];
                points->vortex_y2[j] = h[3];
                points->z[j] = j == 0 ? 0.0 : h[4];
            }
            // Keep the special geometry exact where it sits (no x shift).
            points->vortex_x1[place] -= static_cast<double>(place);
            points->vortex_x2[place] -= static_cast<double>(place);
            std::array<double, kRow> row{};
            fill(*points, kRow, 0, row.data());
            for (size_t j = 0; j < kRow; ++j) {
                const double dx1 = 100.0 - points->vortex_x1[j];
                const double dx2 = 100.0 - points->vortex_x2[j];
                const double dz = 0.0 - points->z[j];
                const double expected = INDU({dx1, 30.0 - points->vortex_y1[j], dz},
                                             {dx2, 30.0 - points->vortex_y2[j], dz}) +
                                        INDU({dx2, 30.0 + points->vortex_y2[j], dz},
                                             {dx1, 30.0 + points->vortex_y1[j], dz});
                ASSERT_TRUE(std::isfinite(row[j]));
                ASSERT_EQ(bits(row[j]), bits(expected))
                    << "width " << static_cast<int>(width) << ", horseshoe " << j;
            }
        }
    }
}

}  // namespace
}  // namespace kalvesta
