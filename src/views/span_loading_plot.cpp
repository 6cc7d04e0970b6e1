// Drawing of the lift along the span.
#include "views/span_loading_plot.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "model/number_format.h"
#include "model/pixel.h"

namespace kalvesta {
namespace {

constexpr int kLineHeight = 14;  // a line of the 8-point font
constexpr int kPlotLeft = 48;    // room for the tick values left of the plots
constexpr int kPlotRightMargin = 12;
constexpr int kEllipticSamples = 64;
constexpr Color kGridColor{224, 224, 224};

// An axis from `low` to `high` in steps of 1, 2 or 5 × 10^k, about five of them,
// both ends on a step; `decimals` shows the step exactly.
struct Axis {
    double low = 0.0;
    double high = 1.0;
    double step = 0.2;
    int decimals = 1;
};

Axis NiceAxis(double low, double high) {
    Axis axis;
    const double raw = (high - low) / 5.0;
    if (!std::isfinite(raw) || !(raw > 0.0)) {
        return axis;
    }
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    axis.step = 10.0 * power;
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= raw) {
            axis.step = multiple * power;
            break;
        }
    }
    axis.low = std::floor(low / axis.step) * axis.step;
    axis.high = std::ceil(high / axis.step) * axis.step;
    axis.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(axis.step) + 1e-9)));
    return axis;
}

// A plot's pixel rectangle and the axes it maps.
struct Plot {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    Axis span;   // in the display unit
    Axis value;  // cl/CL or load
    double mm_per_unit = 1.0;

    int Column(double y_mm) const {
        const double fraction = (y_mm / mm_per_unit - span.low) / (span.high - span.low);
        return left + RoundHalfEven(fraction * (right - left));
    }
    int Row(double value_here) const {
        const double fraction = (value_here - value.low) / (value.high - value.low);
        return bottom - RoundHalfEven(fraction * (bottom - top));
    }
};

// The values of the axis' ticks, low to high.
std::vector<double> Ticks(const Axis& axis) {
    std::vector<double> ticks;
    const long count = std::lround((axis.high - axis.low) / axis.step);
    for (long i = 0; i <= count && i <= 50; ++i) {
        ticks.push_back(axis.low + static_cast<double>(i) * axis.step);
    }
    return ticks;
}

// Frame, grid lines at the ticks, tick values on the left, and the zero line.
void DrawFrame(Canvas& canvas, const Plot& plot) {
    canvas.brush = colors::kWhite;
    canvas.pen = {colors::kGrey, 1};
    canvas.Rectangle(plot.left, plot.top, plot.right + 1, plot.bottom + 1);
    canvas.pen.color = kGridColor;
    canvas.font.color = colors::kBlack;
    for (const double tick : Ticks(plot.value)) {
        const int row = plot.Row(tick);
        if (row > plot.top && row < plot.bottom) {
            canvas.MoveTo(plot.left + 1, row);
            canvas.LineTo(plot.right, row);
        }
        canvas.TextOut(4, row - kLineHeight / 2, FormatFixed(tick, plot.value.decimals));
    }
    for (const double tick : Ticks(plot.span)) {
        const int column = plot.Column(tick * plot.mm_per_unit);
        if (column > plot.left && column < plot.right) {
            canvas.MoveTo(column, plot.top + 1);
            canvas.LineTo(column, plot.bottom);
        }
    }
    if (plot.value.low < 0.0) {
        canvas.pen.color = colors::kBlack;
        canvas.MoveTo(plot.left, plot.Row(0.0));
        canvas.LineTo(plot.right, plot.Row(0.0));
    }
}

// A polyline through the strips' middles.
template <class Value>
void DrawCurve(Canvas& canvas, const Plot& plot, const SurfaceLoading& surface, Value value) {
    bool first = true;
    for (const LoadStrip& strip : surface.strips) {
        const int column = plot.Column(strip.y_mm);
        const int row = plot.Row(value(strip));
        if (first) {
            canvas.MoveTo(column, row);
            first = false;
        } else {
            canvas.LineTo(column, row);
        }
    }
}

void DrawEllipticLoad(Canvas& canvas, const Plot& plot, const SurfaceLoading& surface) {
    const double half_span = surface.span_mm * 0.5;
    canvas.MoveTo(plot.Column(0.0), plot.Row(EllipticLoad(surface, 0.0)));
    for (int i = 1; i <= kEllipticSamples; ++i) {
        // Closer samples towards the tip, where the ellipse falls steeply:
        // y = (b/2) sin(π i / 2n).
        const double y = half_span * std::sin(std::numbers::pi * i / (2.0 * kEllipticSamples));
        canvas.LineTo(plot.Column(y), plot.Row(EllipticLoad(surface, y)));
    }
}

}  // namespace

