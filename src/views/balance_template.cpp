// Layout and drawing of the balance template's sheets.
#include "views/balance_template.h"

#include <algorithm>
#include <cmath>

#include "analysis/stability.h"
#include "model/pixel.h"

namespace kalvesta {
namespace {

// The sheet's frame (mm): margins every printer can print inside, the header's
// lines, the check bar, where the drawing area starts, and the parts block's lines.
constexpr double kMarginMm = 12.0;
constexpr double kTitleTopMm = 12.0;
constexpr double kAnswerTopMm = 19.0;
constexpr double kSheetLabelTopMm = 24.5;
constexpr double kCheckBarTopMm = 31.0;
constexpr double kCheckBarHeightMm = 2.0;
constexpr double kCheckBarLabelTopMm = 34.0;
constexpr double kAreaTopMm = 42.0;
constexpr double kPartsGapMm = 3.0;
constexpr double kPartsLineMm = 4.0;
// Room ahead of the foremost and behind the aftmost thing shown, and the strip two
// sheets share.
constexpr double kLeadMm = 20.0;
constexpr double kTailMm = 10.0;
constexpr double kOverlapMm = 15.0;

// Type sizes in printer's points, and line widths (mm).
constexpr double kTitlePoints = 14.0;
constexpr double kTextPoints = 10.0;
constexpr double kPartsPoints = 8.5;
constexpr double kWingLineMm = 0.5;
constexpr double kThinLineMm = 0.25;
constexpr Color kBandFill{205, 240, 205};
constexpr Color kBandEdge{0, 128, 0};
constexpr Color kJoinColor{96, 96, 96};

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A point on the sheet, mm from its top-left corner.
struct SheetPoint {
    double x = 0.0;
    double y = 0.0;
};

struct SheetRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The part of segment a-b inside `rect` (Liang-Barsky); false when none is.
bool Clip(SheetPoint& a, SheetPoint& b, const SheetRect& rect) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    // The part on the inner side of one edge: p t <= q.
    const auto inside = [&](double p, double q) {
        if (p == 0.0) {
            return q >= 0.0;
        }
        const double t = q / p;
        if (p < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        return t0 <= t1;
    };
    if (!inside(-dx, a.x - rect.left) || !inside(dx, rect.right - a.x) ||
        !inside(-dy, a.y - rect.top) || !inside(dy, rect.bottom - a.y)) {
        return false;
    }
    b = {a.x + t1 * dx, a.y + t1 * dy};
    a = {a.x + t0 * dx, a.y + t0 * dy};
    return true;
}

// Drawing one sheet: mm to dots, aircraft to sheet, the primitives in mm.
class SheetPainter {
public:
    SheetPainter(Canvas& canvas, const BalanceTemplateLayout& layout, const TemplateSheet& sheet)
        : canvas_(canvas),
          layout_(layout),
          sheet_(sheet),
          dots_per_mm_(canvas.Width() / layout.request.paper.width_mm),
          area_{layout.area_left_mm, sheet.area_top_mm, layout.area_right_mm,
                sheet.area_bottom_mm} {}

    const SheetRect& Area() const { return area_; }

    // The sheet point of aircraft (x, y).
    SheetPoint At(double x_mm, double y_mm) const {
        return {layout_.area_left_mm + y_mm, sheet_.area_top_mm + (x_mm - sheet_.x_top_mm)};
    }
    double Row(double x_mm) const { return At(x_mm, 0.0).y; }
    bool RowInArea(double x_mm) const {
        const double row = Row(x_mm);
        return row >= area_.top && row <= area_.bottom;
    }

    int Dots(double mm) const { return RoundHalfEven(mm * dots_per_mm_); }

    void SetPen(Color color, double width_mm) {
        canvas_.pen = {color, std::max(1, Dots(width_mm))};
    }

    // A line from a to b, only what lies in the drawing area.
    void AreaLine(SheetPoint a, SheetPoint b) {
        if (Clip(a, b, area_)) {
            Line(a, b);
        }
    }

    void Line(SheetPoint a, SheetPoint b) {
        canvas_.MoveTo(Dots(a.x), Dots(a.y));
        canvas_.LineTo(Dots(b.x), Dots(b.y));
    }

    // Dashes of `dash_mm` with gaps as long, from a to b (a horizontal line).
    void DashedRow(double left, double right, double row, double dash_mm) {
        for (double x = left; x < right; x += 2.0 * dash_mm) {
            Line({x, row}, {std::min(x + dash_mm, right), row});
        }
    }
    void DashedColumn(double column, double top, double bottom, double dash_mm) {
        for (double y = top; y < bottom; y += 2.0 * dash_mm) {
            Line({column, y}, {column, std::min(y + dash_mm, bottom)});
        }
    }

