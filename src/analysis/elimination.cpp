// Gauss elimination with row pivoting, blocked for the cache and shared among
// threads.
//
// The steps are taken in blocks of kBlockSteps. A block's steps are first
// carried out on its own columns (the panel) and on the right-hand side, each
// step's pivot row and scale kept. Each exchange there also carries the two
// rows' multipliers of the block's earlier steps along, so that during the
// block a row's multipliers travel with it. The trailing columns right of the
// panel then receive the block's exchanges as plain swaps, in step order; the
// block's pivot rows receive the steps before their own there, in ascending
// order, and their scale; and every row below the block receives all of the
// block's steps, in ascending order, with its travelling multipliers. An element
// thus meets exactly the operands, in exactly the order, of the plain
// step-by-step elimination: the swaps only move rows, each with its
// multipliers. At the block's end its multipliers are moved back to where the
// plain elimination leaves them.
//
// The trailing work is cut into strips of columns (the swaps and the pivot rows)
// and into parts of (a strip of columns) × (a run of rows) (the rows below). A
// part writes only its own elements and reads only the block's pivot rows over
// its strip and its rows' multipliers, so any thread may take any part without
// changing a bit of the result. The next block's columns are updated first, by
// the calling thread, which then factors the next panel while the other threads
// update the columns beyond it (look-ahead): panel and update touch different
// columns.
//
// The panel itself is factored the same way, in sub-blocks of kPanelSteps on
// the calling thread: a sub-block's steps sweep the rows over its own columns
// only, and the panel's columns right of it then receive its swaps, its pivot
// rows and its steps on the rows below it.
#include "analysis/elimination.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "analysis/kernels/elimination_kernels.h"
#include "analysis/kernels/worker_pool.h"
#include "model/check.h"

namespace kalvesta {
namespace {

// Elimination steps per block: every block streams the trailing rows through
// the cache once, so the more steps a block has, the less memory traffic (at n
// = 3000 most of the matrix is read and written once per block); its panel,
// factored by one thread, grows with it.
constexpr size_t kBlockSteps = 64;
// Trailing columns of one part: 4 KB of a row, a run long enough for the
// processor to prefetch the rest of it. The block's pivot rows over them fill
// 256 KB and stay in the core's second-level cache.
constexpr size_t kColumnStrip = 512;
// Rows of one part, a multiple of every kernel's group of rows (4 or 6).
constexpr size_t kRowRun = 120;
// Steps of one sub-block of a panel. Each step of a sub-block sweeps all rows
// below it, but only over the sub-block's columns; the panel's columns right of
// the sub-block then receive its steps as the trailing columns receive a
// block's, a group of rows sharing each load of a pivot row.
constexpr size_t kPanelSteps = 16;
// Below this many element updates (about a tenth of a millisecond of work) a
// block's swaps and pivot rows or its trailing update beyond the next panel
// stay on the calling thread: handing them to the workers would cost more than
// they save.
constexpr size_t kSharedUpdates = size_t{1} << 20;

class Eliminator {
public:
    Eliminator(MatrixView a, double* b, size_t n, EliminationKernels kernels, WorkerPool* workers)
        : a_(a), b_(b), n_(n), kernels_(kernels), workers_(workers) {}

    int Run(EliminationProgress* progress) {
        if (n_ > 0) {
            FactorPanel(0, std::min(kBlockSteps, n_));
        }
        for (size_t first = 0; first < n_; first += kBlockSteps) {
            const size_t end = std::min(first + kBlockSteps, n_);
            SwapAndSolveTrailingPivotRows(first, end);
            if (end < n_) {
                UpdateTrailingColumnsAndFactorNextPanel(first, end);
            }
            PutMultipliersBack(first, end);
            for (size_t k = first; k < end && progress != nullptr; ++k) {
                progress->StepDone(static_cast<int>(n_ - k - 1));
            }
        }
        BackSubstitute();
        return singular_steps_;
    }

private:
    // Steps first..end−1 applied to columns from..to−1 of the rows below the
    // block, as parts of (a strip of columns) × (a run of rows). A part writes
    // only its own elements and reads only the block's pivot rows, which are
    // final by then, and the rows' multipliers in the block's columns.
    struct TrailingParts {
        Eliminator* eliminator = nullptr;
        size_t from = 0;
        size_t to = 0;
        size_t count() const {
            return (to - from + kColumnStrip - 1) / kColumnStrip * eliminator->runs_;
        }
        // Strip-major, so that a thread's consecutive parts share the pivot
        // rows' strip in cache.
        void operator()(size_t index) const {
            const size_t strip_from = from + index / eliminator->runs_ * kColumnStrip;
            eliminator->UpdateRun(index % eliminator->runs_, strip_from,
                                  std::min(strip_from + kColumnStrip, to));
        }
    };

