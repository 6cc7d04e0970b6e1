// Lift slopes, aerodynamic centres, reference surface and neutral point.
#include "analysis/circulation_results.h"

#include <gtest/gtest.h>

#include <memory>

namespace kalvesta {
namespace {

// A wing of one chordwise panel per strip, strips given by their edges' y and
// chords (leading edges at x = 0).
void AddStrip(Lattice& lattice, size_t w, double y1, double y2, double c1, double c2) {
    const auto k = static_cast<size_t>(++lattice.span_count[w]);
    lattice.chord_count[w] = 1;
    lattice.vortex_y1[k][w] = lattice.grid_y1[k][w] = y1;
    lattice.vortex_y2[k][w] = lattice.grid_y2[k][w] = y2;
    lattice.grid_x1[2][k][w] = c1;
    lattice.grid_x2[2][k][w] = c2;
    lattice.vortex_x1[1][k][w] = c1 / 4.0;
    lattice.vortex_x2[1][k][w] = c2 / 4.0;
    lattice.panel_count += 1;
}

struct ResultsRun {
    Aircraft aircraft;
    std::unique_ptr<Lattice> lattice = std::make_unique<Lattice>();
    PerPanelNumber circulation{};
    Results results;
    Memo memo;
    bool ok = false;

    void Evaluate(int wings) {
        aircraft.calc_wing_count = wings;
        memo.Reset();
        ok = WIRBEL_ERG(aircraft, *lattice, circulation, results, memo);
    }
};

TEST(WIRBEL_ERG, StripOfLinearChord) {
    // c1 = 2, c2 = 1 over a width of 1: ∫c² dy = 7/3 and s = (2 + 1) × 1 = 3 (both
    // halves), so lm = 2 × 7/3 / 3; b = 2; Γ = 1: lift 4 Γ dy / s.
    ResultsRun run;
    AddStrip(*run.lattice, 1, 0.0, 1.0, 2.0, 1.0);
    run.circulation[1] = 1.0;
    run.Evaluate(1);
    ASSERT_TRUE(run.ok);
    EXPECT_DOUBLE_EQ(run.results.wing_s[1], 3.0);
    EXPECT_DOUBLE_EQ(run.results.wing_lm[1], 14.0 / 9.0);
    EXPECT_DOUBLE_EQ(run.results.wing_b[1], 2.0);
    EXPECT_DOUBLE_EQ(run.results.wing_lam[1], 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(run.results.wing_lift_slope[1], 4.0 / 3.0);
    // One bound vortex from x = 0.5 to 0.25: its middle 0.375 is the centre.
    EXPECT_DOUBLE_EQ(run.results.wing_x_ac[1], 0.375);
    EXPECT_DOUBLE_EQ(run.results.x_np, 0.375);
    EXPECT_EQ(run.results.ref_area, 3.0);
    EXPECT_EQ(run.results.ref_length, run.results.wing_lm[1]);
}

TEST(WIRBEL_ERG, RectangleHasItsChordAsMeanChord) {
    ResultsRun run;
    for (int k = 0; k < 10; ++k) {
        AddStrip(*run.lattice, 1, 10.0 * k, 10.0 * (k + 1), 250.0, 250.0);
        run.circulation[static_cast<size_t>(k) + 1] = 1.0 + k;
    }
    run.Evaluate(1);
    EXPECT_DOUBLE_EQ(run.results.wing_lm[1], 250.0);
    EXPECT_DOUBLE_EQ(run.results.wing_s[1], 50000.0);
    EXPECT_DOUBLE_EQ(run.results.x_np, 62.5);
}

// Three surfaces: wing 1 of extent 2 and area 8, the others as given.
ResultsRun ReferenceRun(double extent2, double chord2, double extent3, double chord3) {
    ResultsRun run;
    AddStrip(*run.lattice, 1, 0.0, 2.0, 2.0, 2.0);
    AddStrip(*run.lattice, 2, 0.0, extent2, chord2, chord2);
    AddStrip(*run.lattice, 3, 0.0, extent3, chord3, chord3);
    run.circulation = {0.0, 1.0, 1.0, 1.0};
    run.Evaluate(3);
    return run;
}

TEST(WIRBEL_ERG, ReferenceSurfaceIsTheWidestThenTheLargest) {
    // Equal extent, larger area: wing 2.
    ResultsRun larger = ReferenceRun(2.0, 3.0, 1.0, 9.0);
    EXPECT_EQ(larger.results.ref_area, 12.0);
    EXPECT_EQ(larger.results.ref_length, 3.0);
    // Equal extent and area: wing 1 stays.
    ResultsRun equal = ReferenceRun(2.0, 2.0, 2.0, 2.0);
    EXPECT_EQ(equal.results.ref_area, 8.0);
    // Wider but smaller: wing 3.
    ResultsRun wider = ReferenceRun(1.0, 9.0, 3.0, 0.5);
    EXPECT_EQ(wider.results.ref_area, 3.0);
    EXPECT_EQ(wider.results.ref_length, 0.5);
}

TEST(WIRBEL_ERG, SurfaceWithoutLiftIsRefused) {
    ResultsRun run;
    AddStrip(*run.lattice, 1, 0.0, 1.0, 1.0, 1.0);
    AddStrip(*run.lattice, 2, 0.0, 1.0, 1.0, 1.0);
    run.circulation = {0.0, 1.0, 0.0};
    run.Evaluate(2);
    EXPECT_FALSE(run.ok);
    EXPECT_TRUE(run.memo.calc_failed);
    ASSERT_EQ(run.memo.line_count(), 3);
    EXPECT_EQ(run.memo.Text(Catalogue(), 1),
              "Can not calculate wing-2. \nThis wing carries no lift!");
    EXPECT_EQ(run.memo.Text(Catalogue(Language::kRussian), 1),
              "Kann Flügel-2 nicht berechnen.\nDieser Flügel trägt keinen Auftrieb!");
    EXPECT_EQ(run.results.wing_lift_slope[2], 0.0);
    EXPECT_EQ(run.results.wing_x_ac[2], 0.0);
    EXPECT_EQ(run.results.x_np, 0.0);
}

TEST(WIRBEL_ERG, AircraftWhoseLiftsCancelIsRefused) {
    ResultsRun run;
    AddStrip(*run.lattice, 1, 0.0, 1.0, 1.0, 1.0);
    AddStrip(*run.lattice, 2, 0.0, 1.0, 1.0, 1.0);
    run.circulation = {0.0, 1.0, -1.0};
    run.Evaluate(2);
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.memo.line_count(), 3);
    EXPECT_EQ(Catalogue().Text(run.memo.line(1)), "Can not calculate the aircraft. ");
    EXPECT_EQ(Catalogue().Text(run.memo.line(2)), "The aircraft carries no lift!");
    EXPECT_EQ(run.results.x_np, 0.0);
    // Each surface by itself has a lift slope and a centre.
    EXPECT_EQ(run.results.wing_lift_slope[2], -2.0);
}

TEST(WIRBEL_ERG, SurfacesOutsideTheAnalysisAreZero) {
    ResultsRun run;
    AddStrip(*run.lattice, 1, 0.0, 1.0, 1.0, 1.0);
    AddStrip(*run.lattice, 2, 0.0, 1.0, 1.0, 1.0);
    run.circulation = {0.0, 1.0, 1.0};
    run.Evaluate(2);
    run.Evaluate(1);
    EXPECT_EQ(run.results.wing_s[2], 0.0);
    EXPECT_EQ(run.results.wing_b[2], 0.0);
    EXPECT_EQ(run.results.wing_lm[2], 0.0);
    EXPECT_EQ(run.results.wing_lam[2], 0.0);
    EXPECT_EQ(run.results.wing_lift_slope[2], 0.0);
    EXPECT_EQ(run.results.wing_x_ac[2], 0.0);
}

}  // namespace
}  // namespace kalvesta
