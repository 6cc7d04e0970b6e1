// GRID sizes the vortex lattice; TRAWY2 lays its strips, panels and control points.
#include "analysis/grid.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <type_traits>

#include "analysis/messages.h"
#include "model/check.h"
#include "model/pixel.h"

namespace kalvesta {
namespace {

// Panels the largest surface gets on its half-span.
constexpr int kPanelBudget = 400;

enum class Refusal { kNone, kNoArea, kTooManyChordPanels, kTooManyStrips };

// A count rounded to the nearest integer (halves to even) and limited to `limit`,
// which stands for "too many" whatever the value was (NaN and infinities
// included), so that no count can overflow or index past an array.
int32_t RoundedCount(double value, int32_t limit) {
    return std::min(RoundHalfEven(value), limit);
}

// Sizes one surface of positive area: chord_count and the strips per trapezoid.
void CountSurface(const Aircraft& aircraft, size_t w, double reference_area, Lattice& lattice) {
    const double area = aircraft.wing_s[w];
    // The largest surface gets the whole budget on its half, the others in proportion.
    const int32_t panel_budget = RoundedCount(kPanelBudget * area / reference_area, kPanelBudget);

    const auto last = static_cast<size_t>(aircraft.station_count[w] - 1);
    const double half_span = aircraft.plan_y[last][w] - aircraft.plan_y[0][w];
    const double aspect_ratio = (2.0 * half_span) * (2.0 * half_span) / area;

    // A half-span of n_c² × Λ / 2 square panels is the budget.
    const double chord_panels = std::sqrt(2.0 * panel_budget / aspect_ratio);
    const int32_t n_c = std::max(RoundedCount(chord_panels, kChordLineCapacity), 1);
    lattice.chord_count[w] = n_c;

    int32_t strips = 0;
    for (size_t t = 1; t <= last; ++t) {
        const double dy = aircraft.plan_y[t][w] - aircraft.plan_y[t - 1][w];
        if (dy > 0.0) {
            // Square panels: strip width = chord / n_c.
            const double mean_chord = (aircraft.plan_c[t - 1][w] + aircraft.plan_c[t][w]) / 2.0;
            const int32_t n = RoundedCount(n_c * dy / mean_chord, kStripCapacity);
            lattice.trap_span_count[t][w] = std::max(n, 1);
            strips += lattice.trap_span_count[t][w];
        }
    }
    lattice.span_count[w] = strips;
}

Refusal CheckSurface(const Lattice& lattice, size_t w, bool has_area) {
    if (!has_area) {
        return Refusal::kNoArea;
    }
    if (lattice.chord_count[w] > kMaxChordCount) {
        return Refusal::kTooManyChordPanels;
    }
    if (lattice.span_count[w] >= kStripCapacity) {
        return Refusal::kTooManyStrips;
    }
    return Refusal::kNone;
}

void ReportRefusal(Refusal refusal, int w, Memo& memo) {
    switch (refusal) {
        case Refusal::kNone:
            return;
        case Refusal::kNoArea:
            ReportSurfaceRefusal(memo, w, TextId::kAnalysisNoArea);
            return;
        case Refusal::kTooManyChordPanels:
            ReportSurfaceRefusal(memo, w, TextId::kAnalysisMoreAspectRatio);
            return;
        case Refusal::kTooManyStrips:
            ReportSurfaceRefusal(memo, w, TextId::kAnalysisLessAspectRatio);
            return;
    }
}

template <class Table>
void ZeroFill(Table& table) {
    static_assert(std::is_trivially_copyable_v<Table>);
    std::memset(&table, 0, sizeof(Table));
}

// Point i of n + 1 cosine-spaced points from 0 to 1: (1 − cos(π i / n)) / 2.
double CosineFraction(int i, int n) {
    return 0.5 * (1.0 - std::cos(std::numbers::pi * i / n));
}

// The control line of cosine strip s of n in trapezoid t of surface w, strip K:
// at the strip's middle angle, the fraction (1 − cos(π (2s − 1) / 2n)) / 2 of the
// trapezoid's span, with its own leading edge and chord; control point m at the
// panel's rear angle, (1 − cos(π m / n_c)) / 2 of that chord.
void LayCosineControlLine(const Aircraft& aircraft, size_t w, size_t t, int32_t s, int32_t n,
                          size_t k, Lattice& lattice) {
    const double fraction = CosineFraction(2 * s - 1, 2 * n);
    const double x_le =
        aircraft.plan_x[t - 1][w] + fraction * (aircraft.plan_x[t][w] - aircraft.plan_x[t - 1][w]);
    const double chord =
        aircraft.plan_c[t - 1][w] + fraction * (aircraft.plan_c[t][w] - aircraft.plan_c[t - 1][w]);
    const auto n_c = static_cast<size_t>(lattice.chord_count[w]);
    lattice.control_x[0][k][w] = x_le;
    for (size_t m = 1; m <= n_c; ++m) {
        lattice.control_x[m][k][w] =
            x_le + chord * CosineFraction(static_cast<int>(m), static_cast<int>(n_c));
    }
    lattice.control_x[n_c + 1][k][w] = x_le + chord;
    lattice.control_y[k][w] =
        aircraft.plan_y[t - 1][w] + fraction * (aircraft.plan_y[t][w] - aircraft.plan_y[t - 1][w]);
    lattice.strip_chord[k][w] = chord;
}

// Lays the strips of trapezoid t of surface w, numbered from strip K + 1 on.
// `f` holds the edge fractions F[1..n+1].
void LayStrips(const Aircraft& aircraft, size_t w, size_t t, const EdgeFractions& f, int32_t n,
               LatticeSpacing spacing, int32_t& K, Lattice& lattice) {
    const double x0 = aircraft.plan_x[t - 1][w];
    const double dx = aircraft.plan_x[t][w] - x0;
    const double y0 = aircraft.plan_y[t - 1][w];
    const double dy = aircraft.plan_y[t][w] - y0;
    const double c0 = aircraft.plan_c[t - 1][w];
    const double dc = aircraft.plan_c[t][w] - c0;
    const int32_t n_c = lattice.chord_count[w];

    for (size_t s = 1; s <= static_cast<size_t>(n); ++s) {
        ++K;
        const auto k = static_cast<size_t>(K);
        for (int edge = 1; edge <= 2; ++edge) {
            const double fraction = edge == 1 ? f[s] : f[s + 1];
            PanelTable& vortex_x = edge == 1 ? lattice.vortex_x1 : lattice.vortex_x2;
            PanelTable& grid_x = edge == 1 ? lattice.grid_x1 : lattice.grid_x2;
            const double x_le = x0 + fraction * dx;
            const double c_f = c0 + fraction * dc;
            const double d = c_f / n_c;  // panel length
            const double y = y0 + fraction * dy;
            for (int32_t m = 1; m <= n_c; ++m) {
                const auto mi = static_cast<size_t>(m);
                if (spacing == LatticeSpacing::kTrimmedUniform) {
                    vortex_x[mi][k][w] = x_le + d * (m - 0.75);  // quarter chord of panel m
                    grid_x[mi][k][w] = x_le + d * (m - 1);
                } else {
                    // Panel m runs from angle π (m − 1) / n_c to π m / n_c on the
                    // semicircle over the chord; its vortex sits at the middle angle.
                    vortex_x[mi][k][w] = x_le + c_f * CosineFraction(2 * m - 1, 2 * n_c);
                    grid_x[mi][k][w] = x_le + c_f * CosineFraction(m - 1, n_c);
                }
            }
            grid_x[static_cast<size_t>(n_c) + 1][k][w] = x_le + c_f;
            (edge == 1 ? lattice.vortex_y1 : lattice.vortex_y2)[k][w] = y;
            (edge == 1 ? lattice.grid_y1 : lattice.grid_y2)[k][w] = y;
        }
        if (spacing == LatticeSpacing::kCosine) {
            LayCosineControlLine(aircraft, w, t, static_cast<int32_t>(s), n, k, lattice);
        }
    }
}

// Control points on each strip's arithmetic centre line, the strip's chord.
void LayControlPoints(size_t w, Lattice& lattice) {
    const auto n_c = static_cast<size_t>(lattice.chord_count[w]);
    for (size_t k = 1; k <= static_cast<size_t>(lattice.span_count[w]); ++k) {
        const auto g = [&](size_t m) {
            return lattice.grid_x1[m][k][w] + lattice.grid_x2[m][k][w];
        };
        lattice.control_x[0][k][w] = g(1) * 0.5;
        for (size_t m = 1; m <= n_c; ++m) {
            // Three quarters along panel m: (g[m] + 3 g[m+1]) / 8.
            lattice.control_x[m][k][w] = 0.125 * g(m) + 0.375 * g(m + 1);
        }
        lattice.control_x[n_c + 1][k][w] = g(n_c + 1) * 0.5;
        lattice.control_y[k][w] = (lattice.grid_y1[k][w] + lattice.grid_y2[k][w]) * 0.5;
        lattice.strip_chord[k][w] = lattice.control_x[n_c + 1][k][w] - lattice.control_x[0][k][w];
    }
}

}  // namespace

void GRID(const Aircraft& aircraft, Lattice& lattice, Memo& memo) {
    const int wings = aircraft.calc_wing_count;
    KALVESTA_CHECK(wings >= 0 && wings <= kMaxWings);
    lattice.panel_count = 0;
    lattice.chord_count = {};
    lattice.span_count = {};
    lattice.trap_span_count = {};

    // Reference: the largest surface of the analysis.
    double reference_area = 0.0;
    for (size_t w = 1; w <= static_cast<size_t>(wings); ++w) {
        reference_area = std::max(reference_area, aircraft.wing_s[w]);
    }

    PerWing<Refusal> refusals{};
    for (size_t w = 1; w <= static_cast<size_t>(wings); ++w) {
        KALVESTA_CHECK(aircraft.station_count[w] >= 2 &&
                       aircraft.station_count[w] <= kMaxPlanStations);
        // No area means no span or no chord: no budget and no aspect ratio.
        const bool has_area = aircraft.wing_s[w] > 0.0 && std::isfinite(aircraft.wing_s[w]);
        if (has_area) {
            CountSurface(aircraft, w, reference_area, lattice);
        }
        refusals[w] = CheckSurface(lattice, w, has_area);
        lattice.panel_count += lattice.chord_count[w] * lattice.span_count[w];
    }

    bool refused = false;
    for (int w = 1; w <= wings; ++w) {
        const Refusal refusal = refusals[static_cast<size_t>(w)];
        ReportRefusal(refusal, w, memo);
        refused = refused || refusal != Refusal::kNone;
    }
    if (!refused && lattice.panel_count > kMaxPanels) {
        ReportAircraftRefusal(memo, TextId::kAnalysisTooManyPanels);
        refused = true;
    }
    if (refused) {
        // The lattice arrays cannot hold what was counted: leave no panels at all,
        // so that nothing reads past them.
        lattice.panel_count = 0;
        lattice.chord_count = {};
        lattice.span_count = {};
        lattice.trap_span_count = {};
    }
}

void TRAWY2(const Aircraft& aircraft, Lattice& lattice, TrimMatrix& trim_matrix, Memo& memo,
            LatticeSpacing spacing) {
    const int wings = aircraft.calc_wing_count;
    KALVESTA_CHECK(wings >= 0 && wings <= kMaxWings);
    // Only what the previous lattice wrote needs clearing.
    for (PanelTable* table : {&lattice.vortex_x1, &lattice.vortex_x2, &lattice.grid_x1,
                              &lattice.grid_x2, &lattice.control_x}) {
        table->ClearLeading(lattice.laid_lines, lattice.laid_strips);
    }
    lattice.laid_lines = 0;
    lattice.laid_strips = 0;
    ZeroFill(lattice.vortex_y1);
    ZeroFill(lattice.vortex_y2);
    ZeroFill(lattice.grid_y1);
    ZeroFill(lattice.grid_y2);
    ZeroFill(lattice.control_y);
    ZeroFill(lattice.strip_chord);

    EdgeFractions fractions{};
    for (size_t w = 1; w <= static_cast<size_t>(wings); ++w) {
        KALVESTA_CHECK(lattice.chord_count[w] >= 1 && lattice.chord_count[w] <= kMaxChordCount);
        KALVESTA_CHECK(lattice.span_count[w] >= 0 && lattice.span_count[w] <= kMaxSpanCount);
        // Lines 0..n_c+1 of strips 1..span_count.
        lattice.laid_lines =
            std::max(lattice.laid_lines, static_cast<size_t>(lattice.chord_count[w]) + 2);
        lattice.laid_strips =
            std::max(lattice.laid_strips, static_cast<size_t>(lattice.span_count[w]) + 1);
        int32_t K = 0;
        for (size_t t = 1; t < static_cast<size_t>(aircraft.station_count[w]); ++t) {
            const int32_t n = lattice.trap_span_count[t][w];
            if (n <= 0) {
                continue;
            }
            if (n == 1) {
                fractions[1] = 0.0;
                fractions[2] = 1.0;
            } else if (spacing == LatticeSpacing::kCosine) {
                for (int s = 0; s <= n; ++s) {
                    fractions[static_cast<size_t>(s) + 1] = CosineFraction(s, n);
                }
            } else {
                const TrimSubject subject{static_cast<int>(w), static_cast<int>(t)};
                TRAPEZ_TRIM(subject, n, aircraft.plan_y[t][w] - aircraft.plan_y[t - 1][w],
                            aircraft.plan_c[t - 1][w], aircraft.plan_c[t][w], fractions,
                            trim_matrix, memo);
            }
            LayStrips(aircraft, w, t, fractions, n, spacing, K, lattice);
        }
        KALVESTA_CHECK(K == lattice.span_count[w]);
        if (spacing == LatticeSpacing::kTrimmedUniform) {
            LayControlPoints(w, lattice);
        }
    }
    lattice.surface_z = SurfaceHeights(aircraft);
}

PerWing<double> SurfaceHeights(const Aircraft& aircraft) {
    // Every surface lies in its own plane; equal heights are moved apart (by the
    // decimal offsets 0.333, 0.666 and 0.5 mm), each test on the values as they
    // stand after the previous one.
    PerWing<double> z{};
    for (size_t w = 1; w <= kMaxWings; ++w) {
        z[w] = aircraft.wing_z_mm[w];
    }
    if (z[1] == z[2]) {
        z[2] = z[2] + 0.333;
    }
    if (z[1] == z[3]) {
        z[3] = z[3] + 0.666;
    }
    if (z[2] == z[3]) {
        z[3] = z[3] + 0.5;
    }
    return z;
}

}  // namespace kalvesta
