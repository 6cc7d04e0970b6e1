// The trapezoid division trim: the strip edges of a tapered trapezoid such that
// every strip has the same width over mean chord, found by a small Newton solver
// (TRAPEZ_TRIM → TRIM9M → FCN, SIMQ90).
#pragma once

#include <array>

#include "analysis/kernels/zeroed_table.h"
#include "analysis/lattice.h"
#include "analysis/memo.h"

namespace kalvesta {

// The parameter vector holds the n strip widths and then span, inner chord and
// outer chord. It is sized for the most strips a surface can have (299 in one
// trapezoid), so every trapezoid GRID accepts can be trimmed.
inline constexpr int kTrimCapacity = kMaxSpanCount + 3;
using TrimVector = std::array<double, kTrimCapacity + 1>;  // 1-based
using TrimMask = std::array<bool, kTrimCapacity + 1>;      // 1-based
// Strip-edge fractions F[1..n+1] of a trapezoid, 1-based.
using EdgeFractions = std::array<double, kStripCapacity + 1>;

// The Jacobian of the current Newton step, 1-based [row][column]; the
// elimination destroys it.
struct TrimMatrix {
    // 700 KB, zero until written: a lattice of few strips touches a corner only.
    ZeroedTable<std::array<std::array<double, kMaxSpanCount + 1>, kMaxSpanCount + 1>> a;
};

inline constexpr int kTrimIterationLimit = 20;

// Who is being trimmed, for the messages.
struct TrimSubject {
    int wing = 0;
    int trapezoid = 0;
};

// Divides a trapezoid of span `span_mm` and chords `inner_chord_mm`, `outer_chord_mm`
// into `strips` (2..299) strips and writes the edge fractions F[1..strips+1]
// (F[1] = 0, F[i+1] = (W[1] + … + W[i]) / span). Returns TRIM9M's status: the
// number of corrections made (≥ 0) on success, −kTrimIterationLimit when the
// iteration limit was reached (then the failure lines are in the memo and
// calc_failed is set, and the fractions come from the last iterate, or equal
// widths should that iterate not be finite).
int TRAPEZ_TRIM(const TrimSubject& subject, int strips, double span_mm, double inner_chord_mm,
                double outer_chord_mm, EdgeFractions& edge_fractions, TrimMatrix& trim_matrix,
                Memo& memo);

// Newton iteration on the M equations of FCN for the masked entries of x
// (N entries in all), at most itmax iterations. status: on entry the value to keep
// when the start values already solve the equations; on return the number of the
// last iteration that made a correction, −itmax when the limit was reached
// unsolved, 0 when itmax ≤ 0.
void TRIM9M(const TrimSubject& subject, int N, int M, int itmax, const TrimMask& mask,
            TrimVector& x, int& status, TrimMatrix& trim_matrix, Memo& memo);

// The M residuals R[1..M] at x = (W[1..n], span, inner chord, outer chord),
// n = N − 3: equal width-to-chord ratio for strips 1..M−1 against strip n, and the
// widths filling the span.
void FCN(int N, int M, const TrimVector& x, TrimVector& residuals);

// Solves trim_matrix[1..n][1..n] · d = b in place (d left in b[1..n]). Returns 0:
// a zero pivot column is passed over with a zero correction.
int SIMQ90(TrimMatrix& trim_matrix, TrimVector& b, int n);

}  // namespace kalvesta
