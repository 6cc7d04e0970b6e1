// The linear system of the vortex lattice: the influence matrix, which the solve
// scales and eliminates in place, and the circulation it solves for.
#pragma once

#include <array>
#include <cstddef>

#include "analysis/kernels/huge_page_block.h"
#include "analysis/lattice.h"
#include "model/check.h"

namespace kalvesta {

// A square matrix of fixed capacity kPanelCapacity × kPanelCapacity, used as a packed
// size() × size() block: element (i, j), 1-based, lives at (i-1) × n + (j-1) for
// the current n. The storage is reserved once and never initialised, so only the
// pages of the block actually used become resident (on huge pages where the
// system offers them). Reading outside the active block gives 0.
class PanelMatrix {
public:
    static constexpr size_t kCapacity = static_cast<size_t>(kPanelCapacity) * kPanelCapacity;

    PanelMatrix() : data_(kCapacity) {}

    // Makes the active block n × n (0..kPanelCapacity). The elements of the new block
    // are unspecified until written.
    void Resize(int n) {
        KALVESTA_CHECK(n >= 0 && n <= kPanelCapacity);
        n_ = n;
    }
    int size() const { return n_; }

    // Element (i, j), 1-based; 0 outside the active block.
    double operator()(int i, int j) const {
        if (i < 1 || j < 1 || i > n_ || j > n_) {
            return 0.0;
        }
        return data_.data()[Offset(i, j)];
    }
    // Writable element (i, j) inside the active block.
    double& at(int i, int j) {
        KALVESTA_CHECK(i >= 1 && j >= 1 && i <= n_ && j <= n_);
        return data_.data()[Offset(i, j)];
    }

    // Row i of the active block: row(i)[j - 1] is element (i, j).
    double* row(int i) { return data_.data() + Offset(i, 1); }
    const double* row(int i) const { return data_.data() + Offset(i, 1); }
    // The active block, row by row.
    double* data() { return data_.data(); }
    const double* data() const { return data_.data(); }

private:
    size_t Offset(int i, int j) const {
        return static_cast<size_t>(i - 1) * static_cast<size_t>(n_) + static_cast<size_t>(j - 1);
    }

    HugePageBlock data_;
    int n_ = 0;
};

// One value per panel, 1-based in the panel numbering (slot 0 unused).
using PerPanelNumber = std::array<double, kPanelCapacity + 1>;

struct Solution {
    // Vertical velocity × 4π induced at control point i by horseshoe j of unit
    // circulation and its mirror image (EINFLUSS). LOES then scales it by
    // 0.0795775 and SIMQ902 eliminates it, both in place: nothing reads the
    // unscaled matrix after the solve, and one block of up to 72 MB is enough.
    PanelMatrix influence_matrix;
    // Circulation of every panel for unit speed and unit angle of attack (LOES).
    // Entries above the last panel_count keep earlier values.
    PerPanelNumber circulation{};
    // LOES's right-hand side; holds the solution after SIMQ902.
    PerPanelNumber right_hand_side{};
};

}  // namespace kalvesta
