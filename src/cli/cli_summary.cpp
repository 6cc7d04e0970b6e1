// Summary page export of kalvesta4-cli, built into the summary module.
#include "cli/cli_summary.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "cli/summary_module.h"
#include "model/check.h"
#include "qtcanvas/page_export.h"
#include "qtcanvas/qt_canvas.h"
#include "qtcanvas/template_export.h"
#include "views/added_figures_text.h"
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

// The encoded bytes to `path` through the program's file writer ("-": standard
// output), or why they could not be made.
FileResult WriteEncoded(const std::string& path, const EncodedPage& encoded) {
    if (!encoded.ok()) {
        return LibraryFailure(FileError::kCannotWrite, path, encoded.error.toStdString());
    }
    const std::string_view bytes(encoded.bytes.constData(),
                                 static_cast<size_t>(encoded.bytes.size()));
    return path == kStandardOutputArg ? WriteStandardOutput(bytes) : WriteFileContents(path, bytes);
}

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
    drawn.trapezoids = run.design.inputs().trapezoids;

    QImage top_image(kTopViewWidth, kTopViewHeight, QImage::Format_RGB32);
    QImage view3d_image(kTopViewWidth, kView3DHeight, QImage::Format_RGB32);
    QImage page_image(kSummaryPageWidth, kSummaryPageHeight, QImage::Format_RGB32);
    QtCanvas top_view(top_image);
    QtCanvas view_3d(view3d_image);
    QtCanvas page(page_image);

    ViewMapping mapping = TopViewMapping(aircraft, kTopViewWidth, kTopViewHeight);
    DrawResultTopView(top_view, aircraft, run.data->lattice, run.data->results, drawn, false,
                      LengthUnit::kMillimetre, kCliTexts, mapping, run.fuselage(),
                      &RecommendationResults(run.added, run.data->results));
    DrawView3D(view_3d, aircraft, drawn, View3DControls{}, mapping);
    const Results& results = run.data->results;
    DrawSummaryPage(
        page, aircraft, results, LengthUnit::kMillimetre, top_view, view_3d, kCliTexts,
        AddedFigureSentences(aircraft, results, run.added, run.fuselage(), false, kCliTexts),
        &RecommendationResults(run.added, results));

    return WriteEncoded(path,
                        IsPdf(path) ? EncodeSummaryPdf(page_image) : EncodeSummaryPng(page_image));
}

FileResult WriteTemplate(const std::string& path, const TemplatePages& pages) {
    return WriteEncoded(path, EncodeTemplatePdf(pages.layout, pages.texts));
}

}  // namespace kalvesta::cli

namespace {

// A Qt Gui application starts by looking into the user's runtime folder
// (XDG_RUNTIME_DIR); where there is none fit for use (an existing folder of the
// user's, mode 0700), it creates one under the temporary folder and warns. The
// drawing needs none, so for its length an unfit one is replaced by a private,
// empty folder, which is removed afterwards: nothing is left behind.
class RuntimeFolderForQt {
public:
    RuntimeFolderForQt() {
        const char* const given = std::getenv(kVariable);
        struct stat status {};
        if (given != nullptr && ::lstat(given, &status) == 0 && S_ISDIR(status.st_mode) &&
            status.st_uid == ::geteuid() && (status.st_mode & 07777) == 0700) {
            return;
        }
        if (given != nullptr) {
            previous_ = given;
        }
        std::error_code ec;
        std::string pattern =
            (std::filesystem::temp_directory_path(ec) / "kalvesta-runtime-XXXXXX").string();
        if (!ec && ::mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
            ::setenv(kVariable, folder_.c_str(), 1);
        }
    }
    ~RuntimeFolderForQt() {
        if (folder_.empty()) {
            return;
        }
        ::rmdir(folder_.c_str());
        if (previous_) {
            ::setenv(kVariable, previous_->c_str(), 1);
        } else {
            ::unsetenv(kVariable);
        }
    }
    RuntimeFolderForQt(const RuntimeFolderForQt&) = delete;
    RuntimeFolderForQt& operator=(const RuntimeFolderForQt&) = delete;

private:
    static constexpr char kVariable[] = "XDG_RUNTIME_DIR";
    std::string folder_;
    std::optional<std::string> previous_;
};

// The command line prints its own messages only: Qt's notes about its platform
// and fonts are dropped while the page is drawn.
void DropQtMessage(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                   const QString& /*text*/) {}

// Runs `write` inside a Qt Gui application, which fonts and pictures need; no
// display is used.
template <class Write>
void InQtGuiApplication(Write write) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QtMessageHandler previous_handler = qInstallMessageHandler(DropQtMessage);
    {
        const RuntimeFolderForQt runtime_folder;
        static char program_name[] = "kalvesta4-cli";
        static char* qt_argv[] = {program_name, nullptr};
        int qt_argc = 1;
        std::optional<QGuiApplication> application(std::in_place, qt_argc, qt_argv);
        write();
    }
    qInstallMessageHandler(previous_handler);
}

}  // namespace

// The module's entries.
extern "C" __attribute__((visibility("default"))) void kalvesta4_write_summary(
    const std::string& path, const kalvesta::cli::CliRun& run, kalvesta::FileResult& result) {
    static_assert(std::is_same_v<decltype(&kalvesta4_write_summary), kalvesta::cli::SummaryEntry>);
    InQtGuiApplication([&] { result = kalvesta::cli::WriteSummary(path, run); });
}

extern "C" __attribute__((visibility("default"))) void kalvesta4_write_template(
    const std::string& path, const kalvesta::cli::TemplatePages& pages,
    kalvesta::FileResult& result) {
    static_assert(
        std::is_same_v<decltype(&kalvesta4_write_template), kalvesta::cli::TemplateEntry>);
    InQtGuiApplication([&] { result = kalvesta::cli::WriteTemplate(path, pages); });
}
