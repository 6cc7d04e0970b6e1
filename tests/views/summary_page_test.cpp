// The summary page on a recording canvas: texts and their positions, the copied
// pictures, the wing blocks for one and three wings, and both languages.
#include "views/summary_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <variant>

#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

// Wing w of a hand-made aircraft: two stations, root at the wing's position.
void SetTwoStationWing(Aircraft& aircraft, int w, int32_t x_mm, int32_t z_mm) {
    aircraft.wing_x_mm[w] = x_mm;
    aircraft.wing_z_mm[w] = z_mm;
    aircraft.station_count[w] = 2;
    aircraft.plan_x[0][w] = x_mm;
    aircraft.plan_x[1][w] = x_mm + 50;
    aircraft.plan_c[0][w] = 200;
    aircraft.plan_c[1][w] = 150;
    aircraft.plan_y[0][w] = 0;
    aircraft.plan_y[1][w] = 1000;
    aircraft.wing_r25[w] = 68.25;
}

Aircraft OneWingAircraft() {
    Aircraft aircraft;
    aircraft.wing_count = aircraft.calc_wing_count = 1;
    aircraft.current_file_name = "/home/pilot/glider.da4";
    SetTwoStationWing(aircraft, 1, 100, 0);
    return aircraft;
}

Results OneWingResults() {
    Results results;
    results.x_np = 300.0;
    results.stability_low = 4.0;
    results.stability_high = 8.0;
    results.stability_manual = 7.5;
    results.x_cg_low = 292.0;  // 300 - 200 x 4 x 0.01
    results.x_cg_high = 284.0;
    results.x_cg_manual = 285.0;
    results.wing_x_ac[1] = 168.456;
    results.wing_lift_slope[1] = 5.3167;
    // Every wing the lattice of the two-station wing above.
    results.wing_b = {0, 2000, 2000, 2000};
    results.wing_s = {0, 350000, 350000, 350000};  // 2 x (200 + 150) / 2 x 1000 mm²
    results.wing_lam = {0, 4e6 / 350000, 4e6 / 350000, 4e6 / 350000};
    results.wing_lm = {0, 176.19, 176.19, 176.19};
    return results;
}

struct PageFixture {
    RecordingCanvas page{kSummaryPageWidth, kSummaryPageHeight};
    RecordingCanvas top_view{600, 305};
    RecordingCanvas view_3d{600, 190};

    void Draw(const Aircraft& aircraft, const Results& results,
              const Catalogue& texts = Catalogue(), const std::vector<std::string>& added = {}) {
        DrawSummaryPage(page, aircraft, results, LengthUnit::kMillimetre, top_view, view_3d, texts,
                        added);
    }

    // The text written with its top-left corner at (x, y), or "<none>".
    std::string TextAt(int x, int y) const {
        std::string found = "<none>";
        for (const RecordedText& text : page.Texts()) {
            if (text.at == Point{x, y}) {
                found = text.text;
            }
        }
        return found;
    }

    int LastTextY() const {
        int last = -1;
        for (const RecordedText& text : page.Texts()) {
            last = std::max(last, text.at.y);
        }
        return last;
    }
};

