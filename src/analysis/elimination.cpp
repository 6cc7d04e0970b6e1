// Gauss elimination with row pivoting, blocked for the cache and shared among
// threads.
//
// The steps are taken in blocks of kBlockSteps. Within a block every step is
// carried out at once on the block's own columns (the panel) and on the
// right-hand side; the trailing columns right of the panel receive the block's
// row exchanges when they happen, but their elimination updates are delayed. A
// row is brought up to date in the trailing columns just before it takes part in
// an exchange, so every trailing element sees exactly the sequence of exchanges,
// scalings and subtractions of the plain step-by-step elimination.
//
// At the end of a block the rows below it receive their delayed steps in the
// trailing columns, in ascending step order. Rows that took part in no exchange
// need every step of the block and are updated four at a time; the few that were
// exchanged already have some steps and are updated singly. That work is cut into
// parts of (a strip of columns) × (a run of rows). A part writes only its own
// elements and reads only the block's pivot rows, which are final by then, so any
// thread may take any part without changing a bit of the result.
#include "analysis/elimination.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "analysis/kernels/elimination_kernels.h"
#include "analysis/kernels/worker_pool.h"
#include "model/check.h"

namespace kalvesta {
namespace {

// Elimination steps per block: the block's pivot rows stay in cache while the
// trailing rows are updated.
constexpr size_t kBlockSteps = 32;
// Trailing columns of one part (1 KB of a row; the block's pivot rows over
// them fill 32 KB).
constexpr size_t kColumnStrip = 128;
// Rows of one part, a multiple of four.
constexpr size_t kRowRun = 128;
// Below this many element updates (about half a millisecond of work) a block's
// trailing update stays on the calling thread: waking the workers would cost
// more than it saves.
constexpr size_t kSharedUpdates = size_t{1} << 23;

class Eliminator {
public:
    Eliminator(MatrixView a, double* b, size_t n, EliminationKernels kernels, WorkerPool* workers)
        : a_(a), b_(b), n_(n), kernels_(kernels), workers_(workers) {}

    int Run(EliminationProgress* progress) {
        for (size_t first = 0; first < n_; first += kBlockSteps) {
            const size_t end = std::min(first + kBlockSteps, n_);
            for (size_t i = first; i < n_; ++i) {
                applied_[i] = first;
            }
            Pivot pivot = FindPivot(first);
            for (size_t k = first; k < end; ++k) {
                pivot = Step(k, end, pivot);
            }
            UpdateTrailingColumns(first, end);
            for (size_t k = first; k < end && progress != nullptr; ++k) {
                progress->StepDone(static_cast<int>(n_ - k - 1));
            }
        }
        BackSubstitute();
        return singular_steps_;
    }

private:
    // The pivot of a step: the largest magnitude in its column and its row.
    struct Pivot {
        double big = 0.0;
        size_t row = 0;
    };

    double* Row(size_t i) const { return a_.base + i * a_.stride; }

    // Rows k..n of column k, the later row on a tie.
    Pivot FindPivot(size_t k) const {
        Pivot pivot{0.0, k};
        for (size_t i = k; i < n_; ++i) {
            Consider(pivot, Row(i)[k], i);
        }
        return pivot;
    }

    static void Consider(Pivot& pivot, double value, size_t row) {
        const double t = std::fabs(value);
        if (pivot.big <= t) {
            pivot.big = t;
            pivot.row = row;
        }
    }

