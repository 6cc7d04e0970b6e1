// Gauss elimination with row pivoting, blocked for the cache.
//
// The steps are taken in blocks of kBlockSteps. Within a block every step is
// carried out at once on the block's own columns (the panel) and on the
// right-hand side; the trailing columns right of the panel receive the block's
// row exchanges when they happen, but their elimination updates are delayed and
// then applied per row, a strip of columns at a time, in ascending step order.
// A row is brought up to date in the trailing columns just before it takes part
// in an exchange, so every trailing element sees exactly the sequence of
// exchanges, scalings and subtractions of the plain step-by-step elimination.
#include "analysis/elimination.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "model/check.h"

namespace kalvesta {
namespace {

// Elimination steps per block: the block's pivot rows stay in cache while the
// trailing rows are updated.
constexpr size_t kBlockSteps = 32;
// Trailing columns updated together (2 KB of a row).
constexpr size_t kColumnStrip = 256;

// A few doubles operated on element by element: plain IEEE products and
// differences, as in scalar code.
using Pack2 = double __attribute__((vector_size(16)));
using Pack4 = double __attribute__((vector_size(32)));

// Steps first..end−1 on columns from..to−1 of row `target` of `a`, each step as
// target[j] ← target[j] − target[step] × a[step][j]. kPacks packs of columns at
// a time stay in registers while the steps run over them in order.
template <class Columns, size_t kPacks>
__attribute__((always_inline)) inline void ApplyStepsWith(MatrixView a, double* target,
                                                          size_t first, size_t end, size_t from,
                                                          size_t to) {
    constexpr size_t kDoubles = sizeof(Columns) / sizeof(double);
    constexpr size_t kWidth = kPacks * kDoubles;
    size_t j = from;
    for (; j + kWidth <= to; j += kWidth) {
        Columns columns[kPacks];
        for (size_t c = 0; c < kPacks; ++c) {
            std::memcpy(&columns[c], target + j + c * kDoubles, sizeof(Columns));
        }
        for (size_t step = first; step < end; ++step) {
            const double f = target[step];
            const double* const pivot = a.base + step * a.stride + j;
            for (size_t c = 0; c < kPacks; ++c) {
                Columns pivot_columns;
                std::memcpy(&pivot_columns, pivot + c * kDoubles, sizeof(Columns));
                columns[c] = columns[c] - f * pivot_columns;
            }
        }
        for (size_t c = 0; c < kPacks; ++c) {
            std::memcpy(target + j + c * kDoubles, &columns[c], sizeof(Columns));
        }
    }
    for (; j < to; ++j) {
        double column = target[j];
        for (size_t step = first; step < end; ++step) {
            column = column - target[step] * a.base[step * a.stride + j];
        }
        target[j] = column;
    }
}

void ApplyStepsBaseline(MatrixView a, double* target, size_t first, size_t end, size_t from,
                        size_t to) {
    ApplyStepsWith<Pack2, 8>(a, target, first, end, from, to);
}

#if defined(__x86_64__)
// The same on processors with AVX2 (no fused multiply-add: -ffp-contract=off).
__attribute__((target("avx2"))) void ApplyStepsAvx2(MatrixView a, double* target, size_t first,
                                                    size_t end, size_t from, size_t to) {
    ApplyStepsWith<Pack4, 4>(a, target, first, end, from, to);
}
#endif

// The update routine of `kernel` on this processor.
using ApplyStepsFunction = void (*)(MatrixView, double*, size_t, size_t, size_t, size_t);

ApplyStepsFunction SelectKernel(EliminationKernel kernel) {
#if defined(__x86_64__)
    if (kernel == EliminationKernel::kFastest && __builtin_cpu_supports("avx2")) {
        return ApplyStepsAvx2;
    }
#endif
    (void)kernel;
    return ApplyStepsBaseline;
}

class Eliminator {
public:
    Eliminator(MatrixView a, double* b, size_t n, ApplyStepsFunction apply_steps)
        : a_(a), b_(b), n_(n), apply_steps_(apply_steps) {}

