// The planar vortex lattice laid over the lifting surfaces: the panel counts that
// GRID decides and the geometry that TRAWY2 lays, strip by strip.
//
// Indices are 1-based like the rest of the model: w = 1..3 (surface), k = strip of
// the surface's right half counted from the root outwards, t = trapezoid 1..4,
// m = chordwise line or panel. Slot 0 of w, k and t is unused; slot 0 of m is
// used by control_x only (the strip's leading edge). Every array is indexed
// m-major, then k, with the surface index varying fastest: grid_x1[m][k][w].
// Coordinates are millimetres in aircraft axes (x aft, y spanwise out, z up).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "analysis/kernels/panel_points.h"
#include "analysis/kernels/zeroed_table.h"
#include "model/aircraft.h"

namespace kalvesta {

// Strips per surface half: the index runs 1..300, and GRID keeps span_count below
// 300 (a surface needing 300 or more strips is refused).
inline constexpr int kStripCapacity = 300;
// Chordwise grid lines per strip: m runs 1..300, so chord_count stays at most 299.
inline constexpr int kChordLineCapacity = 300;
inline constexpr int kMaxChordCount = kChordLineCapacity - 1;
inline constexpr int kMaxSpanCount = kStripCapacity - 1;
// Panels of the whole aircraft in the calculation's own lattice, which GRID keeps
// within this limit.
inline constexpr int kMaxPanels = 3000;

// Per-strip value [k = 0..300][w = 0..3].
template <class T>
using PerStrip = std::array<PerWing<T>, kStripCapacity + 1>;

// The five per-panel tables of doubles [m = 0..300][k = 0..300][w = 0..3] in one
// block, interleaved line by line: line m of every table lies beside line m of
// the others. A lattice of few chord lines then writes one short stretch of
// memory (about 0.6 MB for 12 lines) instead of five stretches 2.9 MB apart, and
// the block, zero until written, takes it in a single huge page.
inline constexpr size_t kPanelTableCount = 5;
using PanelLines =
    std::array<std::array<PerStrip<double>, kPanelTableCount>, kChordLineCapacity + 1>;

// One of the five tables: table[m][k][w]. It refers to the block it was made on,
// so it is neither copied nor moved.
class PanelTable {
public:
    PanelTable(ZeroedTable<PanelLines>& lines, size_t which) : lines_(lines), which_(which) {}
    PanelTable(const PanelTable&) = delete;
    PanelTable& operator=(const PanelTable&) = delete;

    PerStrip<double>& operator[](size_t m) { return lines_[m][which_]; }
    const PerStrip<double>& operator[](size_t m) const { return std::as_const(lines_)[m][which_]; }

    // Lines [0, lines) of strips [0, strips) back to 0: the part a lattice wrote,
    // so that the pages nobody wrote stay untouched.
    void ClearLeading(size_t lines, size_t strips) {
        lines = std::min(lines, kChordLineCapacity + size_t{1});
        strips = std::min(strips, kStripCapacity + size_t{1});
        for (size_t m = 0; m < lines; ++m) {
            std::memset(&(*this)[m][0], 0, strips * sizeof(PerWing<double>));
        }
    }

private:
    ZeroedTable<PanelLines>& lines_;
    size_t which_;
};

// Per-trapezoid count [t = 0..5][w = 0..3]: four trapezoids of a wing's inputs and
// a centre section where the lattice is carried through the fuselage.
inline constexpr int kMaxLatticeTrapezoids = kMaxPlanStations - 1;
using PerTrapezoid = std::array<PerWing<int32_t>, kMaxLatticeTrapezoids + 1>;

struct Lattice {
    // ---- Counts (GRID). Surfaces beyond calc_wing_count keep 0, and so does every
    // surface after GRID refused the aircraft: then no panel exists, and the
    // geometry is that of the last accepted calculation.
    int32_t panel_count = 0;         // Σ chord_count[w] × span_count[w], ≤ kPanelCapacity
    PerWing<int32_t> chord_count{};  // chordwise panels of every strip, 1..299
    PerWing<int32_t> span_count{};   // strips of the half-span, < 300
    PerTrapezoid trap_span_count{};  // strips of trapezoid t; 0 for no positive span

    // ---- Geometry (TRAWY2). Edge 1 is a strip's inner (root-side) edge, edge 2
    // its outer edge.
    ZeroedTable<PanelLines> panel_lines;   // the storage of the five tables below
    PanelTable vortex_x1{panel_lines, 0};  // bound vortex of panel m (quarter chord), edge 1
    PanelTable vortex_x2{panel_lines, 1};  // the same on edge 2
    PanelTable grid_x1{panel_lines, 2};    // chordwise grid line m on edge 1 (1 = LE, n_c+1 = TE)
    PanelTable grid_x2{panel_lines, 3};    // the same on edge 2
    PanelTable control_x{panel_lines, 4};  // centre line: 0 LE, 1..n_c control points, n_c+1 TE
    PerStrip<double> vortex_y1{};          // y of edge 1
    PerStrip<double> vortex_y2{};          // y of edge 2
    PerStrip<double> grid_y1{};            // copy of vortex_y1, read by the grid drawing
    PerStrip<double> grid_y2{};            // copy of vortex_y2
    PerStrip<double> control_y{};          // y of the strip's centre line
    PerStrip<double> strip_chord{};        // local chord on the centre line
    PerWing<double> surface_z{};           // height of the surface's plane

    // The part of the per-panel tables the last TRAWY2 may have written: chord
    // lines m < laid_lines of strips k < laid_strips; every element beyond is 0.
    size_t laid_lines = 0;
    size_t laid_strips = 0;
};

}  // namespace kalvesta