    // Elimination step k of the block ending before step `end`, with the pivot
    // of column k. Returns the pivot of column k + 1 when that column is in the
    // panel: its elements are final as soon as this step has updated them.
    Pivot Step(size_t k, size_t end, Pivot pivot) {
        const size_t p = pivot.row;
        double s = 0.0;
        if (pivot.big > 0.0) {
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

        // a[i][j] ← a[i][j] − a[i][k] × a[k][j] within the panel, then
        // b[i] ← b[i] − a[i][k] × b[k] and the search of column k + 1.
        kernels_.step_on_rows(a_, k, k + 1, end, k + 1, n_);
        const double pivot_b = b_[k];
        Pivot next{0.0, k + 1};
        for (size_t i = k + 1; i < n_; ++i) {
            const double* const target = Row(i);
            b_[i] = b_[i] - target[k] * pivot_b;
            if (k + 1 < end) {
                Consider(next, target[k + 1], i);
            }
        }
        return next;
    }

    // Applies the delayed steps applied_[r]..k−1 to row r's trailing columns.
    void CatchUp(size_t r, size_t k, size_t end) {
        if (applied_[r] < k) {
            kernels_.row(a_, Row(r), applied_[r], k, end, n_);
            applied_[r] = k;
        }
    }

    // Every row below the block receives its delayed steps first..end−1 in the
    // trailing columns end..n−1.
    void UpdateTrailingColumns(size_t first, size_t end) {
        if (end >= n_) {
            return;
        }
        size_t whole = 0;
        size_t partial = 0;
        for (size_t i = end; i < n_; ++i) {
            if (applied_[i] == first) {
                whole_rows_[whole++] = i;
            } else {
                partial_rows_[partial++] = i;
            }
        }
        const size_t columns = n_ - end;
        const size_t strips = (columns + kColumnStrip - 1) / kColumnStrip;
        const size_t whole_runs = (whole + kRowRun - 1) / kRowRun;
        const size_t runs = whole_runs + (partial > 0 ? 1 : 0);

        // Part = strip × run, strip-major so that a thread's consecutive parts
        // share the pivot rows' strip in cache.
        auto part = [&](size_t index) {
            const size_t from = end + index / runs * kColumnStrip;
            const size_t to = std::min(from + kColumnStrip, n_);
            const size_t run = index % runs;
            if (run == whole_runs) {
                for (size_t r = 0; r < partial; ++r) {
                    const size_t i = partial_rows_[r];
                    kernels_.row(a_, Row(i), applied_[i], end, from, to);
                }
                return;
            }
            size_t r = run * kRowRun;
            const size_t run_end = std::min(r + kRowRun, whole);
            for (; r + 4 <= run_end; r += 4) {
                double* const rows[4] = {Row(whole_rows_[r]), Row(whole_rows_[r + 1]),
                                         Row(whole_rows_[r + 2]), Row(whole_rows_[r + 3])};
                kernels_.four_rows(a_, rows, first, end, from, to);
            }
            for (; r < run_end; ++r) {
                kernels_.row(a_, Row(whole_rows_[r]), first, end, from, to);
            }
        };
        const size_t parts = strips * runs;
        if (workers_ != nullptr && columns * columns * (end - first) >= kSharedUpdates) {
            workers_->Run(parts, part);
        } else {
            for (size_t index = 0; index < parts; ++index) {
                part(index);
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
    EliminationKernels kernels_;
    WorkerPool* workers_;
    int singular_steps_ = 0;
    // Per row: the first step of the current block not yet applied to its
    // trailing columns. Set for every row below a block when the block starts.
    std::array<size_t, kMaxEliminationSize> applied_;
    // The rows below a block that need all of its steps, and the others: filled
    // before they are read, so neither is initialised (the three arrays are
    // 72 KB of stack that a small system never touches).
    std::array<size_t, kMaxEliminationSize> whole_rows_;
    std::array<size_t, kMaxEliminationSize> partial_rows_;
};

}  // namespace

int GaussEliminate(MatrixView a, double* b, int n, EliminationProgress* progress, VectorWidth width,
                   WorkerPool* workers) {
    KALVESTA_CHECK(n >= 0 && n <= kMaxEliminationSize);
    Eliminator eliminator(a, b, static_cast<size_t>(n), SelectEliminationKernels(width), workers);
    return eliminator.Run(progress);
}

}  // namespace kalvesta
