// The lattice's big tables: zero from the start, five tables in one block that
// do not overlap, cleared where written.
#include "analysis/kernels/zeroed_table.h"

#include <gtest/gtest.h>

#include <memory>

#include "analysis/lattice.h"

namespace kalvesta {
namespace {

TEST(ZeroedTable, StartsAtZeroKeepsTablesApartAndClears) {
    auto lattice = std::make_unique<Lattice>();
    EXPECT_EQ(lattice->vortex_x1[300][300][3], 0.0);
    EXPECT_EQ(lattice->control_x[0][0][0], 0.0);

    lattice->grid_x2[5][7][2] = 12.5;
    lattice->grid_x2[6][7][2] = 3.0;
    lattice->grid_x1[5][7][2] = -1.0;
    EXPECT_EQ(lattice->grid_x2[5][7][2], 12.5);
    EXPECT_EQ(lattice->vortex_x2[5][7][2], 0.0);
    EXPECT_EQ(lattice->control_x[5][7][2], 0.0);

    lattice->grid_x2.ClearLeading(6, 8);  // lines 0..5 of strips 0..7
    EXPECT_EQ(lattice->grid_x2[5][7][2], 0.0);
    EXPECT_EQ(lattice->grid_x2[6][7][2], 3.0);
    EXPECT_EQ(lattice->grid_x1[5][7][2], -1.0);
}

}  // namespace
}  // namespace kalvesta
