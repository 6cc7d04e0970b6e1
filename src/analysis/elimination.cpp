// Gauss elimination with row pivoting, walked row by row.
#include "analysis/elimination.h"

#include <cmath>
#include <cstddef>

namespace kalvesta {

int GaussEliminate(MatrixView a, double* b, int n, EliminationProgress* progress) {
    const auto un = static_cast<size_t>(n < 0 ? 0 : n);
    const size_t stride = a.stride;
    const auto row = [&](size_t i) { return a.base + i * stride; };
    int singular_steps = 0;

    for (size_t k = 0; k < un; ++k) {
        // Pivot: the largest magnitude in column k, the later row on a tie.
        double big = 0.0;
        size_t p = k;
        for (size_t i = k; i < un; ++i) {
            const double t = std::fabs(row(i)[k]);
            if (big <= t) {
                big = t;
                p = i;
            }
        }
        double s = 0.0;
        if (big > 0.0) {
            s = 1.0 / row(p)[k];
        } else {
            ++singular_steps;
        }

        // Exchange rows p and k (columns k..n only) and scale the pivot row.
        double t = b[p];
        b[p] = b[k];
        b[k] = t * s;
        double* const pivot_row = row(k);
        double* const other_row = row(p);
        for (size_t j = k; j < un; ++j) {
            t = other_row[j];
            other_row[j] = pivot_row[j];
            pivot_row[j] = t * s;
        }

        // a[i][j] ← a[i][j] − a[i][k] × a[k][j], row by row.
        for (size_t i = k + 1; i < un; ++i) {
            double* const target = row(i);
            const double f = target[k];
            for (size_t j = k + 1; j < un; ++j) {
                target[j] = target[j] - f * pivot_row[j];
            }
        }
        const double f = b[k];
        for (size_t i = k + 1; i < un; ++i) {
            b[i] = b[i] - row(i)[k] * f;
        }
        if (progress != nullptr) {
            progress->StepDone(n - static_cast<int>(k) - 1);
        }
    }

    // Back substitution; the scaled pivot rows have an implied unit diagonal.
    for (ptrdiff_t i = static_cast<ptrdiff_t>(un) - 2; i >= 0; --i) {
        const auto ui = static_cast<size_t>(i);
        const double* const r = row(ui);
        double sum = 0.0;
        for (size_t j = ui + 1; j < un; ++j) {
            sum = sum + b[j] * r[j];
        }
        b[ui] = b[ui] - sum;
    }
    return singular_steps;
}

}  // namespace kalvesta
