// The lattice's panels flattened into panel order, as the influence matrix's loops
// read them.
#pragma once

#include <array>

namespace kalvesta {

// Panels the linear system and the per-panel arrays hold: the calculation's 3000
// and the finer lattices of the refined-lattice check, whose matrix of 3500 × 3500
// doubles takes 98 MB once written.
inline constexpr int kPanelCapacity = 3500;

// The panels in the order surface, strip, chordwise panel, so that the assembly
// loops run over contiguous numbers. Index p = 0..panel_count-1; EINFLUSS writes
// the panels it walks before it reads them, and nothing else is read, so the
// arrays are not initialised.
struct PanelPoints {
    std::array<double, kPanelCapacity> control_x;
    std::array<double, kPanelCapacity> control_y;
    std::array<double, kPanelCapacity> vortex_x1;
    std::array<double, kPanelCapacity> vortex_x2;
    std::array<double, kPanelCapacity> vortex_y1;
    std::array<double, kPanelCapacity> vortex_y2;
    std::array<double, kPanelCapacity> z;
};

}  // namespace kalvesta