    // The swaps and pivot rows of steps first..end−1 in the trailing columns, a
    // strip of columns per part.
    struct PivotRowParts {
        Eliminator* eliminator = nullptr;
        size_t first = 0;
        size_t end = 0;
        size_t count() const { return (eliminator->n_ - end + kColumnStrip - 1) / kColumnStrip; }
        void operator()(size_t index) const {
            const size_t strip_from = end + index * kColumnStrip;
            eliminator->SwapAndSolvePivotRows(first, end, strip_from,
                                              std::min(strip_from + kColumnStrip, eliminator->n_));
        }
    };

    double* Row(size_t i) const { return a_.base + i * a_.stride; }

    // Whether work of `updates` element updates goes to the workers.
    bool Shared(size_t updates) const { return workers_ != nullptr && updates >= kSharedUpdates; }

    // Every part, in order, on the calling thread.
    template <class Parts>
    static void RunHere(const Parts& parts) {
        for (size_t index = 0; index < parts.count(); ++index) {
            parts(index);
        }
    }

    // Rows k..n of column k, the later row on a tie.
    Pivot FindPivot(size_t k) const {
        Pivot pivot{0.0, k};
        for (size_t i = k; i < n_; ++i) {
            Consider(pivot, Row(i)[k], i);
        }
        return pivot;
    }

    // Steps first..end−1 within the block's own columns and the right-hand side,
    // in sub-blocks. Each step's pivot row and scale are kept for the trailing
    // columns.
    void FactorPanel(size_t first, size_t end) {
        for (size_t sub = first; sub < end; sub += kPanelSteps) {
            const size_t sub_end = std::min(sub + kPanelSteps, end);
            Pivot pivot = FindPivot(sub);
            for (size_t k = sub; k < sub_end; ++k) {
                pivot = PanelStep(first, k, sub_end, pivot);
            }
            if (sub_end < end) {
                SwapAndSolvePivotRows(sub, sub_end, sub_end, end);
                StepsOnRows(sub_end, n_, sub, sub_end, sub_end, end);
            }
        }
    }

    // Elimination step k of the block from step `first` on, in the panel's
    // columns before `end`, with the pivot of column k. Returns the pivot of
    // column k + 1 when that column is in the panel: its elements are final as
    // soon as this step has updated them.
    Pivot PanelStep(size_t first, size_t k, size_t end, Pivot pivot) {
        const size_t p = pivot.row;
        double s = 0.0;
        if (pivot.big > 0.0) {
            s = 1.0 / Row(p)[k];
        } else {
            ++singular_steps_;
        }
        step_rows_[k % kKeptSteps] = p;
        step_scales_[k % kKeptSteps] = s;

        // Exchange rows p and k in columns k..end−1 and scale the new pivot row
        // by s; the rows' multipliers of the block's earlier steps go with them.
        double t = b_[p];
        b_[p] = b_[k];
        b_[k] = t * s;
        Exchange(k, p, s, k, end);
        Swap(k, p, first, k);

        // a[i][j] ← a[i][j] − a[i][k] × a[k][j] within the panel and
        // b[i] ← b[i] − a[i][k] × b[k], with the search of column k + 1.
        Pivot next{0.0, k + 1};
        kernels_.step_on_rows(a_, b_, k, k + 1, end, k + 1, n_, next);
        return next;
    }

    // t = a[p][j]; a[p][j] = a[k][j]; a[k][j] = t × s for j = from..to−1.
    void Exchange(size_t k, size_t p, double s, size_t from, size_t to) {
        double* const pivot_row = Row(k);
        double* const other_row = Row(p);
        for (size_t j = from; j < to; ++j) {
            const double t = other_row[j];
            other_row[j] = pivot_row[j];
            pivot_row[j] = t * s;
        }
    }

    // Rows k and p exchange columns from..to−1 unchanged.
    void Swap(size_t k, size_t p, size_t from, size_t to) {
        std::swap_ranges(Row(k) + from, Row(k) + to, Row(p) + from);
    }

    // The block's swaps and pivot rows in its trailing columns end..n−1, a strip
    // of columns per part, shared among the threads like the update.
    void SwapAndSolveTrailingPivotRows(size_t first, size_t end) {
        PivotRowParts parts{this, first, end};
        const size_t steps = end - first;
        if (Shared((n_ - end) * steps * steps / 2)) {
            workers_->Run(parts.count(), parts);
        } else {
            RunHere(parts);
        }
    }

