// Summary page export of kalvesta4-cli, built into the summary module.
#include "cli/cli_summary.h"

#include <QGuiApplication>
#include <QImage>
#include <optional>

#include "cli/summary_module.h"
#include "model/check.h"
#include "qtcanvas/page_export.h"
#include "qtcanvas/qt_canvas.h"
#include "views/result_top_view.h"
#include "views/summary_page.h"
#include "views/top_view.h"
#include "views/view3d.h"
#include "views/view3d_controls.h"

namespace kalvesta::cli {
namespace {

// The window's pictures of the aircraft: top view Image2 and 3-D view Image3.
constexpr int kTopViewWidth = 616;
constexpr int kTopViewHeight = 321;
constexpr int kView3DHeight = 191;

bool IsPdf(const std::string& path) {
    const std::string end = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    return end == ".pdf" || end == ".PDF";
}

}  // namespace

FileResult WriteSummary(const std::string& path, const CliRun& run) {
    KALVESTA_CHECK(run.has_results());
    const Aircraft& aircraft = run.aircraft;
    WingSelection drawn;
    drawn.wing_count = aircraft.wing_count;
    drawn.trapezoids = run.description.trapezoids;

    QImage top_image(kTopViewWidth, kTopViewHeight, QImage::Format_RGB32);
    QImage view3d_image(kTopViewWidth, kView3DHeight, QImage::Format_RGB32);
    QImage page_image(kSummaryPageWidth, kSummaryPageHeight, QImage::Format_RGB32);
    QtCanvas top_view(top_image);
    QtCanvas view_3d(view3d_image);
    QtCanvas page(page_image);

    ViewMapping mapping = TopViewMapping(aircraft, kTopViewWidth, kTopViewHeight);
    DrawResultTopView(top_view, aircraft, run.data->lattice, run.data->results, drawn, false,
                      mapping, run.fuselage);
    DrawView3D(view_3d, aircraft, drawn, View3DControls{}, mapping);
    DrawSummaryPage(page, aircraft, run.data->results, top_view, view_3d);

    const EncodedPage encoded =
        IsPdf(path) ? EncodeSummaryPdf(page_image) : EncodeSummaryPng(page_image);
    if (!encoded.ok()) {
        return TextFailure(FileError::kCannotWrite,
                           "Cannot write \"" + path + "\": " + encoded.error.toStdString());
    }
    const std::string_view bytes(encoded.bytes.constData(),
                                 static_cast<size_t>(encoded.bytes.size()));
    return path == kStandardOutputArg ? WriteStandardOutput(bytes) : WriteFileContents(path, bytes);
}

}  // namespace kalvesta::cli

// The module's entry. Fonts and pictures need a Qt Gui application; no display
// is used.
extern "C" __attribute__((visibility("default"))) void kalvesta4_write_summary(
    const std::string& path, const kalvesta::cli::CliRun& run, kalvesta::FileResult& result) {
    static_assert(std::is_same_v<decltype(&kalvesta4_write_summary), kalvesta::cli::SummaryEntry>);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static char program_name[] = "kalvesta4-cli";
    static char* qt_argv[] = {program_name, nullptr};
    int qt_argc = 1;
    std::optional<QGuiApplication> application(std::in_place, qt_argc, qt_argv);
    result = kalvesta::cli::WriteSummary(path, run);
}
