// The linear solve: small systems solved by hand, the pivot rule, singular
// systems, and the blocked elimination against the plain step-by-step loop.
#include "analysis/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <tuple>
#include <vector>

#include "analysis/elimination.h"
#include "analysis/kernels/worker_pool.h"

namespace kalvesta {
namespace {

// The elimination as a plain loop, step by step: 1-based, the update of step k walking
// the matrix column by column with the row index innermost.
// Returns the number of steps whose column was all zero.
int PlainElimination(std::vector<double>& a_flat, std::vector<double>& b, int n) {
    const auto A = [&](int i, int j) -> double& {
        return a_flat[static_cast<size_t>((i - 1) * n + (j - 1))];
    };
    const auto B = [&](int i) -> double& { return b[static_cast<size_t>(i - 1)]; };
    int singular_steps = 0;
    for (int k = 1; k <= n; ++k) {
        double big = 0.0;
        int p = k;
        for (int i = k; i <= n; ++i) {
            const double t = std::fabs(A(i, k));
            if (big <= t) {
                big = t;
                p = i;
            }
        }
        const double s = big > 0.0 ? 1.0 / A(p, k) : 0.0;
        singular_steps += big > 0.0 ? 0 : 1;
        double t = B(p);
        B(p) = B(k);
        B(k) = t * s;
        for (int j = k; j <= n; ++j) {
            t = A(p, j);
            A(p, j) = A(k, j);
            A(k, j) = t * s;
        }
        for (int j = k + 1; j <= n; ++j) {
            const double f = A(k, j);
            for (int i = k + 1; i <= n; ++i) {
                A(i, j) = A(i, j) - A(i, k) * f;
            }
        }
        const double f = B(k);
        for (int i = k + 1; i <= n; ++i) {
            B(i) = B(i) - A(i, k) * f;
        }
    }
    for (int i = n - 1; i >= 1; --i) {
        double sum = 0.0;
        for (int j = i + 1; j <= n; ++j) {
            sum = sum + B(j) * A(i, j);
        }
        B(i) = B(i) - sum;
    }
    return singular_steps;
}

class RecordingObserver : public PipelineObserver {
public:
    void SolveProgress(int remaining) override { countdown.push_back(remaining); }
    std::vector<int> countdown;
};

// A solution whose influence_matrix is the given n × n block (rows in order).
std::unique_ptr<Solution> SolutionWithMatrix(int n, const std::vector<double>& rows) {
    auto solution = std::make_unique<Solution>();
    solution->influence_matrix.Resize(n);
    std::copy(rows.begin(), rows.end(), solution->influence_matrix.data());
    return solution;
}

// SIMQ902 on the solution's n × n block for b = (−1, …, −1); returns its status.
int SolveForMinusOnes(Solution& solution, int n, PerPanelNumber& b, PipelineObserver& observer) {
    std::fill(b.begin() + 1, b.begin() + 1 + n, -1.0);
    return SIMQ902(b, n, solution.influence_matrix, observer);
}

TEST(SIMQ902, OneByOneAndCountdown) {
    // a x = −1 gives x = −1/a; the countdown shows 0 once.
    auto solution = SolutionWithMatrix(1, {4.0});
    PerPanelNumber b{};
    RecordingObserver observer;
    EXPECT_EQ(SolveForMinusOnes(*solution, 1, b, observer), 0);
    EXPECT_EQ(b[1], -0.25);
    EXPECT_EQ(observer.countdown, std::vector<int>{0});
}

TEST(SIMQ902, TwoByTwoPivotsOnTheLargerRow) {
    // [[1, 2], [3, 4]] x = (−1, −1): pivot row 2 first; x = (1, −1).
    auto solution = SolutionWithMatrix(2, {1.0, 2.0, 3.0, 4.0});
    PerPanelNumber b{};
    RecordingObserver observer;
    EXPECT_EQ(SolveForMinusOnes(*solution, 2, b, observer), 0);
    EXPECT_DOUBLE_EQ(b[1], 1.0);
    EXPECT_DOUBLE_EQ(b[2], -1.0);
    EXPECT_EQ(observer.countdown, (std::vector<int>{1, 0}));
    // Row 2 (3, 4) scaled by 1/3 became the first pivot row.
    EXPECT_DOUBLE_EQ(solution->influence_matrix(1, 2), 4.0 / 3.0);
}

TEST(SIMQ902, TieGoesToTheLaterRow) {
    // [[2, 1], [−2, 1]]: equal magnitudes in column 1, so row 2 is the pivot and
    // the scaled pivot row is (−2, 1) / −2 = (1, −0.5).
    auto solution = SolutionWithMatrix(2, {2.0, 1.0, -2.0, 1.0});
    PerPanelNumber b{};
    PipelineObserver observer;
    EXPECT_EQ(SolveForMinusOnes(*solution, 2, b, observer), 0);
    EXPECT_EQ(solution->influence_matrix(1, 1), 1.0);
    EXPECT_EQ(solution->influence_matrix(1, 2), -0.5);
    // 2x + y = −1 and −2x + y = −1: x = 0, y = −1.
    EXPECT_EQ(b[1], 0.0);
    EXPECT_EQ(b[2], -1.0);
}

TEST(SIMQ902, ColumnOfZerosIsReportedAsUnsolved) {
    // The second column vanishes below the first pivot: status 1, that unknown 0,
    // everything finite.
    auto solution = SolutionWithMatrix(2, {1.0, 1.0, 1.0, 1.0});
    PerPanelNumber b{};
    PipelineObserver observer;
    EXPECT_EQ(SolveForMinusOnes(*solution, 2, b, observer), 1);
    EXPECT_EQ(b[2], 0.0);
    EXPECT_EQ(b[1], -1.0);
}

TEST(LOES, SingularSystemWritesItsLineAndStillStoresTheCirculation) {
    auto solution = std::make_unique<Solution>();
    solution->influence_matrix.Resize(2);
    std::fill_n(solution->influence_matrix.data(), 4, 0.0);
    solution->circulation[3] = 7.0;
    Memo memo;
    memo.Reset();
    PipelineObserver observer;
    EXPECT_FALSE(LOES(2, *solution, memo, observer));
    EXPECT_TRUE(memo.calc_failed);
    EXPECT_TRUE(memo.visible);
    ASSERT_EQ(memo.line_count(), 2);
    EXPECT_EQ(Catalogue().Text(memo.line(1)), "LOES: Fehler beim Loesen des Gleichungssystems ");
    EXPECT_EQ(solution->circulation[1], 0.0);
    EXPECT_EQ(solution->circulation[2], 0.0);
    EXPECT_EQ(solution->circulation[3], 7.0);  // beyond panel_count: untouched
}

TEST(LOES, NoPanelsIsSolvedAtOnce) {
    auto solution = std::make_unique<Solution>();
    solution->circulation[1] = 5.0;
    Memo memo;
    RecordingObserver observer;
    EXPECT_TRUE(LOES(0, *solution, memo, observer));
    EXPECT_FALSE(memo.calc_failed);
    EXPECT_EQ(solution->circulation[1], 5.0);
    EXPECT_TRUE(observer.countdown.empty());
}

TEST(LOES, ScalesByTheSevenDigitReciprocalOfFourPi) {
    // An influence of 2 is solved as 0.0795775 × 2 × x = −1 (the decimal, not 1/(4π)).
    auto solution = std::make_unique<Solution>();
    solution->influence_matrix.Resize(1);
    solution->influence_matrix.at(1, 1) = 2.0;
    Memo memo;
    PipelineObserver observer;
    EXPECT_TRUE(LOES(1, *solution, memo, observer));
    EXPECT_EQ(solution->influence_matrix(1, 1), 1.0);  // the pivot row scaled by 1 / pivot
    EXPECT_EQ(solution->circulation[1], -1.0 / (0.0795775 * 2.0));
    EXPECT_EQ(solution->influence_matrix(2, 1), 0.0);  // outside the active block
}

// Random systems of sizes around the block, strip and row-run widths: the
// blocked, row-wise, threaded elimination must store the very same doubles as the
// plain loop, in the matrix (multipliers included) and in the solution, with
// every kernel and any number of threads. Small integers make exact ties common
// at every step; every system of more than a few rows also has exact ties in
// its first column and zero columns at a step inside a block and at a block's
// first step, so the tie rule and the singular step are exercised too.
enum class Entries { kUniform, kSmallIntegers };

class BitIdentity : public testing::TestWithParam<std::tuple<int, Entries>> {};

uint64_t Bits(double value) {
    return std::bit_cast<uint64_t>(value);
}

TEST_P(BitIdentity, BlockedEliminationMatchesThePlainLoop) {
    const auto [n, entries] = GetParam();
    const auto un = static_cast<size_t>(n);
    std::mt19937_64 random(static_cast<uint64_t>(n) * 7919u + static_cast<uint64_t>(entries));
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::uniform_int_distribution<int> small_integer(-3, 3);
    const auto draw = [&] {
        return entries == Entries::kUniform ? uniform(random) : small_integer(random);
    };
    std::vector<double> a(un * un);
    std::vector<double> b(un);
    std::generate(a.begin(), a.end(), draw);
    std::generate(b.begin(), b.end(), draw);
    if (n >= 4) {
        a[1 * un] = a[3 * un] = 0.999;
        for (size_t i = 0; i < un; ++i) {
            a[i * un + 2] = 0.0;
            if (n > 40) {
                a[i * un + 32] = 0.0;
            }
        }
    }
    std::vector<double> a_reference = a;
    std::vector<double> b_reference = b;
    const int singular_reference = PlainElimination(a_reference, b_reference, n);
    EXPECT_GE(singular_reference, n >= 4 ? 1 : 0);

    static WorkerPool two_threads(2);
    static WorkerPool three_threads(3);
    for (const VectorWidth width :
         {VectorWidth::kWidest, VectorWidth::kAvx2, VectorWidth::kBaseline}) {
        for (WorkerPool* workers :
             {static_cast<WorkerPool*>(nullptr), &two_threads, &three_threads}) {
            SCOPED_TRACE(testing::Message()
                         << "width " << static_cast<int>(width) << ", "
                         << (workers ? workers->thread_count() : 1) << " threads");
            std::vector<double> a_blocked = a;
            std::vector<double> b_blocked = b;
            EXPECT_EQ(GaussEliminate({a_blocked.data(), un}, b_blocked.data(), n, nullptr, width,
                                     workers),
                      singular_reference);
            for (size_t e = 0; e < a.size(); ++e) {
                ASSERT_EQ(Bits(a_blocked[e]), Bits(a_reference[e])) << "element " << e;
            }
            for (size_t i = 0; i < un; ++i) {
                ASSERT_EQ(Bits(b_blocked[i]), Bits(b_reference[i])) << "unknown " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BitIdentity,
    testing::Combine(testing::Values(1, 2, 3, 5, 17, 31, 32, 33, 64, 65, 100, 257, 300, 426, 1000),
                     testing::Values(Entries::kUniform, Entries::kSmallIntegers)));

}  // namespace
}  // namespace kalvesta
