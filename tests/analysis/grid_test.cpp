// Panel counts, refusals and the laid lattice.
#include "analysis/grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "test_aircraft.h"

namespace kalvesta {
namespace {

using testing_support::DefaultAircraft;
using testing_support::PreparedAircraft;
using testing_support::Rectangle;
using testing_support::TestWing;
using testing_support::Trapezoid;

struct GridRun {
    std::unique_ptr<Lattice> lattice = std::make_unique<Lattice>();
    std::unique_ptr<TrimMatrix> trim_matrix = std::make_unique<TrimMatrix>();
    Memo memo;
};

// GRID and, when it accepted the aircraft, TRAWY2.
std::unique_ptr<GridRun> Grid(const Aircraft& aircraft) {
    auto run = std::make_unique<GridRun>();
    run->memo.Reset();
    GRID(aircraft, *run->lattice, run->memo);
    if (!run->memo.calc_failed) {
        TRAWY2(aircraft, *run->lattice, *run->trim_matrix, run->memo);
    }
    return run;
}

// Chordwise panels and strips per surface (one trapezoid each), and the panel total.
struct CountCase {
    const char* name;
    Aircraft aircraft;
    PerWing<int> chords;
    PerWing<int> strips;
    int panels;
};

TEST(GRID, PanelCountsShareTheBudgetByArea) {
    const TestWing main_wing = Rectangle(1000, 250);
    const CountCase cases[] = {
        // Half-span 1000, chord 250: Λ = 2000² / 500000 = 8, n_c = √(800 / 8) = 10,
        // strips = 10 × 1000 / 250 = 40.
        {"square panels", PreparedAircraft({main_wing}), {0, 10, 0, 0}, {0, 40, 0, 0}, 400},
        // Second surface 60000 mm², Λ = 6: budget round(400 × 0.12) = 48,
        // n_c = round(√16) = 4, strips 4 × 300 / 100 = 12.
        {"smaller surface's share",
         PreparedAircraft({main_wing, Rectangle(300, 100)}),
         {0, 10, 4, 0},
         {0, 40, 12, 0},
         448},
        {"equal surfaces",
         PreparedAircraft({main_wing, main_wing}),
         {0, 10, 10, 0},
         {0, 40, 40, 0},
         800},
        // Wing-1: Λ ≈ 4.074, n_c = round(√(800 / 4.074)) = 14, 14 × 550 / 270 ≈ 28.5 → 29
        // (rounding 28.52); Wing-2: budget round(400 × 16000 / 297000) = 22, Λ = 2.5,
        // n_c = 4, 4 × 100 / 80 = 5 strips; Wing-3 outside the analysis.
        {"start-up aircraft", DefaultAircraft(2), {0, 14, 4, 0}, {0, 29, 5, 0}, 426},
    };
    for (const CountCase& each : cases) {
        SCOPED_TRACE(each.name);
        const auto run = Grid(each.aircraft);
        const Lattice& lattice = *run->lattice;
        EXPECT_FALSE(run->memo.calc_failed);
        for (size_t w = 1; w <= kMaxWings; ++w) {
            EXPECT_EQ(lattice.chord_count[w], each.chords[w]) << "wing " << w;
            EXPECT_EQ(lattice.span_count[w], each.strips[w]) << "wing " << w;
            EXPECT_EQ(lattice.trap_span_count[1][w], each.strips[w]) << "wing " << w;
        }
        EXPECT_EQ(lattice.panel_count, each.panels);
    }
}

// A one-trapezoid wing of mean chord 10 (12 at the root, 8 at the tip) gets one
// chordwise panel (Λ = 2h / 10, n_c = round(√(4000 / h)) = 1 for these spans) and
// h / 10 strips, all of them trimmed in one trapezoid.
class StripLimit : public testing::TestWithParam<int> {};

TEST_P(StripLimit, UpTo299StripsAreLaidAndTrimmed) {
    const int strips = GetParam();
    const auto run = Grid(PreparedAircraft({Trapezoid(strips * 10, 12, 8)}));
    const Lattice& lattice = *run->lattice;
    ASSERT_FALSE(run->memo.calc_failed) << run->memo.Text(Catalogue());
    EXPECT_EQ(lattice.chord_count[1], 1);
    EXPECT_EQ(lattice.span_count[1], strips);
    // The strip edges run from root to tip without a gap, each strip wider than
    // zero and narrower towards the (smaller) tip.
    EXPECT_EQ(lattice.vortex_y1[1][1], 0.0);
    EXPECT_DOUBLE_EQ(lattice.vortex_y2[static_cast<size_t>(strips)][1], strips * 10.0);
    for (size_t k = 2; k <= static_cast<size_t>(strips); ++k) {
        ASSERT_EQ(lattice.vortex_y1[k][1], lattice.vortex_y2[k - 1][1]);
        const double width = lattice.vortex_y2[k][1] - lattice.vortex_y1[k][1];
        const double inner = lattice.vortex_y2[k - 1][1] - lattice.vortex_y1[k - 1][1];
        ASSERT_GT(width, 0.0);
        ASSERT_LT(width, inner);
    }
}

INSTANTIATE_TEST_SUITE_P(AroundTheTrimCapacity, StripLimit, testing::Values(296, 297, 298, 299));

// Four trapezoids of chord 2000 over 9 + 1 + 1 + 1 mm: Λ = 24² / 48000 = 0.012,
// n_c = round(√(800 / 0.012)) = 258, one strip per trapezoid: 1032 panels per surface.
TestWing ShortDeepWing() {
    TestWing wing = Rectangle(9, 2000);
    wing.trapezoids = 4;
    for (size_t t = 1; t < 4; ++t) {
        wing.inputs.span[t] = 1;
        wing.inputs.chord[t] = 2000;
    }
    return wing;
}

// An aircraft the grid refuses, with its memo in each language.
struct RefusalCase {
    const char* name;
    std::vector<TestWing> wings;
    const char* english;
    const char* german;
};

TEST(GRID, RefusedAircraftNamesEveryReasonInEitherLanguage) {
    // A trapezoid with chord 0 at both ends but a span: its strip count (span over
    // mean chord) is unbounded.
    TestWing chordless_trapezoid = Trapezoid(500, 200, 0);
    chordless_trapezoid.trapezoids = 2;
    chordless_trapezoid.inputs.span[1] = 300;
    chordless_trapezoid.inputs.chord[1] = 0;
    const RefusalCase cases[] = {
        {"300 strips",
         {Trapezoid(3000, 12, 8)},
         "Error: \nCan not calculate wing-1. \nPlease change this wing (less aspect ratio)!",
         "Fehler: \nKann Flügel-1 nicht berechnen.\nBitte Streckung verkleinern!"},
        {"chordless trapezoid",
         {chordless_trapezoid},
         "Error: \nCan not calculate wing-1. \nPlease change this wing (less aspect ratio)!",
         "Fehler: \nKann Flügel-1 nicht berechnen.\nBitte Streckung verkleinern!"},
        // Span 10, chord 2000: Λ = 0.005, n_c = √(800 / 0.005) = 400.
        {"400 chordwise panels",
         {Rectangle(5, 2000)},
         "Error: \nCan not calculate wing-1. \nPlease change this wing (more aspect ratio)!",
         "Fehler: \nKann Flügel-1 nicht berechnen.\nBitte Streckung vergrößern!"},
        // Every refused surface, in order.
        {"two of three",
         {Trapezoid(4000, 12, 8), Rectangle(300, 100), Trapezoid(4000, 12, 8)},
         "Error: \nCan not calculate wing-1. \nPlease change this wing (less aspect ratio)!\n"
         "Can not calculate wing-3. \nPlease change this wing (less aspect ratio)!",
         "Fehler: \nKann Flügel-1 nicht berechnen.\nBitte Streckung verkleinern!\n"
         "Kann Flügel-3 nicht berechnen.\nBitte Streckung verkleinern!"},
        // No chord anywhere: no budget, no aspect ratio. Wing-2 of no span likewise.
        {"no area",
         {Rectangle(500, 0), Rectangle(0, 100)},
         "Error: \nCan not calculate wing-1. \nPlease change this wing (it has no area)!\n"
         "Can not calculate wing-2. \nPlease change this wing (it has no area)!",
         "Fehler: \nKann Flügel-1 nicht berechnen.\nBitte Flügel ändern (keine Fläche)!\n"
         "Kann Flügel-2 nicht berechnen.\nBitte Flügel ändern (keine Fläche)!"},
        // 3096 panels for three such surfaces.
        {"3000 panels",
         {ShortDeepWing(), ShortDeepWing(), ShortDeepWing()},
         "Error: \nCan not calculate the aircraft. \n"
         "Please change the wings (more than 3000 panels)!",
         "Fehler: \nKann Flugzeug nicht berechnen.\n"
         "Bitte Flügel ändern (mehr als 3000 Panels)!"},
    };
    for (const RefusalCase& each : cases) {
        SCOPED_TRACE(each.name);
        const auto run = Grid(PreparedAircraft(each.wings));
        EXPECT_TRUE(run->memo.calc_failed);
        EXPECT_TRUE(run->memo.visible);
        EXPECT_EQ(run->memo.Text(Catalogue(Language::kEnglish)), each.english);
        EXPECT_EQ(run->memo.Text(Catalogue(Language::kRussian)), each.german);
        // A refused lattice holds no panels, so nothing reads past its arrays.
        EXPECT_EQ(run->lattice->panel_count, 0);
        EXPECT_EQ(run->lattice->chord_count[1], 0);
        EXPECT_EQ(run->lattice->span_count[1], 0);
    }
    // Two of the 1032-panel surfaces (2064 panels) are accepted.
    const auto two = Grid(PreparedAircraft({ShortDeepWing(), ShortDeepWing()}));
    EXPECT_FALSE(two->memo.calc_failed);
    EXPECT_EQ(two->lattice->chord_count[1], 258);
    EXPECT_EQ(two->lattice->panel_count, 2064);
}

TEST(TRAWY2, TrapeziumWithoutSpanGetsNoStrips) {
    // Trapezoid 2 ends where it starts: no strips, and trapezoid 3 carries on.
    TestWing wing = Rectangle(1000, 250);
    wing.trapezoids = 3;
    wing.inputs.span[1] = 0;
    wing.inputs.chord[1] = 250;
    wing.inputs.span[2] = 100;
    wing.inputs.chord[2] = 250;
    const auto run = Grid(PreparedAircraft({wing}));
    const Lattice& lattice = *run->lattice;
    EXPECT_EQ(lattice.trap_span_count[1][1], 40);
    EXPECT_EQ(lattice.trap_span_count[2][1], 0);
    EXPECT_EQ(lattice.trap_span_count[3][1], 4);
    EXPECT_EQ(lattice.span_count[1], 44);
    EXPECT_DOUBLE_EQ(lattice.vortex_y1[41][1], 1000.0);
    EXPECT_DOUBLE_EQ(lattice.vortex_y2[44][1], 1100.0);
}

TEST(TRAWY2, OneStripTrapeziumSpansItsStations) {
    // Wing-2 of the start-up aircraft with a second trapezoid of 10 mm: one strip
    // from 100 to 110 mm.
    TestWing wing = Trapezoid(100, 90, 70, 10);
    wing.trapezoids = 2;
    wing.inputs.span[1] = 10;
    wing.inputs.chord[1] = 70;
    wing.inputs.le_x[1] = 10;
    const auto run = Grid(PreparedAircraft({Rectangle(1000, 250), wing}));
    const Lattice& lattice = *run->lattice;
    ASSERT_EQ(lattice.trap_span_count[2][2], 1);
    const auto k = static_cast<size_t>(lattice.span_count[2]);
    EXPECT_EQ(lattice.vortex_y1[k][2], 100.0);
    EXPECT_EQ(lattice.vortex_y2[k][2], 110.0);
    EXPECT_EQ(lattice.grid_y1[k][2], 100.0);
    EXPECT_EQ(lattice.grid_y2[k][2], 110.0);
}

TEST(TRAWY2, VorticesAtAQuarterAndControlPointsAtThreeQuartersOfEachPanel) {
    const auto run = Grid(DefaultAircraft(2));
    const Lattice& lattice = *run->lattice;
    for (size_t w = 1; w <= 2; ++w) {
        const auto n_c = static_cast<size_t>(lattice.chord_count[w]);
        for (size_t k = 1; k <= static_cast<size_t>(lattice.span_count[w]); ++k) {
            for (size_t m = 1; m <= n_c; ++m) {
                const double le1 = lattice.grid_x1[m][k][w];
                const double te1 = lattice.grid_x1[m + 1][k][w];
                EXPECT_NEAR(lattice.vortex_x1[m][k][w], le1 + 0.25 * (te1 - le1), 1e-9);
                const double le = (le1 + lattice.grid_x2[m][k][w]) / 2.0;
                const double te = (te1 + lattice.grid_x2[m + 1][k][w]) / 2.0;
                EXPECT_NEAR(lattice.control_x[m][k][w], le + 0.75 * (te - le), 1e-9);
            }
            EXPECT_NEAR(lattice.strip_chord[k][w],
                        lattice.control_x[n_c + 1][k][w] - lattice.control_x[0][k][w], 0.0);
        }
    }
    // Wing-1 starts at the root with the root chord; Wing-2 lies 800 mm aft.
    EXPECT_EQ(lattice.grid_x1[1][1][1], 0.0);
    EXPECT_EQ(lattice.grid_x1[15][1][1], 310.0);
    EXPECT_EQ(lattice.grid_x1[1][1][2], 800.0);
    EXPECT_EQ(lattice.surface_z[2], 80.0);
}

TEST(TRAWY2, SingleChordwisePanelHasItsControlPointAtThreeQuarters) {
    // Rectangle of chord 8 and half-span 2000 (Λ = 500, n_c = round(1.26) = 1):
    // control point at 6 mm, bound vortex at 2 mm.
    const auto run = Grid(PreparedAircraft({Rectangle(2000, 8)}));
    ASSERT_EQ(run->lattice->chord_count[1], 1);
    EXPECT_EQ(run->lattice->control_x[1][1][1], 6.0);
    EXPECT_EQ(run->lattice->vortex_x1[1][1][1], 2.0);
    EXPECT_EQ(run->lattice->strip_chord[1][1], 8.0);
}

TEST(TRAWY2, NothingOfALargerLatticeSurvivesASmallerOne) {
    auto run = Grid(PreparedAircraft({Rectangle(1000, 250), Rectangle(300, 100)}));
    const Aircraft smaller = PreparedAircraft({Rectangle(300, 100)});
    GRID(smaller, *run->lattice, run->memo);
    TRAWY2(smaller, *run->lattice, *run->trim_matrix, run->memo);
    EXPECT_EQ(run->lattice->vortex_y2[40][1], 0.0);

    // Every element of every per-panel table as in a lattice laid afresh.
    const auto fresh = Grid(smaller);
    EXPECT_EQ(std::memcmp(&run->lattice->panel_lines[0], &fresh->lattice->panel_lines[0],
                          sizeof(PanelLines)),
              0);
}

// Surface heights (mm) before and after the planes are moved apart.
using Heights = std::tuple<int, int, int, double, double, double>;
class SurfaceHeights : public testing::TestWithParam<Heights> {};

TEST_P(SurfaceHeights, EqualHeightsAreMovedApart) {
    const auto [z1, z2, z3, e1, e2, e3] = GetParam();
    std::vector<TestWing> wings(3, Rectangle(100, 50));
    wings[0].z_mm = z1;
    wings[1].z_mm = z2;
    wings[2].z_mm = z3;
    const auto run = Grid(PreparedAircraft(wings));
    EXPECT_EQ(run->lattice->surface_z[1], e1);
    EXPECT_EQ(run->lattice->surface_z[2], e2);
    EXPECT_EQ(run->lattice->surface_z[3], e3);
}

INSTANTIATE_TEST_SUITE_P(Offsets, SurfaceHeights,
                         testing::Values(Heights{0, 0, 0, 0.0, 0.333, 0.666},
                                         Heights{5, 0, 0, 5.0, 0.0, 0.5},
                                         Heights{0, 0, 1, 0.0, 0.333, 1.0},
                                         Heights{0, 80, 30, 0.0, 80.0, 30.0}));

}  // namespace
}  // namespace kalvesta
