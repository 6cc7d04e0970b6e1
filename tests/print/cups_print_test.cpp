// Printing through the real printer window and print components to the local CUPS
// server's cups-pdf queue, checking the PDF that arrives: one page, and ink where
// the page was meant to land. Skipped only when the queue does not exist.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "cups_pdf.h"
#include "pdf_tools.h"
#include "print/XPrinter.h"
#include "print/XPrnSet2.h"
#include "print/tform3.h"
#include "sheet_check.h"
#include "summary_fixture.h"

namespace kalvesta {
namespace {

constexpr int kRasterDpi = 100;

struct PrintChoice {
    int dpi = 600;
    bool color = true;
};

class CupsPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!cups_pdf::QueueExists()) {
            GTEST_SKIP() << "no CUPS queue " << cups_pdf::kQueue
                         << " (scripts/cups-test-printer sets it up)";
        }
    }

    void TearDown() override {
        for (const QString& pdf : printed_) {
            QFile::remove(pdf);
        }
    }

    // Prints `page` on the queue through the printer window as a user would: choose
    // the queue, the resolution row and the colour box, press "Print". Returns the
    // first page of the PDF that arrived, rasterised (null when none arrived).
    QImage PrintThroughWindow(const QImage& page, PrintChoice choice, const QString& what) {
        TXPrint print;
        const QString title = cups_pdf::UniqueJobTitle(what);
        print.SetTitle(title);
        TXPrintSet print_set(print);
        TForm3 form(print_set, print);

        QTimer::singleShot(0, &form, [&form, choice] {
            const int queue = form.ComboBox1->findText(QString::fromLatin1(cups_pdf::kQueue));
            form.ComboBox1->setCurrentIndex(queue);
            emit form.ComboBox1->activated(queue);
            const QString row_text = QStringLiteral("%1x%1dpi²").arg(choice.dpi);
            const QList<QTableWidgetItem*> rows =
                form.StringGrid2->findItems(row_text, Qt::MatchExactly);
            if (rows.isEmpty()) {
                ADD_FAILURE() << "the queue offers no " << row_text.toStdString();
                form.OnCancel();
                return;
            }
            form.StringGrid2->scrollToItem(rows.first());
            QTest::mouseClick(form.StringGrid2->viewport(), Qt::LeftButton, {},
                              form.StringGrid2->visualItemRect(rows.first()).center());
            if (form.CheckBoxColor->isChecked() != choice.color) {
                QTest::mouseClick(form.CheckBoxColor, Qt::LeftButton);
            }
            QTest::mouseClick(form.ButtonClose, Qt::LeftButton);
        });
        EXPECT_EQ(form.ShowModalFor(page), QDialog::Accepted);
        EXPECT_EQ(print.Printer().resolution(), choice.dpi);

        const QString pdf = cups_pdf::WaitForPdf(title);
        if (pdf.isEmpty()) {
            ADD_FAILURE() << "no PDF arrived within 60 s in "
                          << cups_pdf::OutputFolder().toStdString();
            return {};
        }
        printed_.append(pdf);
        EXPECT_EQ(pdf_tools::PageCount(pdf), 1);
        const QImage sheet = pdf_tools::Rasterise(pdf, kRasterDpi);
        // A4, 595 x 842 points, at 100 dpi: 826.4 x 1169.4 pixels, rounded either way.
        EXPECT_NEAR(sheet.width(), 827, 1);
        EXPECT_NEAR(sheet.height(), 1169, 1);
        return sheet;
    }

    // Where the page lands on the queue's sheet at `dpi`.
    static SheetMapping Mapping(int dpi) {
        QPrinter printer(QPrinterInfo::printerInfo(QString::fromLatin1(cups_pdf::kQueue)));
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Point);
        const QMarginsF margins = layout.minimumMargins();
        return {dpi, QPointF(margins.left() / 72.0, margins.top() / 72.0), kRasterDpi};
    }

private:
    QStringList printed_;
};

// The window on its own components finds the queue, its driver's resolutions in the
// driver's order (the cups-pdf PPD lists 150 to 2400 dpi) and its colour support.
TEST_F(CupsPrintTest, WindowListsTheQueueWithItsResolutionsAndColor) {
    TForm3 form;
    const int queue = form.ComboBox1->findText(QString::fromLatin1(cups_pdf::kQueue));
    ASSERT_GE(queue, 0);
    form.ComboBox1->setCurrentIndex(queue);
    emit form.ComboBox1->activated(queue);

    QStringList rows;
    for (int row = 0; row < form.StringGrid2->rowCount(); ++row) {
        rows.append(form.StringGrid2->item(row, 0)->text() + QStringLiteral(" ") +
                    form.StringGrid2->item(row, 1)->text());
    }
    EXPECT_EQ(rows, QStringList({QStringLiteral("0 150x150dpi²"), QStringLiteral("1 300x300dpi²"),
                                 QStringLiteral("2 600x600dpi²"), QStringLiteral("3 1200x1200dpi²"),
                                 QStringLiteral("4 2400x2400dpi²")}));
    EXPECT_TRUE(form.CheckBoxColor->isEnabled());
    EXPECT_TRUE(form.ButtonClose->isEnabled());
}

