// The aircraft parameter set: the integer inputs in whole millimetres, the counts,
// the planform tables and the derived planform values of up to three surfaces.
//
// Indexing follows the documented model exactly so that formulas read like their
// derivation: surfaces ("wings") are numbered 1..3 and stations 0..4 (0 the root,
// k the outer end of trapezoid k). Per-station arrays are station-major and
// wing-minor: plan_x[k][w]. Slot 0 of every per-wing index is unused.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kalvesta {

inline constexpr int kMaxWings = 3;
inline constexpr int kMaxStations = 5;  // root + four trapezoid ends
inline constexpr int kMaxTrapezoids = 4;

// Per-wing value, index w = 1..3 (index 0 unused).
template <class T>
using PerWing = std::array<T, kMaxWings + 1>;

// Per-station, per-wing table, index [k = 0..4][w = 1..3].
template <class T>
using PerStation = std::array<PerWing<T>, kMaxStations>;

// The planform tables hold one station more than a wing's inputs: a lattice carried
// through the fuselage puts a centre section inside the root (stations 0..5).
inline constexpr int kMaxPlanStations = kMaxStations + 1;
template <class T>
using PlanTable = std::array<PerWing<T>, kMaxPlanStations>;

struct Aircraft {
    // Integer inputs (mm). Chords and station positions hold magnitudes; leading
    // edges and wing positions keep their sign. le_x_mm[0] is unused (the root
    // leading edge is the wing's own origin).
    PerStation<int32_t> chord_mm{};
    PerStation<int32_t> station_y_mm{};
    PerStation<int32_t> le_x_mm{};
    PerWing<int32_t> wing_x_mm{};
    PerWing<int32_t> wing_z_mm{};

    // Counts.
    int32_t wing_count = 0;              // 1..3, from the wing-count buttons
    int32_t calc_wing_count = 0;         // the surfaces of the last calculation (RunPipeline)
    PerWing<int32_t> station_count{};    // trapezoids + 1, set by the planform computation
    PerWing<int32_t> trapezoid_count{};  // as written to and read from a ".da4" file

    // Planform tables (mm): leading-edge x in aircraft axes, station y, chord. The
    // inputs fill stations 0..4; station_count says how many the lattice takes.
    PlanTable<double> plan_x{};
    PlanTable<double> plan_y{};
    PlanTable<double> plan_c{};

    // Derived planform values, written by ComputeWing from the trapezoids alone: span
    // b (mm, tip to tip), area s (mm², both halves), mean aerodynamic chord lm (mm),
    // r25 (mm aft of the wing's root leading edge), aspect ratio lam. They are what
    // the wing tabs show and what GRID sizes the lattice by; the lattice's own span,
    // area, chord and aspect ratio are results (Results::wing_b ...).
    PerWing<double> wing_b{};
    PerWing<double> wing_s{};
    PerWing<double> wing_lm{};
    PerWing<double> wing_r25{};
    PerWing<double> wing_lam{};

    // The stored results belong to these inputs: set from the calculation's
    // outcome (HasResults), cleared by every preparation and planform change.
    bool results_valid = false;
    std::string current_file_name;
};

}  // namespace kalvesta
