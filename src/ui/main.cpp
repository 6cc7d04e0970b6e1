// Program entry: the application, its main window, and the event loop.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/tform1.h"
#include "ui/window_arguments.h"

namespace {

// With KALVESTA_REPORT_SHOWN set, writes the line "shown" to standard output as
// soon as the main window has been exposed and painted for the first time, so
// that scripts/measure-startup can time the start as a user waits for it.
class FirstExposeReport : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
            watched->removeEventFilter(this);
            // Queued: runs after the expose has painted and flushed the window.
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::fputs("shown\n", stdout);
                    std::fflush(stdout);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    // A pipe whose reader has gone (a FIFO chosen as a file, standard output piped into
    // a program that ended) is a failed write the window reports, not the end of the
    // program with the design in it.
    std::signal(SIGPIPE, SIG_IGN);
    // Read before the application starts, so that --help, --version and a wrong
    // option need no display.
    const kalvesta::WindowArguments arguments =
        kalvesta::ReadWindowArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (arguments.action) {
        case kalvesta::WindowArguments::Action::kHelp:
            std::fputs(kalvesta::WindowUsageText().c_str(), stdout);
            return 0;
        case kalvesta::WindowArguments::Action::kVersion:
            std::fputs("kalvesta4 " KALVESTA_VERSION "\n", stdout);
            return 0;
        case kalvesta::WindowArguments::Action::kRefuse:
            std::fprintf(stderr, "kalvesta4: %s\nTry \"kalvesta4 --help\".\n",
                         arguments.error.c_str());
            return 2;
        case kalvesta::WindowArguments::Action::kRun:
            break;
    }
    // The window is laid out for 96 pixels per inch and scaled as a whole for the
    // screen's resolution, menus, dialogs and secondary windows alike (144 dpi:
    // 1.5 times), so that its texts grow with theirs.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // The menu bar belongs to the window's fixed layout, so it stays in the
    // window also on desktops with a global menu; not asking the session bus
    // for one saves about 10 ms of every start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // fontconfig reads its configuration, some fifty files, when first used,
    // and the window's first text would wait for it: a second thread reads it
    // while the application loads its platform and connects to the display.
    std::thread font_configuration([] { FcInit(); });
    QApplication application(argc, argv);
    font_configuration.join();
    QApplication::setApplicationName("Kalvesta4");
    QApplication::setApplicationVersion(KALVESTA_VERSION);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(KALVESTA_APP_ID);
    kalvesta::TForm1 form1;
    FirstExposeReport report;
    const bool report_shown = !qEnvironmentVariableIsEmpty("KALVESTA_REPORT_SHOWN");
    if (report_shown) {
        form1.winId();  // creates the native window to watch
        form1.windowHandle()->installEventFilter(&report);
    }
    form1.show();
    if (arguments.file) {
        // Once the window shows, so that a file that cannot be read is reported over it.
        const std::optional<QString> file = QFile::decodeName(arguments.file->c_str());
        QTimer::singleShot(0, &form1, [&form1, file] { form1.OpenFile(file); });
    }
    return QApplication::exec();
}