void DrawSpanLoading(Canvas& canvas, const SpanLoading& loading, LengthUnit unit,
                     const SpanLoadingTexts& texts) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    canvas.brush = colors::kWhite;
    canvas.pen = {colors::kWhite, 1};
    canvas.Rectangle(0, 0, width, height);
    canvas.font = Font{};

    // The ranges: the widest half-span, every cl/CL, every load and elliptic peak.
    const auto wings = static_cast<size_t>(std::clamp(loading.wing_count, 0, kMaxWings));
    double half_span_mm = 0.0;
    double cl_low = 0.0;
    double cl_high = 0.0;
    double load_low = 0.0;
    double load_high = 0.0;
    int note_count = 0;
    for (size_t w = 1; w <= wings; ++w) {
        const SurfaceLoading& surface = loading.wings[w];
        half_span_mm = std::max(half_span_mm, surface.span_mm * 0.5);
        load_high = std::max(load_high, EllipticLoad(surface, 0.0));
        for (const LoadStrip& strip : surface.strips) {
            cl_low = std::min(cl_low, strip.cl_per_CL);
            cl_high = std::max(cl_high, strip.cl_per_CL);
            load_low = std::min(load_low, strip.load);
            load_high = std::max(load_high, strip.load);
        }
        note_count += texts.notes[w].empty() ? 0 : 1;
    }

    // Rows from the bottom up: the notes, the span axis' title and tick values,
    // then the two plots, each under its heading.
    const int notes_top = height - 4 - note_count * kLineHeight;
    const int axis_title_row = notes_top - kLineHeight - 2;
    const int tick_row = axis_title_row - kLineHeight;
    const int upper_top = 2 + kLineHeight + 2;
    const int plots_bottom = tick_row - 2;
    const int plot_height = std::max(1, (plots_bottom - upper_top - kLineHeight - 6) / 2);

    Plot upper;
    upper.left = kPlotLeft;
    upper.right = std::max(kPlotLeft + 1, width - kPlotRightMargin);
    upper.top = upper_top;
    upper.bottom = upper_top + plot_height;
    upper.mm_per_unit = MmPerUnit(unit);
    upper.span = NiceAxis(0.0, LengthInUnit(half_span_mm, unit));
    upper.value = NiceAxis(cl_low, cl_high);
    Plot lower = upper;
    lower.bottom = plots_bottom;
    lower.top = lower.bottom - plot_height;
    lower.value = NiceAxis(load_low, load_high);

    canvas.font.color = colors::kBlack;
    canvas.TextOut(kPlotLeft, 2, texts.local_lift);
    canvas.TextOut(kPlotLeft, lower.top - kLineHeight - 2, texts.load);
    DrawFrame(canvas, upper);
    DrawFrame(canvas, lower);
    for (const double tick : Ticks(lower.span)) {
        const std::string value = FormatFixed(tick, lower.span.decimals);
        // About 6 pixels a digit: the value centred under its grid line.
        canvas.TextOut(lower.Column(tick * lower.mm_per_unit) - 3 * static_cast<int>(value.size()),
                       tick_row, value);
    }
    canvas.TextOut(kPlotLeft, axis_title_row, texts.span_axis);

    // The elliptic loads' legend beside the lower heading, then the curves.
    const int legend_left = (lower.left + lower.right) / 2;
    const int legend_row = lower.top - kLineHeight / 2 - 2;
    canvas.pen = {colors::kGrey, 1};
    canvas.MoveTo(legend_left, legend_row);
    canvas.LineTo(legend_left + 20, legend_row);
    canvas.TextOut(legend_left + 24, lower.top - kLineHeight - 2, texts.elliptic);
    for (size_t w = 1; w <= wings; ++w) {
        DrawEllipticLoad(canvas, lower, loading.wings[w]);
    }
    int note_row = notes_top;
    for (size_t w = 1; w <= wings; ++w) {
        const SurfaceLoading& surface = loading.wings[w];
        const Color color = WingColor(static_cast<int>(w));
        canvas.pen = {color, 2};
        DrawCurve(canvas, upper, surface, [](const LoadStrip& strip) { return strip.cl_per_CL; });
        DrawCurve(canvas, lower, surface, [](const LoadStrip& strip) { return strip.load; });
        if (!surface.strips.empty()) {
            // A diamond on the highest local lift.
            const LoadStrip& peak = surface.strips[surface.peak_strip];
            const int x = upper.Column(peak.y_mm);
            const int y = upper.Row(peak.cl_per_CL);
            canvas.pen.width = 1;
            canvas.brush = color;
            canvas.Polygon({{x, y - 5}, {x + 5, y}, {x, y + 5}, {x - 5, y}});
            canvas.brush = colors::kWhite;
        }
        if (!texts.notes[w].empty()) {
            canvas.font.color = color;
            canvas.TextOut(4, note_row, texts.notes[w]);
            note_row += kLineHeight;
        }
    }
}

}  // namespace kalvesta