    int Run(EliminationProgress* progress) {
        for (size_t first = 0; first < n_; first += kBlockSteps) {
            const size_t end = std::min(first + kBlockSteps, n_);
            for (size_t i = first; i < n_; ++i) {
                applied_[i] = first;
            }
            for (size_t k = first; k < end; ++k) {
                Step(k, end);
            }
            UpdateTrailingColumns(end);
            for (size_t k = first; k < end && progress != nullptr; ++k) {
                progress->StepDone(static_cast<int>(n_ - k - 1));
            }
        }
        BackSubstitute();
        return singular_steps_;
    }

private:
    double* Row(size_t i) const { return a_.base + i * a_.stride; }

    // Elimination step k of the block ending before step `end`.
    void Step(size_t k, size_t end) {
        // Pivot: the largest magnitude in column k, the later row on a tie.
        double big = 0.0;
        size_t p = k;
        for (size_t i = k; i < n_; ++i) {
            const double t = std::fabs(Row(i)[k]);
            if (big <= t) {
                big = t;
                p = i;
            }
        }
        double s = 0.0;
        if (big > 0.0) {
            s = 1.0 / Row(p)[k];
        } else {
            ++singular_steps_;
        }

        // Exchange rows p and k in columns k..n (the trailing part brought up to
        // date first) and scale the new pivot row by s.
        CatchUp(k, k, end);
        CatchUp(p, k, end);
        double t = b_[p];
        b_[p] = b_[k];
        b_[k] = t * s;
        double* const pivot_row = Row(k);
        double* const other_row = Row(p);
        for (size_t j = k; j < n_; ++j) {
            t = other_row[j];
            other_row[j] = pivot_row[j];
            pivot_row[j] = t * s;
        }
        applied_[p] = k;    // the old row k now waits for step k itself
        applied_[k] = end;  // a pivot row is final

        // a[i][j] ← a[i][j] − a[i][k] × a[k][j] within the panel; b likewise.
        for (size_t i = k + 1; i < n_; ++i) {
            double* const target = Row(i);
            const double f = target[k];
            for (size_t j = k + 1; j < end; ++j) {
                target[j] = target[j] - f * pivot_row[j];
            }
        }
        const double f = b_[k];
        for (size_t i = k + 1; i < n_; ++i) {
            b_[i] = b_[i] - Row(i)[k] * f;
        }
    }

    // Applies the delayed steps applied_[r]..k−1 to row r's trailing columns.
    void CatchUp(size_t r, size_t k, size_t end) {
        if (applied_[r] < k) {
            apply_steps_(a_, Row(r), applied_[r], k, end, n_);
            applied_[r] = k;
        }
    }

    // Every row below the block receives its delayed steps, strip by strip.
    void UpdateTrailingColumns(size_t end) {
        for (size_t strip = end; strip < n_; strip += kColumnStrip) {
            const size_t strip_end = std::min(strip + kColumnStrip, n_);
            for (size_t i = end; i < n_; ++i) {
                apply_steps_(a_, Row(i), applied_[i], end, strip, strip_end);
            }
        }
    }

    // b[i] ← b[i] − Σ_{j>i} b[j] × a[i][j] upwards; the scaled pivot rows have an
    // implied unit diagonal.
    void BackSubstitute() {
        for (size_t i = n_ - (n_ > 0 ? 1 : 0); i-- > 0;) {
            const double* const r = Row(i);
            double sum = 0.0;
            for (size_t j = i + 1; j < n_; ++j) {
                sum = sum + b_[j] * r[j];
            }
            b_[i] = b_[i] - sum;
        }
    }

    MatrixView a_;
    double* b_;
    size_t n_;
    ApplyStepsFunction apply_steps_;
    int singular_steps_ = 0;
    // Per row: the first step of the current block not yet applied to its
    // trailing columns.
    std::array<size_t, kMaxEliminationSize> applied_{};
};

}  // namespace

int GaussEliminate(MatrixView a, double* b, int n, EliminationProgress* progress,
                   EliminationKernel kernel) {
    KALVESTA_CHECK(n >= 0 && n <= kMaxEliminationSize);
    Eliminator eliminator(a, b, static_cast<size_t>(n), SelectKernel(kernel));
    return eliminator.Run(progress);
}

}  // namespace kalvesta