    void Fill(SheetRect rect, Color fill, Color frame) {
        canvas_.brush = fill;
        canvas_.pen = {frame, 1};
        canvas_.Rectangle(Dots(rect.left), Dots(rect.top), Dots(rect.right), Dots(rect.bottom));
    }

    // A filled arrow head with its tip at `tip`, pointing up (dir -1) or down (+1).
    void ArrowHead(SheetPoint tip, double direction, Color color) {
        canvas_.brush = color;
        canvas_.pen = {color, 1};
        const double back = tip.y - direction * 2.5;
        canvas_.Polygon({{Dots(tip.x), Dots(tip.y)},
                         {Dots(tip.x - 0.8), Dots(back)},
                         {Dots(tip.x + 0.8), Dots(back)}});
    }

    // Text with its top-left corner at `at`, on `background`. The canvas takes
    // sizes in points of a 96-dots-per-inch picture: real points are scaled to
    // this sheet's dots.
    void Text(SheetPoint at, const std::string& text, double points, Color color,
              Color background = colors::kWhite, const char* font = "MS Sans Serif") {
        if (text.empty()) {
            return;
        }
        canvas_.font.name = font;
        canvas_.font.size_pt = std::max(1, RoundHalfEven(points * dots_per_mm_ * 25.4 / 96.0));
        canvas_.font.color = color;
        canvas_.brush = background;
        canvas_.TextOut(Dots(at.x), Dots(at.y), text);
    }

private:
    Canvas& canvas_;
    const BalanceTemplateLayout& layout_;
    const TemplateSheet& sheet_;
    double dots_per_mm_;
    SheetRect area_;
};

// The outline of Wing-1: root chord, leading and trailing edges, tip chord.
void DrawWing(SheetPainter& painter, const std::vector<TemplateStation>& stations) {
    painter.SetPen(WingColor(1), kWingLineMm);
    const auto chord_line = [&](const TemplateStation& s) {
        painter.AreaLine(painter.At(s.le_x_mm, s.y_mm), painter.At(s.le_x_mm + s.chord_mm, s.y_mm));
    };
    chord_line(stations.front());
    for (size_t k = 1; k < stations.size(); ++k) {
        const TemplateStation& inner = stations[k - 1];
        const TemplateStation& outer = stations[k];
        painter.AreaLine(painter.At(inner.le_x_mm, inner.y_mm),
                         painter.At(outer.le_x_mm, outer.y_mm));
        painter.AreaLine(painter.At(inner.le_x_mm + inner.chord_mm, inner.y_mm),
                         painter.At(outer.le_x_mm + outer.chord_mm, outer.y_mm));
    }
    chord_line(stations.back());
}

// A dimension from the datum row down (or up) to `x_mm` at sheet column `column`:
// the line, an arrow head at each end that lies on this sheet, and the text
// beside the far end, above it (`text_above`) or below it.
void DrawDimension(SheetPainter& painter, double column, double datum_x_mm, double x_mm,
                   const std::string& text, bool text_above) {
    const SheetPoint from{column, painter.Row(datum_x_mm)};
    const SheetPoint to{column, painter.Row(x_mm)};
    painter.SetPen(colors::kBlack, kThinLineMm);
    painter.AreaLine(from, to);
    const double direction = to.y >= from.y ? 1.0 : -1.0;
    if (painter.RowInArea(x_mm)) {
        painter.ArrowHead(to, direction, colors::kBlack);
        painter.Text({column + 1.2, to.y + (text_above ? -5.0 : 1.0)}, text, kTextPoints,
                     colors::kBlack);
    }
    if (painter.RowInArea(datum_x_mm) && to.y != from.y) {
        painter.ArrowHead(from, -direction, colors::kBlack);
    }
}

// Registration marks across the area at aircraft x, for laying one sheet on the
// next: a dashed line and three crosses in squares.
void DrawJoin(SheetPainter& painter, double x_mm, const std::string& text, bool text_above) {
    const SheetRect& area = painter.Area();
    const double row = painter.Row(x_mm);
    painter.SetPen(kJoinColor, kThinLineMm);
    painter.DashedRow(area.left, area.right, row, 3.0);
    for (const double column :
         {area.left + 8.0, (area.left + area.right) / 2.0, area.right - 8.0}) {
        painter.Line({column - 4.0, row}, {column + 4.0, row});
        painter.Line({column, row - 4.0}, {column, row + 4.0});
        painter.Line({column - 2.0, row - 2.0}, {column + 2.0, row - 2.0});
        painter.Line({column + 2.0, row - 2.0}, {column + 2.0, row + 2.0});
        painter.Line({column + 2.0, row + 2.0}, {column - 2.0, row + 2.0});
        painter.Line({column - 2.0, row + 2.0}, {column - 2.0, row - 2.0});
    }
    painter.Text({area.left + 14.0, row + (text_above ? -5.5 : 1.5)}, text, kTextPoints,
                 kJoinColor);
}

}  // namespace

BalanceTemplateRequest TemplateRequestFor(const Results& results, bool manual_margin,
                                          std::optional<double> target_margin_percent,
                                          LengthUnit unit, PaperSize paper, size_t parts_lines) {
    const CentreOfGravityRange band = RecommendedRange(results, false);
    const CentreOfGravityRange recommended = RecommendedRange(results, manual_margin);
    BalanceTemplateRequest request;
    request.paper = paper;
    request.band_front_x_mm = band.front_x_mm;
    request.band_aft_x_mm = band.aft_x_mm;
    request.band_front_margin_percent = band.front_margin_percent;
    request.band_aft_margin_percent = band.aft_margin_percent;
    request.chosen_margin_percent = target_margin_percent.value_or(
        (recommended.front_margin_percent + recommended.aft_margin_percent) / 2.0);
    request.chosen_x_mm = CentreOfGravityAtMargin(results, request.chosen_margin_percent);
    request.check_bar_mm = unit == LengthUnit::kInch ? 4.0 * kMmPerInch : 100.0;
    request.parts_lines = parts_lines;
    return request;
}

BalanceTemplateLayout LayOutBalanceTemplate(const Aircraft& aircraft,
                                            const BalanceTemplateRequest& request) {
    BalanceTemplateLayout layout;
    layout.request = request;
    layout.request.parts_lines = std::min(request.parts_lines, kMaxTemplatePartsLines);
    const int stations = std::clamp(aircraft.station_count[1], 0, kMaxStations);
    for (size_t k = 0; k < static_cast<size_t>(stations); ++k) {
        layout.stations.push_back(
            {aircraft.plan_y[k][1], aircraft.plan_x[k][1], aircraft.plan_c[k][1]});
    }
    const PaperSize& paper = request.paper;
    layout.area_left_mm = kMarginMm;
    layout.area_right_mm = paper.width_mm - kMarginMm;
    if (layout.stations.empty()) {
        return layout;
    }
    const TemplateStation& root = layout.stations.front();
    layout.datum_x_mm = root.le_x_mm;
    const double front = std::min({root.le_x_mm, request.band_front_x_mm, request.band_aft_x_mm,
                                   request.chosen_x_mm}) -
                         kLeadMm;
    const double back = std::max({root.le_x_mm + root.chord_mm, request.band_front_x_mm,
                                  request.band_aft_x_mm, request.chosen_x_mm}) +
                        kTailMm;
    const double parts_mm =
        layout.request.parts_lines > 0
            ? kPartsGapMm + static_cast<double>(layout.request.parts_lines) * kPartsLineMm
            : 0.0;
    const double first_height = paper.height_mm - kMarginMm - parts_mm - kAreaTopMm;
    const double height = paper.height_mm - kMarginMm - kAreaTopMm;
    if (!AllFinite({front, back, first_height, height}) || !(height > kOverlapMm) ||
        !(first_height > 0.0) || !(layout.area_right_mm > layout.area_left_mm)) {
        return layout;
    }
    // Sheet 1 shows first_height of x, every further sheet height − overlap more.
    const double beyond_first = std::max(0.0, back - front - first_height);
    const double more_sheets = std::ceil(beyond_first / (height - kOverlapMm));
    if (!(more_sheets + 1.0 <= static_cast<double>(kMaxTemplateSheets))) {
        layout.status = TemplateLayoutStatus::kTooLong;
        return layout;
    }
    double x_top = front;
    for (size_t i = 0; i <= static_cast<size_t>(more_sheets); ++i) {
        TemplateSheet sheet;
        sheet.area_top_mm = kAreaTopMm;
        sheet.area_bottom_mm = kAreaTopMm + (i == 0 ? first_height : height);
        // The last sheet's area ends with the region.
        sheet.area_bottom_mm = std::min(sheet.area_bottom_mm, kAreaTopMm + (back - x_top));
        sheet.x_top_mm = x_top;
        sheet.x_bottom_mm = x_top + (sheet.area_bottom_mm - sheet.area_top_mm);
        if (i > 0) {
            sheet.join_above_x_mm = x_top + kOverlapMm / 2.0;
            layout.sheets.back().join_below_x_mm = sheet.join_above_x_mm;
        }
        x_top = sheet.x_bottom_mm - kOverlapMm;
        layout.sheets.push_back(sheet);
    }
    layout.status = TemplateLayoutStatus::kLaidOut;
    return layout;
}

void DrawBalanceTemplateSheet(Canvas& canvas, const BalanceTemplateLayout& layout, size_t index,
                              const BalanceTemplateTexts& texts) {
    if (layout.status != TemplateLayoutStatus::kLaidOut || index >= layout.sheets.size()) {
        return;
    }
    const TemplateSheet& sheet = layout.sheets[index];
    const BalanceTemplateRequest& request = layout.request;
    SheetPainter painter(canvas, layout, sheet);
    const SheetRect& area = painter.Area();
    painter.Fill({0.0, 0.0, request.paper.width_mm, request.paper.height_mm}, colors::kWhite,
                 colors::kWhite);

    // Header and check bar.
    painter.Text({kMarginMm, kTitleTopMm}, texts.title, kTitlePoints, colors::kBlack);
    painter.Text({kMarginMm, kAnswerTopMm}, texts.answer, kTextPoints, colors::kBlack);
    painter.Text({kMarginMm, kSheetLabelTopMm}, texts.sheet, kTextPoints, colors::kBlack);
    painter.Fill({kMarginMm, kCheckBarTopMm, kMarginMm + request.check_bar_mm,
                  kCheckBarTopMm + kCheckBarHeightMm},
                 colors::kBlack, colors::kBlack);
    painter.Text({kMarginMm, kCheckBarLabelTopMm}, texts.check_bar, kTextPoints, colors::kBlack);

    // The band under everything, the centre line and the wing over it, then the
    // band's edges.
    const double band_top = std::clamp(painter.Row(request.band_front_x_mm), area.top, area.bottom);
    const double band_bottom =
        std::clamp(painter.Row(request.band_aft_x_mm), area.top, area.bottom);
    if (band_bottom > band_top) {
        painter.Fill({area.left, band_top, area.right, band_bottom}, kBandFill, kBandFill);
    }
    painter.SetPen(colors::kGrey, kThinLineMm);
    painter.DashedColumn(area.left, area.top, area.bottom, 4.0);
    DrawWing(painter, layout.stations);
    painter.SetPen(kBandEdge, kThinLineMm);
    for (const double x : {request.band_front_x_mm, request.band_aft_x_mm}) {
        painter.AreaLine({area.left, painter.Row(x)}, {area.right, painter.Row(x)});
    }

    // The datum at the root leading edge with the band's dimensions, and the
    // chosen centre of gravity.
    const double root_y = layout.stations.front().y_mm;
    const double datum_column = painter.At(layout.datum_x_mm, root_y).x;
    if (painter.RowInArea(layout.datum_x_mm)) {
        painter.SetPen(colors::kBlack, kThinLineMm);
        painter.AreaLine(painter.At(layout.datum_x_mm, root_y),
                         painter.At(layout.datum_x_mm, root_y + 22.0));
        painter.Text({datum_column + 2.0, painter.Row(layout.datum_x_mm) - 6.0}, texts.leading_edge,
                     kTextPoints, WingColor(1));
    }
    DrawDimension(painter, datum_column + 6.0, layout.datum_x_mm, request.band_front_x_mm,
                  texts.band_front, true);
    DrawDimension(painter, datum_column + 16.0, layout.datum_x_mm, request.band_aft_x_mm,
                  texts.band_aft, false);
    if (painter.RowInArea(request.band_front_x_mm)) {
        painter.Text({datum_column + 30.0, painter.Row(request.band_front_x_mm) + 0.8}, texts.band,
                     kTextPoints, kBandEdge, kBandFill);
    }
    if (painter.RowInArea(request.chosen_x_mm)) {
        const double row = painter.Row(request.chosen_x_mm);
        painter.SetPen(colors::kRed, kWingLineMm);
        painter.AreaLine({area.left, row}, {area.right, row});
        painter.Text({datum_column + 30.0, row + 1.0}, texts.chosen, kTextPoints, colors::kRed,
                     band_top <= row && row < band_bottom ? kBandFill : colors::kWhite);
    }
    if (index == 0) {
        painter.Text({area.left + 2.0, area.top + 1.0}, texts.centre_line, kTextPoints,
                     colors::kGrey);
    }

    if (sheet.join_above_x_mm) {
        DrawJoin(painter, *sheet.join_above_x_mm, texts.join_previous, false);
    }
    if (sheet.join_below_x_mm) {
        DrawJoin(painter, *sheet.join_below_x_mm, texts.join_next, true);
    }

    if (index == 0) {
        const size_t lines = std::min(texts.parts.size(), request.parts_lines);
        for (size_t i = 0; i < lines; ++i) {
            painter.Text(
                {kMarginMm, area.bottom + kPartsGapMm + static_cast<double>(i) * kPartsLineMm},
                texts.parts[i], kPartsPoints, colors::kBlack, colors::kWhite, "Courier");
        }
    }
}

}  // namespace kalvesta