    // Steps first..end−1 in columns from..to−1 on the rows they exchange and on
    // their pivot rows: the exchanges as swaps in step order, then each pivot
    // row k in ascending order its steps first..k−1 and its scale,
    //
    //   a[k][j] ← (a[k][j] − Σ_{s=first..k−1} a[k][s] × a[s][j]) × scale_k,
    //
    // a group of pivot rows at a time, the last ones singly.
    void SwapAndSolvePivotRows(size_t first, size_t end, size_t from, size_t to) {
        for (size_t k = first; k < end; ++k) {
            Swap(k, step_rows_[k % kKeptSteps], from, to);
        }
        size_t k = first;
        for (; k + kSolvedRows <= end; k += kSolvedRows) {
            kernels_.pivot_rows(a_, Row(k), first, k, &step_scales_[k % kKeptSteps], from, to);
        }
        for (; k < end; ++k) {
            kernels_.row(a_, Row(k), first, k, from, to);
            const double s = step_scales_[k % kKeptSteps];
            double* const row = Row(k);
            for (size_t j = from; j < to; ++j) {
                row[j] = row[j] * s;
            }
        }
    }

    // The multipliers of steps first..end−1 back where the plain elimination
    // leaves them: the block's exchanges undone in its columns, last first.
    void PutMultipliersBack(size_t first, size_t end) {
        for (size_t k = end; k-- > first;) {
            Swap(k, step_rows_[k % kKeptSteps], first, k);
        }
    }

    // Every row below the block receives steps first..end−1 in the trailing
    // columns end..n−1. The next block's columns come first, on the calling
    // thread, which then factors the next panel while the workers update the
    // columns beyond it: the two touch different columns.
    void UpdateTrailingColumnsAndFactorNextPanel(size_t first, size_t end) {
        block_first_ = first;
        block_end_ = end;
        runs_ = (n_ - end + kRowRun - 1) / kRowRun;

        const size_t next_end = std::min(end + kBlockSteps, n_);
        TrailingParts next_panel{this, end, next_end};
        TrailingParts beyond{this, next_end, n_};
        const size_t columns = n_ - next_end;
        const bool shared = Shared(columns * columns * (end - first));
        if (shared) {
            workers_->Start(beyond.count(), beyond);
        }
        RunHere(next_panel);
        FactorPanel(end, next_end);
        if (shared) {
            workers_->Finish();
        } else {
            RunHere(beyond);
        }
    }

    // Row run `run` below the current block over columns from..to−1.
    void UpdateRun(size_t run, size_t from, size_t to) {
        const size_t run_first = block_end_ + run * kRowRun;
        StepsOnRows(run_first, std::min(run_first + kRowRun, n_), block_first_, block_end_, from,
                    to);
    }

    // Steps first..end−1 on rows first_row..end_row−1, over columns from..to−1:
    // a group of rows at a time, the last ones singly.
    void StepsOnRows(size_t first_row, size_t end_row, size_t first, size_t end, size_t from,
                     size_t to) {
        size_t i = first_row;
        for (; i + kernels_.group_rows <= end_row; i += kernels_.group_rows) {
            kernels_.row_group(a_, Row(i), first, end, from, to);
        }
        for (; i < end_row; ++i) {
            kernels_.row(a_, Row(i), first, end, from, to);
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

    // Pivot rows and scales are kept for two blocks: the next panel is factored
    // before the current block's multipliers go back. A block starts at a
    // multiple of kBlockSteps, so the scales of a group of its pivot rows are
    // consecutive in the ring.
    static constexpr size_t kKeptSteps = 2 * kBlockSteps;
    static_assert(kBlockSteps % kSolvedRows == 0 && kPanelSteps % kSolvedRows == 0);

    MatrixView a_;
    double* b_;
    size_t n_;
    EliminationKernels kernels_;
    WorkerPool* workers_;
    int singular_steps_ = 0;
    // Each step's pivot row and scale, by step modulo kKeptSteps.
    std::array<size_t, kKeptSteps> step_rows_;
    std::array<double, kKeptSteps> step_scales_;
    // The block whose trailing update runs, and the number of runs of rows below
    // it that the parts go by.
    size_t block_first_ = 0;
    size_t block_end_ = 0;
    size_t runs_ = 0;
};

}  // namespace

int GaussEliminate(MatrixView a, double* b, int n, EliminationProgress* progress, VectorWidth width,
                   WorkerPool* workers) {
    KALVESTA_CHECK(n >= 0 && n <= kMaxEliminationSize);
    Eliminator eliminator(a, b, static_cast<size_t>(n), SelectEliminationKernels(width), workers);
    return eliminator.Run(progress);
}

}  // namespace kalvesta
