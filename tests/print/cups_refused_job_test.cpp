// A CUPS queue that refuses jobs: the printer window says so with the queue's name
// and the server's reason, and a job refused only when it is handed over fails too.
// The test adds a queue of its own (lpadmin, root only) so that the shared test
// queue keeps taking the other tests' jobs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "cups_pdf.h"
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

class CupsRefusedJob : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "adding a CUPS queue (lpadmin) needs root";
        }
        if (!cups_pdf::QueueExists()) {
            GTEST_SKIP() << "no CUPS server with the cups-pdf queue " << cups_pdf::kQueue
                         << " (scripts/cups-test-printer sets it up)";
        }
        queue_ = QStringLiteral("KalvestaRefusing%1").arg(::getpid());
        ASSERT_TRUE(
            RunTool(QStringLiteral("lpadmin"),
                    {QStringLiteral("-p"), queue_, QStringLiteral("-v"),
                     QStringLiteral("cups-pdf:/"), QStringLiteral("-E"), QStringLiteral("-P"),
                     QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")}));
        added_ = true;
    }
    void TearDown() override {
        if (added_) {
            RunTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
        }
    }

    void Reject() {
        ASSERT_TRUE(RunTool(QStringLiteral("cupsreject"),
                            {QStringLiteral("-r"), QStringLiteral("closed for the test"), queue_}));
    }

    QString queue_;
    bool added_ = false;
};

TEST_F(CupsRefusedJob, WindowReportsThePrinterAndTheReason) {
    ASSERT_NO_FATAL_FAILURE(Reject());
    TXPrint print;
    TXPrintSet print_set(print);
    TForm3 form(print_set, print);
    QImage page(800, 1220, QImage::Format_RGB32);
    page.fill(Qt::white);
    QString message;

    QTimer::singleShot(0, &form, [&] {
        const int index = form.ComboBox1->findText(queue_);
        ASSERT_GE(index, 0);
        form.ComboBox1->setCurrentIndex(index);
        emit form.ComboBox1->activated(index);
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
            form.Button1Click();
        });
        QTest::mouseClick(form.ButtonClose, Qt::LeftButton);
    });
    EXPECT_EQ(form.ShowModalFor(page), QDialog::Rejected);
    EXPECT_EQ(message.toStdString(),
              QStringLiteral("The page could not be printed on \"%1\": the printer is not "
                             "accepting jobs: closed for the test.")
                  .arg(queue_)
                  .toStdString());
}

// Refused between the start of the job and its end, when Qt hands it to CUPS.
TEST_F(CupsRefusedJob, JobRefusedAtItsEndFails) {
    TXPrint print;
    TXPrintSet print_set(print);
    print_set.SetPrinterIndex(static_cast<int>(print_set.Printers().indexOf(queue_)));
    ASSERT_EQ(print.Printer().printerName(), queue_);
    ASSERT_TRUE(print.BeginDoc()) << print.FailureReason().toStdString();
    ASSERT_NO_FATAL_FAILURE(Reject());
    EXPECT_FALSE(print.EndDoc());
    EXPECT_TRUE(print.FailureReason().contains(QStringLiteral("accept"), Qt::CaseInsensitive))
        << print.FailureReason().toStdString();
}

}  // namespace
}  // namespace kalvesta