TEST(SummaryPage, HeaderPicturesAndBackground) {
    PageFixture fixture;
    fixture.Draw(OneWingAircraft(), OneWingResults());

    // The whole page is cleared white before anything else.
    const auto& first = fixture.page.Primitives().front();
    ASSERT_TRUE(std::holds_alternative<RecordedRectangle>(first));
    const auto& background = std::get<RecordedRectangle>(first);
    EXPECT_EQ(background.top_left, (Point{0, 0}));
    EXPECT_EQ(background.bottom_right, (Point{800, 1220}));
    EXPECT_EQ(background.brush, colors::kWhite);
    EXPECT_EQ(background.pen, colors::kWhite);

    EXPECT_EQ(fixture.TextAt(0, 0), "Kalvesta4  V1.11 beta");
    EXPECT_EQ(fixture.TextAt(0, 20), "/home/pilot/glider.da4");
    EXPECT_EQ(fixture.TextAt(0, 563), "Summary:");

    std::vector<RecordedStretch> stretches;
    for (const auto& primitive : fixture.page.Primitives()) {
        if (const auto* stretch = std::get_if<RecordedStretch>(&primitive)) {
            stretches.push_back(*stretch);
        }
    }
    ASSERT_EQ(stretches.size(), 2u);
    EXPECT_EQ(stretches[0].source, &fixture.top_view);
    EXPECT_EQ(stretches[0].top_left, (Point{0, 42}));
    EXPECT_EQ(stretches[0].bottom_right, (Point{616, 354}));
    EXPECT_EQ(stretches[1].source, &fixture.view_3d);
    EXPECT_EQ(stretches[1].top_left, (Point{0, 357}));
    EXPECT_EQ(stretches[1].bottom_right, (Point{616, 548}));

    for (const RecordedText& text : fixture.page.Texts()) {
        EXPECT_EQ(text.font.name, "Courier");
        EXPECT_EQ(text.font.size_pt, text.at.y == 663 ? 9 : 12);  // the answer's 9 pt
        EXPECT_EQ(text.color, colors::kBlack);
        EXPECT_EQ(text.background, colors::kWhite);
    }
}

TEST(SummaryPage, StabilityLinesInEnglish) {
    PageFixture fixture;
    fixture.Draw(OneWingAircraft(), OneWingResults());

    EXPECT_EQ(fixture.TextAt(0, 583), "aerodynamic center: ");
    EXPECT_EQ(fixture.TextAt(420, 583), "300.0 mm");
    // One wing's automatic margins, 8 and 4, follow the two blanks ending the label.
    EXPECT_EQ(fixture.TextAt(0, 603), "Recommended center of gravity by stab =  8%: ");
    EXPECT_EQ(fixture.TextAt(420, 603), "284.0 mm");
    EXPECT_EQ(fixture.TextAt(0, 623), "recomemnded center of gravity by stab =  4%: ");
    EXPECT_EQ(fixture.TextAt(420, 623), "292.0 mm");
    EXPECT_EQ(fixture.TextAt(0, 643), "Center of gravity by stab = 7.5%: ");
    EXPECT_EQ(fixture.TextAt(420, 643), "285.0 mm");
    // Measured from the root leading edge of Wing-1 at x = 100.
    EXPECT_EQ(fixture.TextAt(0, 663),
              "Balance the model 184 to 192 mm behind the leading edge of Wing-1's root (static "
              "margin 8 to 4 %).");
}

TEST(SummaryPage, AddedSentencesAreBrokenIntoTheColumnRightOfThePictures) {
    PageFixture fixture;
    std::string long_sentence = "Caution:";
    for (int word = 0; word < 200; ++word) {
        long_sentence += " lattice";
    }
    fixture.Draw(OneWingAircraft(), OneWingResults(), Catalogue(),
                 {"Neutral point as calculated: x_np = 297.6 mm.", long_sentence});
    // 26 characters a line, 13 pixels apart, half a line between sentences.
    EXPECT_EQ(fixture.TextAt(622, 46), "Neutral point as");
    EXPECT_EQ(fixture.TextAt(622, 59), "calculated: x_np = 297.6");
    EXPECT_EQ(fixture.TextAt(622, 72), "mm.");
    EXPECT_EQ(fixture.TextAt(622, 91), "Caution: lattice lattice");
    EXPECT_EQ(fixture.TextAt(622, 104), "lattice lattice lattice");
    // The long sentence stops above the bottom of the 3-D view's copy.
    int last_y = 0;
    for (const RecordedText& text : fixture.page.Texts()) {
        if (text.at.x == 622) {
            EXPECT_EQ(text.font.size_pt, 8);
            last_y = std::max(last_y, text.at.y);
        }
    }
    EXPECT_EQ(last_y, 91 + 13 * 34);
}

