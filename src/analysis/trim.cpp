// The trapezoid division trim: Newton's method with a finite-difference Jacobian
// on the equations "every strip has the width-to-chord ratio of the outermost
// one" and "the widths fill the span".
#include "analysis/trim.h"

#include <cmath>
#include <string>

#include "analysis/elimination.h"
#include "model/check.h"
#include "model/number_format.h"

namespace kalvesta {
namespace {

// Residual sum below which the equations count as solved (mm).
constexpr double kTolerance = 1e-9;
// Finite-difference step of the Jacobian (mm) and its reciprocal.
constexpr double kStep = 0.001;
constexpr double kOneOverStep = 1000.0;

// The wing and the trapezoid each right-aligned in 2 characters: "Wing  1 / Trapezium 3".
void ReportIterationLimit(const TrimSubject& subject, Memo& memo) {
    memo.AddLine(TextId::kAnalysisCannotTrim, {{"wing", FormatInt(subject.wing, 2)},
                                               {"trapezoid", FormatInt(subject.trapezoid, 2)}});
    memo.ReportFailure(TextId::kAnalysisMoreTipChord);
}

}  // namespace

int TRAPEZ_TRIM(const TrimSubject& subject, int strips, double span_mm, double inner_chord_mm,
                double outer_chord_mm, EdgeFractions& edge_fractions, TrimMatrix& trim_matrix,
                Memo& memo) {
    const int n = strips;
    KALVESTA_CHECK(n >= 2 && n <= kMaxSpanCount);
    const auto un = static_cast<size_t>(n);

    // Equal widths to start with; span and chords ride along as fixed parameters.
    TrimVector x{};
    TrimMask mask{};
    for (size_t i = 1; i <= un; ++i) {
        x[i] = span_mm / n;
        mask[i] = true;
    }
    x[un + 1] = span_mm;
    x[un + 2] = inner_chord_mm;
    x[un + 3] = outer_chord_mm;

    int status = 22;
    TRIM9M(subject, n + 3, n, kTrimIterationLimit, mask, x, status, trim_matrix, memo);

    // F[1] = 0, F[i+1] = (W[1] + … + W[i]) / D.
    edge_fractions[1] = 0.0;
    double sum = 0.0;
    bool finite = true;
    for (size_t i = 1; i <= un; ++i) {
        sum = sum + x[i];
        edge_fractions[i + 1] = sum / span_mm;
        finite = finite && std::isfinite(edge_fractions[i + 1]);
    }
    if (!finite) {
        // A diverged trim (already reported) still gets a grid, of equal strips.
        for (size_t i = 1; i <= un; ++i) {
            edge_fractions[i + 1] = static_cast<double>(i) / n;
        }
    }
    return status;
}

void TRIM9M(const TrimSubject& subject, int N, int M, int itmax, const TrimMask& mask,
            TrimVector& x, int& status, TrimMatrix& trim_matrix, Memo& memo) {
    KALVESTA_CHECK(N >= 1 && N <= kTrimCapacity && M >= 1 && M <= N && M <= kMaxSpanCount);
    if (itmax <= 0) {
        memo.ReportFailure(TextId::kAnalysisTrimWithoutIterations,
                           {{"itmax", FormatInt(itmax, 2)}});
        status = 0;
        return;
    }
    const auto uN = static_cast<size_t>(N);
    const auto uM = static_cast<size_t>(M);
    TrimVector r0{};
    TrimVector r1{};
    for (int it = 1; it <= itmax; ++it) {
        FCN(N, M, x, r0);
        double s = 0.0;
        for (size_t r = 1; r <= uM; ++r) {
            s = s + std::fabs(r0[r]);
        }
        if (s < kTolerance) {
            return;  // solved: no later iteration would change anything
        }

        // Jacobian column j = d R / d (j-th masked entry), forward differences.
        size_t j = 0;
        for (size_t i = 1; i <= uN && j < uM; ++i) {
            if (!mask[i]) {
                continue;
            }
            ++j;
            const double kept = x[i];
            x[i] = kept + kStep;
            FCN(N, M, x, r1);
            for (size_t r = 1; r <= uM; ++r) {
                trim_matrix.a[r][j] = (r1[r] - r0[r]) * kOneOverStep;
            }
            x[i] = kept;
        }

        // Newton step: x ← x − J⁻¹ R.
        SIMQ90(trim_matrix, r0, M);
        j = 0;
        for (size_t i = 1; i <= uN && j < uM; ++i) {
            if (mask[i]) {
                ++j;
                x[i] = x[i] - r0[j];
            }
        }
        status = it;
        if (it == itmax) {
            // The tolerance was still missed at the start of the last iteration.
            ReportIterationLimit(subject, memo);
            status = -itmax;
        }
    }
}

void FCN(int N, int M, const TrimVector& x, TrimVector& residuals) {
    const int n = N - 3;
    KALVESTA_CHECK(n >= 1 && M >= 1 && M <= n);
    const auto un = static_cast<size_t>(n);
    const auto uM = static_cast<size_t>(M);
    const double span = x[un + 1];
    const double c_in = x[un + 2];
    const double c_out = x[un + 3];

    // Chord at the outer edge of strip k: Z[k] = c_in + (c_out − c_in) × (W[1] + … +
    // W[k]) / D for k < n; Z[0] = c_in and Z[n] = c_out.
    const auto edge_chord = [&](size_t k, double width_sum) {
        if (k == 0) {
            return c_in;
        }
        if (k == un) {
            return c_out;
        }
        return c_in + (c_out - c_in) * width_sum / span;
    };
    // Strip i's width over its mean chord CM = (Z[i−1] + Z[i]) / 2, written as the
    // area A = CM × W over CM².
    const auto ratio = [](double z_inner, double z_outer, double width) {
        const double mean_chord = (z_inner + z_outer) / 2.0;
        const double area = mean_chord * width;
        return area / (mean_chord * mean_chord);
    };

    double sum_before_last = 0.0;
    for (size_t i = 1; i < un; ++i) {
        sum_before_last = sum_before_last + x[i];
    }
    const double outer_ratio = ratio(edge_chord(un - 1, sum_before_last), c_out, x[un]);

    double sum = 0.0;
    double z_inner = c_in;
    for (size_t i = 1; i < uM; ++i) {
        sum = sum + x[i];
        const double z_outer = edge_chord(i, sum);
        residuals[i] = ratio(z_inner, z_outer, x[i]) - outer_ratio;
        z_inner = z_outer;
    }

    double width_sum = 0.0;
    for (size_t i = 1; i <= uM; ++i) {
        width_sum = width_sum + x[i];
    }
    residuals[uM] = span - width_sum;
}

int SIMQ90(TrimMatrix& trim_matrix, TrimVector& b, int n) {
    KALVESTA_CHECK(n >= 0 && n <= kMaxSpanCount);
    const MatrixView a{&trim_matrix.a[1][1], kMaxSpanCount + 1};
    GaussEliminate(a, &b[1], n, nullptr);
    return 0;
}

}  // namespace kalvesta
