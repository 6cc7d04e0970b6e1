// The trapezoid division trim: geometric strip edges, failures and their lines.
#include "analysis/trim.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace kalvesta {
namespace {

struct TrimRun {
    EdgeFractions fractions{};
    std::unique_ptr<TrimMatrix> matrix = std::make_unique<TrimMatrix>();
    Memo memo;
    int status = 0;
};

std::unique_ptr<TrimRun> Trim(int strips, double span, double inner, double outer,
                              TrimSubject subject = {1, 1}) {
    auto run = std::make_unique<TrimRun>();
    run->memo.Reset();
    run->status =
        TRAPEZ_TRIM(subject, strips, span, inner, outer, run->fractions, *run->matrix, run->memo);
    return run;
}

TEST(TRAPEZ_TRIM, RectangleKeepsItsEqualStartWidths) {
    // The start values solve the equations: no correction, the preset status stays.
    const auto run = Trim(4, 1000.0, 200.0, 200.0);
    EXPECT_EQ(run->status, 22);
    EXPECT_FALSE(run->memo.calc_failed);
    EXPECT_EQ(run->fractions[1], 0.0);
    EXPECT_DOUBLE_EQ(run->fractions[2], 0.25);
    EXPECT_DOUBLE_EQ(run->fractions[3], 0.5);
    EXPECT_DOUBLE_EQ(run->fractions[4], 0.75);
    EXPECT_EQ(run->fractions[5], 1.0);
}

TEST(TRAPEZ_TRIM, TaperedTrapeziumHasGeometricEdgeChords) {
    // D = 1000, 300 → 150, n = 3: edge chords 300 × 2^(−k/3) = 300, 238.1, 189.0,
    // 150; the fraction of edge k is (300 − Z_k) / 150: 0, 0.4126, 0.7401, 1.
    const auto run = Trim(3, 1000.0, 300.0, 150.0);
    EXPECT_EQ(run->status, 3);
    EXPECT_FALSE(run->memo.calc_failed);
    EXPECT_EQ(run->fractions[1], 0.0);
    EXPECT_NEAR(run->fractions[2], 0.4126, 5e-5);
    EXPECT_NEAR(run->fractions[3], 0.7401, 5e-5);
    EXPECT_NEAR(run->fractions[4], 1.0, 1e-12);
    // Widths 412.6, 327.5, 259.9 mm.
    EXPECT_NEAR(1000.0 * (run->fractions[3] - run->fractions[2]), 327.5, 0.05);
}

// Any strip count the grid accepts, against the closed form: with
// r = (c_out / c_in)^(1/n) the edge chords are c_in r^k and edge k lies at
// (c_in − c_in r^k) / (c_in − c_out) of the span.
class TrimStrips : public testing::TestWithParam<int> {};

TEST_P(TrimStrips, EdgesFollowTheClosedForm) {
    const int n = GetParam();
    const double inner = 12.0;
    const double outer = 8.0;
    const auto run = Trim(n, 10.0 * n, inner, outer);
    ASSERT_FALSE(run->memo.calc_failed) << run->memo.Text(Catalogue());
    EXPECT_GT(run->status, 0);
    const double r = std::pow(outer / inner, 1.0 / n);
    for (int k = 0; k <= n; ++k) {
        const double expected = (inner - inner * std::pow(r, k)) / (inner - outer);
        ASSERT_NEAR(run->fractions[static_cast<size_t>(k) + 1], expected, 1e-9) << "edge " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(UpToTheGridLimit, TrimStrips, testing::Values(2, 3, 10, 297, 298, 299));

TEST(TRAPEZ_TRIM, PointedTipFailsWithTheEnglishLines) {
    // An outer chord of 0 cannot be met by any widths.
    const auto run = Trim(5, 500.0, 200.0, 0.0, {1, 3});
    EXPECT_EQ(run->status, -kTrimIterationLimit);
    EXPECT_TRUE(run->memo.calc_failed);
    EXPECT_TRUE(run->memo.visible);
    ASSERT_EQ(run->memo.line_count(), 3);
    EXPECT_EQ(Catalogue().Text(run->memo.line(1)), "Can not calculate Wing  1 / Trapezium 3.");
    EXPECT_EQ(Catalogue().Text(run->memo.line(2)),
              "Please change this trapezium (more chord length at tip)!");
    // The grid is still laid from fractions that stay finite and ordered.
    EXPECT_EQ(run->fractions[1], 0.0);
    for (size_t i = 2; i <= 6; ++i) {
        EXPECT_TRUE(std::isfinite(run->fractions[i]));
    }
}

TEST(TRIM9M, IterationLimitNotPositive) {
    TrimVector x{};
    TrimMask mask{};
    x[1] = x[2] = 50.0;
    mask[1] = mask[2] = true;
    x[3] = 100.0;
    x[4] = 10.0;
    x[5] = 5.0;
    auto matrix = std::make_unique<TrimMatrix>();
    Memo memo;
    memo.Reset();
    int status = 22;
    TRIM9M({1, 1}, 5, 2, 0, mask, x, status, *matrix, memo);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(memo.calc_failed);
    ASSERT_EQ(memo.line_count(), 2);
    EXPECT_EQ(Catalogue().Text(memo.line(1)),
              "TRIM9: Fehler. itmax ist 0 , keine Рассчитать moeglich//");
    EXPECT_EQ(x[1], 50.0);
}

TEST(FCN, ResidualsOfTwoStrips) {
    // W = (60, 40), D = 100, chords 10 → 5: Z1 = 10 − 5 × 0.6 = 7, mean chords 8.5
    // and 6; R1 = 60 / 8.5 − 40 / 6, R2 = 100 − 100 = 0.
    TrimVector x{};
    x[1] = 60.0;
    x[2] = 40.0;
    x[3] = 100.0;
    x[4] = 10.0;
    x[5] = 5.0;
    TrimVector r{};
    FCN(5, 2, x, r);
    EXPECT_DOUBLE_EQ(r[1], 60.0 / 8.5 - 40.0 / 6.0);
    EXPECT_EQ(r[2], 0.0);
}

TEST(SIMQ90, SolvesWithPivotingAndPassesOverAZeroColumn) {
    auto matrix = std::make_unique<TrimMatrix>();
    matrix->a[1][1] = 1.0;
    matrix->a[1][2] = 2.0;
    matrix->a[2][1] = 3.0;
    matrix->a[2][2] = 4.0;
    TrimVector b{};
    b[1] = -1.0;
    b[2] = -1.0;
    EXPECT_EQ(SIMQ90(*matrix, b, 2), 0);
    EXPECT_DOUBLE_EQ(b[1], 1.0);
    EXPECT_DOUBLE_EQ(b[2], -1.0);

    // A singular Newton step still reports 0 and gives that unknown no correction.
    matrix->a[1][1] = 1.0;
    matrix->a[1][2] = 1.0;
    matrix->a[2][1] = 1.0;
    matrix->a[2][2] = 1.0;
    b[1] = -1.0;
    b[2] = -1.0;
    EXPECT_EQ(SIMQ90(*matrix, b, 2), 0);
    EXPECT_EQ(b[2], 0.0);
}

}  // namespace
}  // namespace kalvesta
