// The summary page, top to bottom. F(v, w, d) below is FormatFixed(v, w, d): d
// decimals, right-aligned to at least w characters; I(n, w) is FormatInt(n, w).
#include "views/summary_page.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "analysis/balance_answer.h"
#include "analysis/tail_volume.h"
#include "model/number_format.h"
#include "views/added_figures_text.h"
#include "views/answer_text.h"

namespace kalvesta {
namespace {

constexpr int kStabilityValueX = 420;
constexpr int kWingLabelX = 320;
constexpr int kWingValueX = 510;
constexpr int kFirstWingY = 683;
constexpr int kWingBlockHeight = 180;
constexpr int kAnswerY = 663;
constexpr int kAnswerFontPt = 9;  // the sentence fits the page's width in 9-point Courier
// The column right of the pictures (616 wide) for the added figures: 8-point Courier
// is 6.4 pixels a character (0.6 em of 8 × 96 / 72), so 26 characters fill the 178
// pixels to the page's edge with a character to spare; lines 13 pixels apart, a blank half line
// between sentences, down to the bottom of the 3-D view's copy.
constexpr int kAddedX = 622;
constexpr int kAddedTopY = 46;
constexpr int kAddedBottomY = 548;
constexpr int kAddedFontPt = 8;
constexpr int kAddedColumns = 26;
constexpr int kAddedLineHeight = 13;

// The right-column labels of one wing block; labels and values are separate texts,
// so the trailing blanks, which differ from wing to wing, never move a value.
struct WingLabels {
    TextId span;
    TextId area;
    TextId aspect_ratio;
    TextId mean_chord;
    TextId geometric_center;
    TextId aerodynamic_center;
    TextId lift_slope;
};

// Index 1..3 by wing.
constexpr std::array<WingLabels, kMaxWings + 1> kWingLabels{{
    {},
    {TextId::kSummaryWing1Span, TextId::kSummaryWing1Area, TextId::kSummaryWing1AspectRatio,
     TextId::kSummaryWing1MeanChord, TextId::kSummaryWing1GeometricCenter,
     TextId::kSummaryWing1AerodynamicCenter, TextId::kSummaryWing1LiftSlope},
    {TextId::kSummaryWing2Span, TextId::kSummaryWing2Area, TextId::kSummaryWing2AspectRatio,
     TextId::kSummaryWing2MeanChord, TextId::kSummaryWing2GeometricCenter,
     TextId::kSummaryWing2AerodynamicCenter, TextId::kSummaryWing2LiftSlope},
    {TextId::kSummaryWing3Span, TextId::kSummaryWing3Area, TextId::kSummaryWing3AspectRatio,
     TextId::kSummaryWing3MeanChord, TextId::kSummaryWing3GeometricCenter,
     TextId::kSummaryWing3AerodynamicCenter, TextId::kSummaryWing3LiftSlope},
}};

// The five station entries of one table row joined by single blanks; entries 0 and 1
// always, entry k >= 2 only when the wing has more than k stations (an empty entry
// keeps its separating blank).
template <class EntryOfStation>
std::string StationRow(const char* prefix, int station_count, EntryOfStation entry) {
    std::string row = prefix;
    for (int k = 0; k < kMaxStations; ++k) {
        if (k > 0) {
            row += ' ';
        }
        if (k < 2 || station_count > k) {
            row += FormatFixed(entry(k), 5, 0);
        }
    }
    return row;
}

void DrawStabilitySummary(Canvas& page, const Results& results, const Catalogue& texts) {
    page.TextOut(0, 583, texts.Text(TextId::kSummaryAerodynamicCenter));
    page.TextOut(kStabilityValueX, 583, FormatFixed(results.x_np, 5, 1) + " mm");

    const auto margin = [&](int y, TextId label, double margin_percent, int decimals) {
        page.TextOut(0, y,
                     texts.Text(label, {{"margin", FormatFixed(margin_percent, 0, decimals)}}));
    };
    margin(603, TextId::kSummaryRecommendedHigh, results.stability_high, 0);
    page.TextOut(kStabilityValueX, 603, FormatFixed(results.x_cg_high, 5, 1) + " mm");
    margin(623, TextId::kSummaryRecommendedLow, results.stability_low, 0);
    page.TextOut(kStabilityValueX, 623, FormatFixed(results.x_cg_low, 5, 1) + " mm");
    margin(643, TextId::kSummaryManual, results.stability_manual, 1);
    page.TextOut(kStabilityValueX, 643, FormatFixed(results.x_cg_manual, 5, 1) + " mm");
}

void DrawWingBlock(Canvas& page, const Aircraft& aircraft, const Results& results, int w,
                   const Catalogue& texts) {
    const int y = kFirstWingY + (w - 1) * kWingBlockHeight;
    const int stations = aircraft.station_count[w];

    page.TextOut(0, y, texts.Text(TextId::kSummaryWing, {{"wing", std::to_string(w)}}));
    // Leading edges relative to the wing's own position.
    page.TextOut(0, y + 20, StationRow("xf: ", stations, [&](int k) {
                     return aircraft.plan_x[k][w] - aircraft.wing_x_mm[w];
                 }));
    page.TextOut(0, y + 40,
                 StationRow("lf: ", stations, [&](int k) { return aircraft.plan_c[k][w]; }));
    page.TextOut(0, y + 60,
                 StationRow("yf: ", stations, [&](int k) { return aircraft.plan_y[k][w]; }));
    page.TextOut(0, y + 80, "zf: " + FormatInt(aircraft.wing_z_mm[w], 5));
    page.TextOut(0, y + 100, "x0: " + FormatInt(aircraft.wing_x_mm[w], 5));

    const WingLabels& labels = kWingLabels[static_cast<size_t>(w)];
    const auto row = [&](int dy, TextId label, const std::string& value) {
        page.TextOut(kWingLabelX, y + dy, texts.Text(label));
        page.TextOut(kWingValueX, y + dy, value);
    };
    row(20, labels.span, FormatFixed(results.wing_b[w], 5, 0) + " mm");
    // mm² shown in dm².
    row(40, labels.area, FormatFixed(results.wing_s[w] / 10000, 5, 1) + " dm**2");
    row(60, labels.aspect_ratio, FormatFixed(results.wing_lam[w], 5, 1));
    row(80, labels.mean_chord, FormatFixed(results.wing_lm[w], 5, 1) + " mm");
    row(100, labels.geometric_center, FormatFixed(aircraft.wing_r25[w], 5, 1) + " mm");
    row(120, labels.aerodynamic_center,
        FormatFixed(results.wing_x_ac[w] - aircraft.wing_x_mm[w], 5, 1) + " mm");
    row(140, labels.lift_slope, FormatFixed(results.wing_lift_slope[w], 5, 2));
    if (const std::optional<double> volume = TailVolume(results, w)) {
        page.TextOut(kWingLabelX, y + 160, texts.Text(TextId::kSummaryTailVolume));
        page.TextOut(kWingValueX, y + 160, FormatFixed(*volume, 5, 2));
    }
}

// Where to balance the model in a sentence, under the recommended positions.
void DrawPlainAnswer(Canvas& page, const Aircraft& aircraft, const Results& results,
                     LengthUnit unit, const Catalogue& texts) {
    const Font font = page.font;
    page.font.size_pt = kAnswerFontPt;
    page.TextOut(0, kAnswerY,
                 PlainAnswerText(PlainBalanceAnswer(aircraft, results, false), unit, texts));
    page.font = font;
}

void DrawAddedFigures(Canvas& page, const std::vector<std::string>& sentences) {
    const Font font = page.font;
    page.font.size_pt = kAddedFontPt;
    int y = kAddedTopY;
    for (const std::string& sentence : sentences) {
        for (const std::string& line : WrapText(sentence, kAddedColumns)) {
            if (y + kAddedLineHeight > kAddedBottomY) {
                break;
            }
            page.TextOut(kAddedX, y, line);
            y += kAddedLineHeight;
        }
        y += kAddedLineHeight / 2;
    }
    page.font = font;
}

}  // namespace

void DrawSummaryPage(Canvas& page, const Aircraft& aircraft, const Results& results,
                     LengthUnit unit, const Canvas& top_view, const Canvas& view_3d,
                     const Catalogue& texts, const std::vector<std::string>& added,
                     const Results* recommended) {
    page.font = Font{"Courier", 12, colors::kBlack};
    page.brush = colors::kWhite;
    page.pen = Pen{colors::kWhite, 1};
    page.Rectangle(0, 0, page.Width(), page.Height());

    page.TextOut(0, 0, texts.Text(TextId::kSummaryTitle));
    page.TextOut(0, 20, aircraft.current_file_name);
    page.StretchDraw(0, 42, 616, 354, top_view);
    page.StretchDraw(0, 357, 616, 548, view_3d);
    page.TextOut(0, 563, texts.Text(TextId::kSummaryHeading));

    DrawStabilitySummary(page, results, texts);
    DrawPlainAnswer(page, aircraft, recommended ? *recommended : results, unit, texts);
    DrawAddedFigures(page, added);

    const int wings = std::clamp(aircraft.calc_wing_count, 1, kMaxWings);
    for (int w = 1; w <= wings; ++w) {
        DrawWingBlock(page, aircraft, results, w, texts);
    }
}

}  // namespace kalvesta