TEST(SummaryPage, OneWingBlockEndsAt823AndLeavesTheRestWhite) {
    PageFixture fixture;
    fixture.Draw(OneWingAircraft(), OneWingResults());

    EXPECT_EQ(fixture.TextAt(0, 683), "Wing1:");
    // Two stations: two numbers and the three blanks before the empty entries.
    EXPECT_EQ(fixture.TextAt(0, 703), "xf:     0    50   ");
    EXPECT_EQ(fixture.TextAt(0, 723), "lf:   200   150   ");
    EXPECT_EQ(fixture.TextAt(0, 743), "yf:     0  1000   ");
    EXPECT_EQ(fixture.TextAt(0, 763), "zf:     0");
    EXPECT_EQ(fixture.TextAt(0, 783), "x0:   100");

    EXPECT_EQ(fixture.TextAt(320, 703), "wing span:          ");
    EXPECT_EQ(fixture.TextAt(510, 703), " 2000 mm");
    EXPECT_EQ(fixture.TextAt(320, 723), "wing area:          ");
    EXPECT_EQ(fixture.TextAt(510, 723), " 35.0 dm**2");
    EXPECT_EQ(fixture.TextAt(320, 743), "aspect ratio:       ");
    EXPECT_EQ(fixture.TextAt(510, 743), " 11.4");  // 2000² / 350000 = 11.43
    EXPECT_EQ(fixture.TextAt(320, 763), "mean aerod. chord:  ");
    EXPECT_EQ(fixture.TextAt(510, 763), "176.2 mm");
    EXPECT_EQ(fixture.TextAt(320, 783), "geometric center:   ");
    EXPECT_EQ(fixture.TextAt(510, 783), " 68.2 mm");  // 68.25 is exact: the tie goes to even
    EXPECT_EQ(fixture.TextAt(320, 803), "aerodynamic center: ");
    EXPECT_EQ(fixture.TextAt(510, 803), " 68.5 mm");  // 168.456 - 100
    EXPECT_EQ(fixture.TextAt(320, 823), "lift slope:         ");
    EXPECT_EQ(fixture.TextAt(510, 823), " 5.32");

    EXPECT_EQ(fixture.LastTextY(), 823);
    EXPECT_EQ(fixture.TextAt(0, 863), "<none>");
}

TEST(SummaryPage, ThreeWingsGiveThreeBlocksEndingAt1203) {
    Aircraft aircraft = OneWingAircraft();
    aircraft.wing_count = aircraft.calc_wing_count = 3;
    SetTwoStationWing(aircraft, 2, 900, 60);
    SetTwoStationWing(aircraft, 3, -250, -15);
    // Wing 3 with five stations fills every entry.
    aircraft.station_count[3] = 5;
    for (int k = 2; k < kMaxStations; ++k) {
        aircraft.plan_x[k][3] = -250 + 50 * k;
        aircraft.plan_c[k][3] = 150 - 20 * k;
        aircraft.plan_y[k][3] = 1000 + 100 * k;
    }
    Results results = OneWingResults();
    results.wing_s[3] = 500000;
    results.wing_x_ac[3] = -200.04;
    results.wing_lift_slope[3] = -0.125;

    PageFixture fixture;
    fixture.Draw(aircraft, results);

    EXPECT_EQ(fixture.TextAt(0, 683), "Wing1:");
    EXPECT_EQ(fixture.TextAt(0, 863), "Wing2:");
    EXPECT_EQ(fixture.TextAt(0, 1043), "Wing3:");
    EXPECT_EQ(fixture.TextAt(0, 943), "zf:    60");
    EXPECT_EQ(fixture.TextAt(0, 963), "x0:   900");
    EXPECT_EQ(fixture.TextAt(0, 1063), "xf:     0    50   100   150   200");
    EXPECT_EQ(fixture.TextAt(0, 1083), "lf:   200   150   110    90    70");
    EXPECT_EQ(fixture.TextAt(0, 1103), "yf:     0  1000  1200  1300  1400");
    EXPECT_EQ(fixture.TextAt(0, 1123), "zf:   -15");
    EXPECT_EQ(fixture.TextAt(0, 1143), "x0:  -250");

    // The third wing's English trailing-blank variants.
    EXPECT_EQ(fixture.TextAt(320, 1083), "wing area:         ");
    EXPECT_EQ(fixture.TextAt(510, 1083), " 50.0 dm**2");  // 500000 mm²
    EXPECT_EQ(fixture.TextAt(320, 1163), "aerodynamic center:   ");
    EXPECT_EQ(fixture.TextAt(510, 1163), " 50.0 mm");  // -200.04 - (-250) = 49.96
    EXPECT_EQ(fixture.TextAt(320, 1183), "lift slope:          ");
    EXPECT_EQ(fixture.TextAt(510, 1183), "-0.12");  // -0.125 is exact: halves to even
    // A canard's tail volume: 500000 × (-200.04 - 168.456) / (350000 × 176.19).
    EXPECT_EQ(fixture.TextAt(320, 1203), "tail volume (V):");
    EXPECT_EQ(fixture.TextAt(510, 1203), "-2.99");
    EXPECT_EQ(fixture.LastTextY(), 1203);
}

