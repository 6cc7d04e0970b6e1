// A CUPS queue that cannot print the page: it rejects jobs, is stopped, is deleted
// while the window is open, or has a device that cannot be reached. The printer
// window names the queue, the job where CUPS took one, and CUPS's own reason, and
// stays open. The test adds a queue of its own (lpadmin, root only) so that the
// shared test queue keeps taking the other tests' jobs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

#include "cups_pdf.h"
#include "message_watch.h"
#include "print/XPrinter.h"
#include "print/XPrnSet2.h"
#include "print/tform3.h"

namespace kalvesta {
namespace {

bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

struct QueueProblem {
    const char* name;
    // What happens to the queue once the window lists it.
    QStringList (*commands)(const QString& queue);
    // The message, given the queue and the job number.
    QString (*message)(const QString& queue, int job);
};

class CupsTroubleQueue : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "adding a CUPS queue (lpadmin) needs root";
        }
        if (!cups_pdf::QueueExists()) {
            GTEST_SKIP() << "no CUPS server with the cups-pdf queue " << cups_pdf::kQueue
                         << " (scripts/cups-test-printer sets it up)";
        }
        queue_ = QStringLiteral("KalvestaTrouble%1").arg(::getpid());
        ASSERT_TRUE(
            RunTool(QStringLiteral("lpadmin"),
                    {QStringLiteral("-p"), queue_, QStringLiteral("-v"),
                     QStringLiteral("cups-pdf:/"), QStringLiteral("-E"), QStringLiteral("-P"),
                     QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")}));
        added_ = true;
    }
    void TearDown() override {
        if (added_) {
            // Its jobs go with it.
            RunTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
        }
    }

    // Runs each command line "tool arg...".
    void Run(const QStringList& commands) {
        for (const QString& command : commands) {
            QStringList words = command.split(QLatin1Char('|'));
            const QString tool = words.takeFirst();
            ASSERT_TRUE(RunTool(tool, words)) << command.toStdString();
        }
    }

    QString queue_;
    bool added_ = false;
};

class CupsQueueProblems : public CupsTroubleQueue,
                          public ::testing::WithParamInterface<QueueProblem> {};

TEST_P(CupsQueueProblems, WindowNamesTheQueueTheJobAndTheReason) {
    TXPrint print;
    TXPrintSet print_set(print);
    TForm3 form(print_set, print);
    QImage page(800, 1220, QImage::Format_RGB32);
    page.fill(Qt::white);
    std::optional<MessageWatch> watch;
    QTimer::singleShot(0, &form, [&] {
        const int index = form.ComboBox1->findText(queue_);
        ASSERT_GE(index, 0);
        form.ComboBox1->setCurrentIndex(index);
        emit form.ComboBox1->activated(index);
        ASSERT_NO_FATAL_FAILURE(Run(GetParam().commands(queue_)));
        watch.emplace(form);
        QTest::mouseClick(form.ButtonClose, Qt::LeftButton);
    });
    EXPECT_EQ(form.ShowModalFor(page), QDialog::Rejected);
    ASSERT_TRUE(watch);
    EXPECT_TRUE(watch->window_open_after);
    EXPECT_EQ(watch->message.toStdString(),
              GetParam().message(queue_, print.JobId()).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Queues, CupsQueueProblems,
    ::testing::Values(
        QueueProblem{"Rejecting",
                     [](const QString& queue) {
                         return QStringList{"cupsreject|-r|closed for the test|" + queue};
                     },
                     [](const QString& queue, int) {
                         return QStringLiteral(
                                    "The page could not be printed on \"%1\": the "
                                    "printer is not accepting jobs: closed for the "
                                    "test.")
                             .arg(queue);
                     }},
        QueueProblem{"Stopped",
                     [](const QString& queue) {
                         return QStringList{"cupsdisable|-r|stopped for the test|" + queue};
                     },
                     [](const QString& queue, int job) {
                         return QStringLiteral(
                                    "Printer \"%1\", job %2: the printer is stopped; "
                                    "the job waits in the queue (CUPS: \"stopped for "
                                    "the test\").")
                             .arg(queue)
                             .arg(job);
                     }},
        QueueProblem{"Deleted",
                     [](const QString& queue) { return QStringList{"lpadmin|-x|" + queue}; },
                     [](const QString& queue, int) {
                         return QStringLiteral(
                                    "The page could not be printed on \"%1\": the "
                                    "printer no longer exists.")
                             .arg(queue);
                     }},
        // Nothing listens on port 9: the backend retries for ever.
        QueueProblem{"DeviceUnreachable",
                     [](const QString& queue) {
                         return QStringList{"lpadmin|-p|" + queue + "|-v|socket://127.0.0.1:9"};
                     },
                     [](const QString& queue, int job) {
                         return QStringLiteral(
                                    "Printer \"%1\", job %2: the job has not printed "
                                    "yet (CUPS: \"The printer may not exist or is "
                                    "unavailable at this time\").")
                             .arg(queue)
                             .arg(job);
                     }}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

// Refused between the start of the job and its end, when Qt hands it to CUPS.
TEST_F(CupsTroubleQueue, JobRefusedAtItsEndFails) {
    TXPrint print;
    TXPrintSet print_set(print);
    print_set.SetPrinterIndex(static_cast<int>(print_set.Printers().indexOf(queue_)));
    ASSERT_EQ(print.Printer().printerName(), queue_);
    ASSERT_TRUE(print.BeginDoc());
    ASSERT_NO_FATAL_FAILURE(Run({"cupsreject|-r|closed for the test|" + queue_}));
    EXPECT_FALSE(print.EndDoc());
    EXPECT_EQ(print.Failure().problem, PrintProblem::kNotAccepting);
    EXPECT_EQ(print.Failure().cups_text.toStdString(), "closed for the test");
}

}  // namespace
}  // namespace kalvesta
