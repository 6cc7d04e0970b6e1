// PNG and PDF export of the summary page through QSaveFile (temporary file, then
// rename over the target).
#include "qtcanvas/page_export.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "qtcanvas/printed_page_rect.h"

namespace kalvesta {
namespace {

constexpr int kPdfDpi = 600;

PageExportResult Failed(const QString& path, const QString& reason) {
    return {false, QStringLiteral("%1: %2").arg(path, reason)};
}

PageExportResult Commit(QSaveFile& file, const QString& path) {
    if (!file.commit()) {
        return Failed(path, file.errorString());
    }
    return {true, {}};
}

}  // namespace

PageExportResult WriteSummaryPng(const QImage& page, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failed(path, file.errorString());
    }
    if (!page.save(&file, "PNG")) {
        file.cancelWriting();
        return Failed(path, file.error() != QFileDevice::NoError
                                ? file.errorString()
                                : QStringLiteral("the picture could not be encoded"));
    }
    return Commit(file, path);
}

PageExportResult WriteSummaryPdf(const QImage& page, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failed(path, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Kalvesta4"));
        writer.setTitle(QStringLiteral("Kalvesta4 summary"));
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return Failed(path, QStringLiteral("the PDF could not be started"));
        }
        const PrintedPageRect rect = PrintedPageRectangle(kPdfDpi);
        painter.drawImage(QRect(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1), page);
        painter.end();
    }
    return Commit(file, path);
}

}  // namespace kalvesta