TEST(SummaryPage, GermanTextsInTheSecondLanguage) {
    Aircraft aircraft = OneWingAircraft();
    aircraft.wing_count = aircraft.calc_wing_count = 3;
    SetTwoStationWing(aircraft, 2, 900, 60);
    SetTwoStationWing(aircraft, 3, -250, -15);
    Results results = OneWingResults();
    results.stability_low = 8.0;
    results.stability_high = 16.0;

    PageFixture fixture;
    fixture.Draw(aircraft, results, Catalogue(Language::kRussian));

    EXPECT_EQ(fixture.TextAt(0, 583), "Neutralpunkt:        ");
    EXPECT_EQ(fixture.TextAt(0, 603), "Empfohlener Schwerpunkt bei Stabilität =  16%: ");
    EXPECT_EQ(fixture.TextAt(0, 623), "Empfohlener Schwerpunkt bei Stabilität =  8%: ");
    EXPECT_EQ(fixture.TextAt(0, 643), "Schwerpunkt bei Stabilität = 7.5%: ");
    EXPECT_EQ(fixture.TextAt(0, 563), "Summary:");

    struct Expected {
        int dy;
        const char* wing1;
        const char* wing2;
        const char* wing3;
    };
    const Expected labels[] = {
        {20, "Spannweite:          ", "Spannweite:         ", "Spannweite:         "},
        {40, "Flächeninhalt:       ", "Flächeninhalt:      ", "Flächeninhalt:      "},
        {60, "Streckung:           ", "Streckung:   ", "Streckung:          "},
        {80, "Bezugstiefe:       ", "Bezugstiefe:        ", "Bezugstiefe:        "},
        {100, "Geom. Neutralpunkt:  ", "Geom. Neutralpunkt: ", "Geom. Neutralpunkt:  "},
        {120, "Aerod. Neutralpunkt: ", "Aerod. Neutralpunkt: ", "Aerod. Neutralpunkt: "},
        {140, "Auftriebsanstieg:    ", "Auftriebsanstieg:    ", "Auftriebsanstieg:   "},
    };
    for (const Expected& label : labels) {
        EXPECT_EQ(fixture.TextAt(320, 683 + label.dy), label.wing1) << label.dy;
        EXPECT_EQ(fixture.TextAt(320, 863 + label.dy), label.wing2) << label.dy;
        EXPECT_EQ(fixture.TextAt(320, 1043 + label.dy), label.wing3) << label.dy;
    }
    // Values stay at x = 510 whatever the label's length.
    EXPECT_EQ(fixture.TextAt(510, 883), " 2000 mm");
}

TEST(SummaryPage, OutOfRangeValuesWidenOrNameThemselves) {
    Aircraft aircraft = OneWingAircraft();
    aircraft.calc_wing_count = 0;  // not a valid count: the first wing is still printed
    Results results = OneWingResults();
    results.wing_b[1] = 1234567.0;
    results.wing_lam[1] = std::numeric_limits<double>::quiet_NaN();
    results.x_np = -std::numeric_limits<double>::infinity();
    results.x_cg_manual = -12.34;

    PageFixture fixture;
    fixture.Draw(aircraft, results);

    EXPECT_EQ(fixture.TextAt(510, 703), "1234567 mm");
    EXPECT_EQ(fixture.TextAt(510, 743), "  NaN");
    EXPECT_EQ(fixture.TextAt(420, 583), " -Inf mm");
    EXPECT_EQ(fixture.TextAt(420, 643), "-12.3 mm");
    EXPECT_EQ(fixture.LastTextY(), 823);
}

}  // namespace
}  // namespace kalvesta
