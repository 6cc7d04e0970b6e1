// Gauss elimination with row pivoting, blocked for the cache and shared among
// threads.
//
// The steps are taken in blocks of kBlockSteps. A block's steps are first
// carried out on its own columns (the panel) and on the right-hand side, each
// step's pivot row and scale kept. The trailing columns right of the panel then
// receive the block's row exchanges in step order, their elimination updates
// delayed: a row is brought up to date there just before it takes part in an
// exchange. Nothing in the panel reads the trailing columns, and the multipliers
// left of a step are never exchanged, so every trailing element sees exactly the
// sequence of exchanges, scalings and subtractions of the plain step-by-step
// elimination.
//
// Then the rows below the block receive their delayed steps in the trailing
// columns, in ascending step order. Rows that took part in no exchange need
// every step of the block and are updated four at a time; the few that were
// exchanged already have some steps and are updated singly. That work is cut into
// parts of (a strip of columns) × (a run of rows). A part writes only its own
// elements and reads only the block's pivot rows, which are final by then, so any
// thread may take any part without changing a bit of the result. The next
// block's columns are updated first, by the calling thread, which then factors
// the next panel while the other threads update the columns beyond it (look-
// ahead): panel and update touch different columns.
//
// The panel itself is factored the same way, in sub-blocks of kPanelSteps on
// the calling thread: a sub-block's steps sweep the rows over its own columns
// only, and the panel's columns right of it then receive its exchanges and its
// delayed steps.
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
// Rows of one part, a multiple of four.
constexpr size_t kRowRun = 128;
// Steps of one sub-block of a panel. Each step of a sub-block sweeps all rows
// below it, but only over the sub-block's columns; the panel's columns right of
// the sub-block then receive its steps as the trailing columns receive a
// block's, four rows sharing each load of a pivot row.
constexpr size_t kPanelSteps = 16;
// Below this many element updates (about a tenth of a millisecond of work) a
// block's exchanges or its trailing update beyond the next panel stay on the
// calling thread: handing them to the workers would cost more than they save.
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
            ExchangeTrailingColumns(first, end);
            if (end < n_) {
                UpdateTrailingColumnsAndFactorNextPanel(first, end);
            }
            for (size_t k = first; k < end && progress != nullptr; ++k) {
                progress->StepDone(static_cast<int>(n_ - k - 1));
            }
        }
        BackSubstitute();
        return singular_steps_;
    }

