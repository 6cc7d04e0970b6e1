// The printer window on fake print components: grid, colour box, printer change,
// the rectangle the page is printed into, cancel and the no-printer case.
#include "print/tform3.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "fake_print.h"
#include "message_watch.h"

namespace kalvesta {
namespace {

FakePrinter LaserColor() {
    return {QStringLiteral("Laser"), TCapabilities{{{300, 300}, {600, 600}}, 24}, true};
}

FakePrinter Monochrome() {
    return {QStringLiteral("Mono"), TCapabilities{{{360, 180}}, 1}, false};
}

QString Cell(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item != nullptr ? item->text() : QString();
}

// Runs `action` once the modal window is up, then shows it for `page`.
int ShowModalThen(TForm3& form, const QImage& page, const std::function<void()>& action,
                  Language language = Language::kEnglish) {
    QTimer::singleShot(0, &form, action);
    return form.ShowModalFor(page, Catalogue(language));
}

QImage SummarySizedPage() {
    QImage page(800, 1220, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

TEST(TForm3, LayoutAndResolutionGrid) {
    FakePrintSet print_set({LaserColor()});
    FakePrintJob job;
    TForm3 form(print_set, job);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Printer"));
    EXPECT_EQ(form.size(), QSize(377, 173));
    EXPECT_EQ(form.StringGrid2->geometry(), QRect(3, 56, 129, 90));
    // 129 / 4 - 10 and 129 * 3 / 4 - 10 in integer arithmetic.
    EXPECT_EQ(form.StringGrid2->columnWidth(0), 22);
    EXPECT_EQ(form.StringGrid2->columnWidth(1), 86);
    EXPECT_EQ(form.StringGrid2->horizontalHeaderItem(0)->text(), QStringLiteral("i"));
    EXPECT_EQ(form.StringGrid2->horizontalHeaderItem(1)->text(), QStringLiteral("Auflösung"));

    ASSERT_EQ(form.StringGrid2->rowCount(), 2);
    EXPECT_EQ(Cell(*form.StringGrid2, 0, 0), QStringLiteral("0"));
    EXPECT_EQ(Cell(*form.StringGrid2, 0, 1), QStringLiteral("300x300dpi²"));
    EXPECT_EQ(Cell(*form.StringGrid2, 1, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(*form.StringGrid2, 1, 1), QStringLiteral("600x600dpi²"));
    EXPECT_EQ(form.StringGrid2->currentRow(), 0);

    EXPECT_EQ(form.ComboBox1->count(), 1);
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("Laser"));
    EXPECT_TRUE(form.ButtonClose->isEnabled());
    EXPECT_TRUE(form.CheckBoxColor->isEnabled());
    EXPECT_TRUE(form.CheckBoxColor->isChecked());
}

TEST(TForm3, PrintsThePageIntoTheRectangleOfTheChosenResolution) {
    FakePrintSet print_set({LaserColor()});
    FakePrintJob job;
    TForm3 form(print_set, job);
    const QImage page = SummarySizedPage();

    const int result = ShowModalThen(form, page, [&form] {
        form.StringGrid2->setCurrentCell(1, 1);
        QTest::mouseClick(form.ButtonClose, Qt::LeftButton);
    });

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(print_set.resolution_entries, std::vector<int>{1});
    EXPECT_EQ(job.begin_count, 1);
    EXPECT_EQ(job.end_count, 1);
    // 600 dpi: (357, 340)-(3077, 4488), i.e. 2720 x 4148 dots.
    ASSERT_EQ(job.targets.size(), 1u);
    EXPECT_EQ(job.targets[0], QRect(357, 340, 2720, 4148));
    EXPECT_EQ(job.bitmap_size, QSize(800, 1220));
}

TEST(TForm3, CancelPrintsNothing) {
    FakePrintSet print_set({LaserColor()});
    FakePrintJob job;
    TForm3 form(print_set, job);
    const QImage page = SummarySizedPage();

    const int result =
        ShowModalThen(form, page, [&form] { QTest::mouseClick(form.Button1, Qt::LeftButton); });

    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(job.begin_count, 0);
    EXPECT_TRUE(job.targets.empty());
}

TEST(TForm3, MonochromePrinterDisablesAndClearsColor) {
    FakePrintSet print_set({Monochrome()});
    FakePrintJob job;
    TForm3 form(print_set, job);

    EXPECT_FALSE(form.CheckBoxColor->isEnabled());
    EXPECT_FALSE(form.CheckBoxColor->isChecked());
    ASSERT_EQ(form.StringGrid2->rowCount(), 1);
    EXPECT_EQ(Cell(*form.StringGrid2, 0, 1), QStringLiteral("360x180dpi²"));
}

TEST(TForm3, ChangingPrinterRefillsWithoutWritingTheColorBack) {
    FakePrintSet print_set({LaserColor(), Monochrome()});
    FakePrintJob job;
    TForm3 form(print_set, job);
    ASSERT_TRUE(form.CheckBoxColor->isChecked());

    form.show();
    form.ComboBox1->setFocus();
    QTest::keyClick(form.ComboBox1, Qt::Key_Down);
    EXPECT_EQ(print_set.PrinterIndex(), 1);
    EXPECT_EQ(form.StringGrid2->rowCount(), 1);
    EXPECT_FALSE(form.CheckBoxColor->isChecked());
    EXPECT_FALSE(form.CheckBoxColor->isEnabled());

    QTest::keyClick(form.ComboBox1, Qt::Key_Up);
    EXPECT_EQ(print_set.PrinterIndex(), 0);
    EXPECT_EQ(form.StringGrid2->rowCount(), 2);
    EXPECT_TRUE(form.CheckBoxColor->isChecked());
    EXPECT_TRUE(print_set.set_color_calls.empty());
}

TEST(TForm3, ClickingColorChangesTheSettingAndLastsAcrossShowing) {
    FakePrintSet print_set({LaserColor()});
    FakePrintJob job;
    TForm3 form(print_set, job);
    form.show();

    QTest::mouseClick(form.CheckBoxColor, Qt::LeftButton);
    EXPECT_EQ(print_set.set_color_calls, std::vector<bool>{false});
    EXPECT_FALSE(print_set.Color());

    form.hide();
    form.show();  // every activation reloads from the components
    EXPECT_FALSE(form.CheckBoxColor->isChecked());
    EXPECT_EQ(print_set.set_color_calls.size(), 1u);
}

TEST(TForm3, NoPrinterIsSaidAndSendsNothingUntilOneIsSetUp) {
    FakePrintSet print_set({});
    FakePrintJob job;
    TForm3 form(print_set, job);
    const auto* no_printer = form.findChild<QLabel*>(QStringLiteral("LabelNoPrinter"));
    ASSERT_NE(no_printer, nullptr);

    EXPECT_EQ(form.ComboBox1->count(), 0);
    EXPECT_EQ(form.StringGrid2->rowCount(), 0);
    EXPECT_FALSE(form.ButtonClose->isEnabled());
    EXPECT_FALSE(form.CheckBoxColor->isEnabled());
    EXPECT_FALSE(no_printer->isHidden());
    EXPECT_EQ(no_printer->text(), QStringLiteral("No printer is set up."));

    const QImage page = SummarySizedPage();
    QString russian;
    ShowModalThen(
        form, page,
        [&form, &russian, no_printer] {
            russian = no_printer->text();
            QTest::mouseClick(form.ButtonClose, Qt::LeftButton);  // disabled: no effect
            QTest::mouseClick(form.Button1, Qt::LeftButton);
        },
        Language::kRussian);
    EXPECT_EQ(russian, QStringLiteral("Принтер не установлен."));
    EXPECT_EQ(job.begin_count, 0);
    EXPECT_TRUE(job.targets.empty());

    // A printer set up while the program runs is there the next time the window opens.
    print_set.installed = {LaserColor()};
    form.show();
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("Laser"));
    EXPECT_EQ(form.StringGrid2->rowCount(), 2);
    EXPECT_TRUE(form.ButtonClose->isEnabled());
    EXPECT_TRUE(no_printer->isHidden());
}

// What became of the page, as the print job tells: the window closes once it printed,
// and otherwise says why in the window's language and stays open.
struct JobCase {
    const char* name;
    bool accept_jobs;
    std::vector<PrintJobStatus> statuses;  // what CUPS says of job 7, one answer a look
    bool english;
    const char* message;  // "": closes without one
};

class TForm3Job : public ::testing::TestWithParam<JobCase> {};

TEST_P(TForm3Job, PrintedOrWhyNot) {
    FakePrintSet print_set({LaserColor()});
    FakePrintJob job;
    job.accept_jobs = GetParam().accept_jobs;
    job.job_id = 7;
    job.statuses = GetParam().statuses;
    TForm3 form(print_set, job);
    const QImage page = SummarySizedPage();
    std::optional<MessageWatch> watch;
    QTimer::singleShot(0, &form, [&] {
        watch.emplace(form);
        QTest::mouseClick(form.ButtonClose, Qt::LeftButton);
    });
    const int result = form.ShowModalFor(
        page, Catalogue(GetParam().english ? Language::kEnglish : Language::kRussian));

    EXPECT_EQ(watch->message, QString::fromUtf8(GetParam().message));
    const bool printed = *GetParam().message == '\0';
    if (!printed) {
        EXPECT_EQ(watch->button, GetParam().english ? "OK" : "ОК");
    }
    EXPECT_EQ(result, printed ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(watch->window_open_after, !printed);
    EXPECT_EQ(job.status_calls, GetParam().accept_jobs ? GetParam().statuses.size() : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TForm3Job,
    ::testing::Values(
        JobCase{"Refused",
                false,
                {},
                true,
                "The page could not be printed on \"Laser\": the printer is not accepting jobs."},
        JobCase{"WaitedForThenPrinted",
                true,
                {{PrintJobStatus::Stage::kWaiting, {}}, {PrintJobStatus::Stage::kPrinted, {}}},
                true,
                ""},
        JobCase{"HeldInRussian",
                true,
                {{PrintJobStatus::Stage::kProblem,
                  {PrintProblem::kJobHeld, QStringLiteral("job-hold-until-specified")}}},
                false,
                "Принтер «Laser», задание 7: задание задержано в очереди (CUPS: "
                "«job-hold-until-specified»)."},
        JobCase{"NoServer",
                true,
                {{PrintJobStatus::Stage::kProblem, {PrintProblem::kNoServer, {}}}},
                true,
                "Printer \"Laser\", job 7: cupsd is not running."}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace kalvesta
