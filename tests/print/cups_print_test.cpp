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
#include "print/XPrinter.h"
#include "print/XPrnSet2.h"
#include "print/printed_page_rect.h"
#include "print/tform3.h"

namespace kalvesta {
namespace {

constexpr int kRasterDpi = 100;

struct PrintChoice {
    int dpi = 600;
    bool color = true;
};

// Dark enough to count as ink.
bool IsInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

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
    // PDF that arrived (empty when none did).
    QString PrintThroughWindow(const QImage& page, PrintChoice choice, const QString& what) {
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
                form.Button1Click();
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
        if (!pdf.isEmpty()) {
            printed_.append(pdf);
        }
        return pdf;
    }

    // Top-left corner of the printable area on the sheet, in inches.
    static QPointF PrintableOrigin() {
        QPrinter printer(QPrinterInfo::printerInfo(QString::fromLatin1(cups_pdf::kQueue)));
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Point);
        return {layout.minimumMargins().left() / 72.0, layout.minimumMargins().top() / 72.0};
    }

    // Raster pixel of page pixel (x, y) printed at `dpi`.
    static QPoint RasterOf(double page_x, double page_y, int dpi) {
        const PrintedPageRect rect = PrintedPageRectangle(dpi);
        const double sx = static_cast<double>(rect.x2 - rect.x1) / 800.0;
        const double sy = static_cast<double>(rect.y2 - rect.y1) / 1220.0;
        const QPointF origin = PrintableOrigin();
        return QPoint(qRound((origin.x() + (rect.x1 + page_x * sx) / dpi) * kRasterDpi),
                      qRound((origin.y() + (rect.y1 + page_y * sy) / dpi) * kRasterDpi));
    }

private:
    QStringList printed_;
};

class CupsPlacementTest : public CupsPrintTest, public ::testing::WithParamInterface<int> {};

// An all-black page shows its rectangle as the bounding box of the ink on the sheet.
TEST_P(CupsPlacementTest, PageFillsItsRectangleOnTheSheet) {
    const int dpi = GetParam();
    QImage page(800, 1220, QImage::Format_RGB32);
    page.fill(Qt::black);

    const QString pdf = PrintThroughWindow(page, {dpi, false}, QStringLiteral("placement"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived within 60 s in "
                                << cups_pdf::OutputFolder().toStdString();
    EXPECT_EQ(cups_pdf::PageCount(pdf), 1);
    const QImage sheet = cups_pdf::Rasterise(pdf, kRasterDpi);
    ASSERT_FALSE(sheet.isNull());
    // A4, 595 x 842 points, at 100 dpi: 826.4 x 1169.4 pixels, rounded either way.
    EXPECT_NEAR(sheet.width(), 827, 1);
    EXPECT_NEAR(sheet.height(), 1169, 1);

    QRect ink;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (IsInk(sheet.pixel(x, y))) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const QPoint top_left = RasterOf(0, 0, dpi);
    const QPoint bottom_right = RasterOf(800, 1220, dpi);
    EXPECT_NEAR(ink.left(), top_left.x(), 1);
    EXPECT_NEAR(ink.top(), top_left.y(), 1);
    EXPECT_NEAR(ink.right() + 1, bottom_right.x(), 1);
    EXPECT_NEAR(ink.bottom() + 1, bottom_right.y(), 1);
}

// 300 dpi: (178, 170)-(1538, 2244) dots, the 600 dpi page's 4.53 x 6.91 inches.
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

    const QString pdf = PrintThroughWindow(page, {600, color}, QStringLiteral("testpage"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived within 60 s in "
                                << cups_pdf::OutputFolder().toStdString();
    EXPECT_EQ(cups_pdf::PageCount(pdf), 1);
    const QImage sheet = cups_pdf::Rasterise(pdf, kRasterDpi);
    ASSERT_FALSE(sheet.isNull());

    EXPECT_TRUE(IsInk(sheet.pixel(RasterOf(200, 250, 600))));
    EXPECT_TRUE(IsInk(sheet.pixel(RasterOf(790, 1210, 600))));
    EXPECT_FALSE(IsInk(sheet.pixel(RasterOf(400, 700, 600))));
    // Outside the page's rectangle the sheet stays blank.
    EXPECT_FALSE(IsInk(sheet.pixel(RasterOf(820, 1240, 600))));

    const QColor red_block = sheet.pixelColor(RasterOf(600, 250, 600));
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

}  // namespace
}  // namespace kalvesta
