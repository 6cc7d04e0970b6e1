// Export of the summary page without a printer: PNG pixel for pixel, PDF as one A4
// page with the page where the printer would put it, and failures as values.
#include "qtcanvas/page_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/file_writer.h"
#include "pdf_tools.h"
#include "sheet_check.h"
#include "summary_fixture.h"

namespace kalvesta {
namespace {

// Puts an encoded page on disk as the command line does.
void Save(const EncodedPage& encoded, const QString& path) {
    ASSERT_TRUE(encoded.ok()) << encoded.error.toStdString();
    const FileResult written = WriteFileContents(
        path.toStdString(),
        std::string_view(encoded.bytes.constData(), static_cast<size_t>(encoded.bytes.size())));
    ASSERT_TRUE(written.ok()) << FileMessage(written, Catalogue());
}

TEST(PageExport, PngKeepsEveryPixel) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("summary.png"));
    const QImage page = DrawnSummaryPage(Catalogue(Language::kRussian));

    ASSERT_NO_FATAL_FAILURE(Save(EncodeSummaryPng(page), path));
    const QImage read(path);
    EXPECT_EQ(read.size(), QSize(800, 1220));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), page);
}

TEST(PageExport, PdfIsOneA4PageWithThePageInItsPrintedRectangle) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("summary.pdf"));
    QImage page(800, 1220, QImage::Format_RGB32);
    page.fill(Qt::black);

    ASSERT_NO_FATAL_FAILURE(Save(EncodeSummaryPdf(page), path));
    EXPECT_EQ(pdf_tools::PageCount(path), 1);
    const QImage sheet = pdf_tools::Rasterise(path, 100);
    ASSERT_FALSE(sheet.isNull());
    // A4 at 100 dpi: 826.4 x 1169.4 pixels.
    EXPECT_NEAR(sheet.width(), 827, 1);
    EXPECT_NEAR(sheet.height(), 1169, 1);
    // 600 dpi, no margins: (357, 340)-(3077, 4488) dots = (59.5, 56.7)-(512.8, 748) pixels.
    const QRect ink = InkBounds(sheet);
    EXPECT_NEAR(ink.left(), 59.5, 1);
    EXPECT_NEAR(ink.top(), 56.7, 1);
    EXPECT_NEAR(ink.right() + 1, 512.8, 1);
    EXPECT_NEAR(ink.bottom() + 1, 748.0, 1);
}

TEST(PageExport, SummaryPdfCarriesTheDrawnPage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("summary.pdf"));

    ASSERT_NO_FATAL_FAILURE(Save(EncodeSummaryPdf(DrawnSummaryPage(Catalogue())), path));
    const QImage sheet = pdf_tools::Rasterise(path, 100);
    ASSERT_FALSE(sheet.isNull());
    const SheetMapping mapping{600, QPointF(0, 0), 100};
    EXPECT_TRUE(HasInk(sheet, mapping.ToRasterInside(QRect(0, 0, 240, 18))));
    ExpectColorNear(sheet.pixelColor(mapping.ToRaster(308, 198)), kTopViewColor);
    ExpectColorNear(sheet.pixelColor(mapping.ToRaster(308, 452)), kView3dColor);
    EXPECT_TRUE(HasInk(sheet, mapping.ToRasterInside(QRect(0, 683, 300, 120))));
    EXPECT_FALSE(HasInk(sheet, mapping.ToRasterInside(QRect(0, 1045, 800, 175))));
}

TEST(PageExport, PictureThatCannotBeEncodedIsAReason) {
    for (const EncodedPage& encoded : {EncodeSummaryPng(QImage()), EncodeSummaryPdf(QImage())}) {
        EXPECT_FALSE(encoded.ok());
        EXPECT_TRUE(encoded.bytes.isEmpty());
    }
}

}  // namespace
}  // namespace kalvesta