class CupsPlacementTest : public CupsPrintTest, public ::testing::WithParamInterface<int> {};

// An all-black page shows its rectangle as the bounding box of the ink on the sheet:
// at 300 dpi (178, 170)-(1538, 2244) dots, at 600 dpi (357, 340)-(3077, 4488), the
// same 4.53 x 6.91 inches.
TEST_P(CupsPlacementTest, PageFillsItsRectangleOnTheSheet) {
    const int dpi = GetParam();
    QImage page(800, 1220, QImage::Format_RGB32);
    page.fill(Qt::black);

    const QImage sheet = PrintThroughWindow(page, {dpi, false}, QStringLiteral("placement"));
    ASSERT_FALSE(sheet.isNull());
    const QRect ink = InkBounds(sheet);
    const SheetMapping mapping = Mapping(dpi);
    const QPoint top_left = mapping.ToRaster(0, 0);
    const QPoint bottom_right = mapping.ToRaster(800, 1220);
    EXPECT_NEAR(ink.left(), top_left.x(), 1);
    EXPECT_NEAR(ink.top(), top_left.y(), 1);
    EXPECT_NEAR(ink.right() + 1, bottom_right.x(), 1);
    EXPECT_NEAR(ink.bottom() + 1, bottom_right.y(), 1);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, CupsPlacementTest, ::testing::Values(300, 600));

class CupsColorTest : public CupsPrintTest, public ::testing::WithParamInterface<bool> {};

// A test page of a black, a red and a white block: the colour box decides whether
// red arrives as red or as grey.
TEST_P(CupsColorTest, TestPageInkAndColor) {
    const bool color = GetParam();
    QImage page(800, 1220, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.fillRect(100, 100, 200, 300, Qt::black);
        painter.fillRect(500, 100, 200, 300, Qt::red);
        painter.fillRect(600, 1020, 200, 200, Qt::black);  // the page's bottom-right corner
    }

    const QImage sheet = PrintThroughWindow(page, {600, color}, QStringLiteral("testpage"));
    ASSERT_FALSE(sheet.isNull());
    const SheetMapping mapping = Mapping(600);
    EXPECT_TRUE(IsInk(sheet.pixel(mapping.ToRaster(200, 250))));
    EXPECT_TRUE(IsInk(sheet.pixel(mapping.ToRaster(790, 1210))));
    EXPECT_FALSE(HasInk(sheet, mapping.ToRasterInside(QRect(320, 420, 460, 580))));
    // Beyond the page's rectangle the sheet stays blank.
    EXPECT_FALSE(IsInk(sheet.pixel(mapping.ToRaster(820, 1240))));

    const QColor red_block = sheet.pixelColor(mapping.ToRaster(600, 250));
    if (color) {
        EXPECT_GT(red_block.red(), 200);
        EXPECT_LT(red_block.green(), 60);
        EXPECT_LT(red_block.blue(), 60);
    } else {
        EXPECT_NEAR(red_block.red(), red_block.green(), 8);
        EXPECT_NEAR(red_block.green(), red_block.blue(), 8);
        EXPECT_LT(red_block.red(), 200);
    }
}

INSTANTIATE_TEST_SUITE_P(ColorBox, CupsColorTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& param) {
                             return param.param ? "Color" : "Monochrome";
                         });

// The two-wing summary page: header text, the copied pictures in their rectangles,
// text in both wing blocks and a blank sheet below the second one.
TEST_F(CupsPrintTest, SummaryPageArrivesWithItsParts) {
    const QImage sheet =
        PrintThroughWindow(DrawnSummaryPage(Catalogue()), {600, true}, QStringLiteral("summary"));
    ASSERT_FALSE(sheet.isNull());
    const SheetMapping mapping = Mapping(600);

    EXPECT_TRUE(HasInk(sheet, mapping.ToRasterInside(QRect(0, 0, 240, 18))));
    ExpectColorNear(sheet.pixelColor(mapping.ToRaster(308, 198)), kTopViewColor);
    ExpectColorNear(sheet.pixelColor(mapping.ToRaster(308, 452)), kView3dColor);
    EXPECT_TRUE(HasInk(sheet, mapping.ToRasterInside(QRect(0, 583, 400, 78))));
    EXPECT_TRUE(HasInk(sheet, mapping.ToRasterInside(QRect(0, 683, 300, 120))));
    EXPECT_TRUE(HasInk(sheet, mapping.ToRasterInside(QRect(320, 863, 400, 160))));
    // Two wings: nothing below the second block's tail volume (863 + 160, 20 high).
    EXPECT_FALSE(HasInk(sheet, mapping.ToRasterInside(QRect(0, 1045, 800, 175))));
}

}  // namespace
}  // namespace kalvesta
