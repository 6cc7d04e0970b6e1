// The lattice's linear solve: LOES and its Gauss elimination SIMQ902.
#include "analysis/solver.h"

#include <algorithm>

#include "analysis/elimination.h"
#include "model/check.h"

namespace kalvesta {
namespace {

static_assert(kPanelCapacity <= kMaxEliminationSize);

// Passes the elimination's countdown on to the pipeline's observer.
class SolveCountdown final : public EliminationProgress {
public:
    explicit SolveCountdown(PipelineObserver& observer) : observer_(observer) {}
    void StepDone(int remaining) override { observer_.SolveProgress(remaining); }

private:
    PipelineObserver& observer_;
};

}  // namespace

bool LOES(int panel_count, Solution& solution, Memo& memo, PipelineObserver& observer,
          WorkerPool* workers) {
    const int n = panel_count;
    KALVESTA_CHECK(n >= 0 && n <= kPanelCapacity && solution.influence_matrix.size() == n);
    const size_t elements = static_cast<size_t>(n) * static_cast<size_t>(n);

    // The influence matrix holds velocities × 4π; it is scaled in place.
    PanelMatrix& matrix = solution.influence_matrix;
    double* const a = matrix.data();
    for (size_t e = 0; e < elements; ++e) {
        a[e] = kOneOverFourPi * a[e];
    }

    // Flow tangency: the induced downwash cancels a unit normal free stream.
    PerPanelNumber& b = solution.right_hand_side;
    std::fill(b.begin(), b.end(), -1.0);
    const int status = SIMQ902(b, n, matrix, observer, workers);
    const bool solved = status == 0;
    if (!solved) {
        memo.ReportFailure(TextId::kAnalysisSolveFailed);
    }
    std::copy_n(b.begin() + 1, n, solution.circulation.begin() + 1);
    return solved;
}

int SIMQ902(PerPanelNumber& b, int n, PanelMatrix& solve_matrix, PipelineObserver& observer,
            WorkerPool* workers) {
    KALVESTA_CHECK(n >= 0 && n <= kPanelCapacity && solve_matrix.size() == n);
    SolveCountdown countdown(observer);
    const MatrixView a{solve_matrix.data(), static_cast<size_t>(n)};
    const int singular_steps =
        GaussEliminate(a, &b[1], n, &countdown, VectorWidth::kWidest, workers);
    return singular_steps == 0 ? 0 : 1;
}

}  // namespace kalvesta
