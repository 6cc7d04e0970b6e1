// PNG and PDF encoding of the summary page into memory, every step checked.
#include "qtcanvas/page_export.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "qtcanvas/printed_page_rect.h"

namespace kalvesta {
namespace {

constexpr int kPdfDpi = 600;

EncodedPage Failed(const char* reason) {
    return {{}, QString::fromLatin1(reason)};
}

}  // namespace

EncodedPage EncodeSummaryPng(const QImage& page) {
    EncodedPage encoded;
    QBuffer buffer(&encoded.bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !page.save(&buffer, "PNG")) {
        return Failed("the picture could not be encoded");
    }
    return encoded;
}

EncodedPage EncodeSummaryPdf(const QImage& page) {
    if (page.isNull()) {
        return Failed("the picture could not be encoded");
    }
    EncodedPage encoded;
    QBuffer buffer(&encoded.bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return Failed("the PDF could not be started");
    }
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Kalvesta4"));
    writer.setTitle(QStringLiteral("Kalvesta4 summary"));
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return Failed("the PDF could not be started");
    }
    const PrintedPageRect rect = PrintedPageRectangle(kPdfDpi);
    painter.drawImage(QRect(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1), page);
    if (!painter.end()) {
        return Failed("the PDF could not be completed");
    }
    return encoded;
}

}  // namespace kalvesta