private:
    using RowSteps = std::array<size_t, kMaxEliminationSize>;

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

    // The exchanges of steps first..end−1 in the trailing columns, a strip of
    // columns per part.
    struct ExchangeParts {
        Eliminator* eliminator = nullptr;
        size_t first = 0;
        size_t end = 0;
        size_t count() const { return (eliminator->n_ - end + kColumnStrip - 1) / kColumnStrip; }
        void operator()(size_t index) const {
            const size_t strip_from = end + index * kColumnStrip;
            eliminator->ExchangeStrip(first, end, strip_from,
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
                pivot = PanelStep(k, sub_end, pivot);
            }
            if (sub_end < end) {
                UpdatePanelColumns(sub, sub_end, end);
            }
        }
    }

    // The steps first..end−1 of a sub-block in the panel's columns end..to−1:
    // its exchanges, then the delayed steps of every row below it. Only the
    // calling thread runs this, while workers may be reading applied_.
    void UpdatePanelColumns(size_t first, size_t end, size_t to) {
        WorkOutCatchUps(first, end, panel_applied_);
        ExchangeStrip(first, end, end, to);
        size_t whole = 0;
        for (size_t i = end; i < n_; ++i) {
            if (panel_applied_[i] == first) {
                panel_whole_rows_[whole++] = i;
            } else {
                kernels_.row(a_, Row(i), panel_applied_[i], end, end, to);
            }
        }
        StepsOnRows(panel_whole_rows_.data(), whole, first, end, end, to);
    }

    // Elimination step k in the panel ending before step `end`, with the pivot
    // of column k. Returns the pivot of column k + 1 when that column is in the
    // panel: its elements are final as soon as this step has updated them.
    Pivot PanelStep(size_t k, size_t end, Pivot pivot) {
        const size_t p = pivot.row;
        double s = 0.0;
        if (pivot.big > 0.0) {
            s = 1.0 / Row(p)[k];
        } else {
            ++singular_steps_;
        }
        step_rows_[k % kBlockSteps] = p;
        step_scales_[k % kBlockSteps] = s;

        // Exchange rows p and k in columns k..end−1 and scale the new pivot row by s.
        double t = b_[p];
        b_[p] = b_[k];
        b_[k] = t * s;
        Exchange(k, p, s, k, end);

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

    // The block's exchanges in its trailing columns end..n−1, in step order:
    // each exchanged row is first brought up to date there. Which of the
    // block's steps a row still needs before its exchange is the same in every
    // column, so that is worked out once; the columns are then done in strips,
    // each strip on its own and shared among the threads like the update.
    void ExchangeTrailingColumns(size_t first, size_t end) {
        const size_t catch_up_steps = WorkOutCatchUps(first, end, applied_);
        ExchangeParts parts{this, first, end};
        if (Shared((n_ - end) * (catch_up_steps + end - first))) {
            workers_->Run(parts.count(), parts);
        } else {
            RunHere(parts);
        }
    }

    // For steps first..end−1: which steps the two rows of each exchange still
    // need before it (pivot_row_needs_, other_row_needs_), and in `applied` the
    // first step each row from `first` on needs after the exchanges. Returns
    // the number of steps the exchanged rows catch up.
    size_t WorkOutCatchUps(size_t first, size_t end, RowSteps& applied) {
        for (size_t i = first; i < n_; ++i) {
            applied[i] = first;
        }
        size_t catch_up_steps = 0;
        for (size_t k = first; k < end; ++k) {
            const size_t slot = k % kBlockSteps;
            const size_t p = step_rows_[slot];
            pivot_row_needs_[slot] = applied[k];
            applied[k] = k;
            other_row_needs_[slot] = applied[p];
            catch_up_steps += (k - pivot_row_needs_[slot]) + (k - other_row_needs_[slot]);
            applied[p] = k;    // the old row k now waits for step k itself
            applied[k] = end;  // a pivot row is final
        }
        return catch_up_steps;
    }

    // The exchanges of steps first..end−1 in columns from..to−1, each exchanged
    // row first given the steps it still needs there.
    void ExchangeStrip(size_t first, size_t end, size_t from, size_t to) {
        for (size_t k = first; k < end; ++k) {
            const size_t slot = k % kBlockSteps;
            const size_t p = step_rows_[slot];
            CatchUp(k, pivot_row_needs_[slot], k, from, to);
            CatchUp(p, other_row_needs_[slot], k, from, to);
            Exchange(k, p, step_scales_[slot], from, to);
        }
    }

    // Applies steps needed..k−1 to columns from..to−1 of row r.
    void CatchUp(size_t r, size_t needed, size_t k, size_t from, size_t to) {
        if (needed < k) {
            kernels_.row(a_, Row(r), needed, k, from, to);
        }
    }

    // Every row below the block receives its delayed steps first..end−1 in the
    // trailing columns end..n−1. The next block's columns come first, on the
    // calling thread, which then factors the next panel while the workers update
    // the columns beyond it: the two touch different columns.
    void UpdateTrailingColumnsAndFactorNextPanel(size_t first, size_t end) {
        block_first_ = first;
        block_end_ = end;
        whole_ = 0;
        partial_ = 0;
        for (size_t i = end; i < n_; ++i) {
            if (applied_[i] == first) {
                whole_rows_[whole_++] = i;
            } else {
                partial_rows_[partial_++] = i;
            }
        }
        whole_runs_ = (whole_ + kRowRun - 1) / kRowRun;
        runs_ = whole_runs_ + (partial_ > 0 ? 1 : 0);

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

    // Row run `run` (the runs of whole rows, then one of the partial rows) of
    // the current block over columns from..to−1.
    void UpdateRun(size_t run, size_t from, size_t to) {
        if (run == whole_runs_) {
            for (size_t r = 0; r < partial_; ++r) {
                const size_t i = partial_rows_[r];
                kernels_.row(a_, Row(i), applied_[i], block_end_, from, to);
            }
            return;
        }
        const size_t run_first = run * kRowRun;
        StepsOnRows(&whole_rows_[run_first], std::min(kRowRun, whole_ - run_first), block_first_,
                    block_end_, from, to);
    }

    // Steps first..end−1 on the `count` rows listed in `rows`, over columns
    // from..to−1: four rows at a time, the last ones singly.
    void StepsOnRows(const size_t* rows, size_t count, size_t first, size_t end, size_t from,
                     size_t to) {
        size_t r = 0;
        for (; r + 4 <= count; r += 4) {
            double* const four[4] = {Row(rows[r]), Row(rows[r + 1]), Row(rows[r + 2]),
                                     Row(rows[r + 3])};
            kernels_.four_rows(a_, four, first, end, from, to);
        }
        for (; r < count; ++r) {
            kernels_.row(a_, Row(rows[r]), first, end, from, to);
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
    // The current panel's steps: pivot row and scale, by step modulo the block.
    std::array<size_t, kBlockSteps> step_rows_;
    std::array<double, kBlockSteps> step_scales_;
    // Before the exchange of each step of the current block (or of the panel's
    // current sub-block): the first step that its pivot row and the row it
    // exchanges with still need.
    std::array<size_t, kBlockSteps> pivot_row_needs_;
    std::array<size_t, kBlockSteps> other_row_needs_;
    // Per row: the first step of the current block not yet applied to its
    // trailing columns. Set for every row below a block when the block starts.
    RowSteps applied_;
    // The same for a sub-block of the panel in the panel's columns, and the
    // rows below it that need all of its steps.
    RowSteps panel_applied_;
    RowSteps panel_whole_rows_;
    // The block whose trailing update runs, and its rows below it: those that
    // need all of its steps, and the others (filled before they are read, so
    // neither is initialised: with the arrays per row above, they are 120 KB of
    // stack that a small system never touches), with the runs of rows the parts
    // go by.
    size_t block_first_ = 0;
    size_t block_end_ = 0;
    size_t whole_ = 0;
    size_t partial_ = 0;
    size_t whole_runs_ = 0;
    size_t runs_ = 0;
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
