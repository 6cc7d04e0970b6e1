// Balance template sheets on pictures and on paged devices.
#include "qtcanvas/template_export.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "model/display_units.h"
#include "qtcanvas/qt_canvas.h"

namespace kalvesta {
namespace {

int Dots(double mm, double dpi) {
    return static_cast<int>(std::lround(mm * dpi / kMmPerInch));
}

}  // namespace

QImage RenderTemplateSheet(const BalanceTemplateLayout& layout, size_t index,
                           const BalanceTemplateTexts& texts, int dpi) {
    const PaperSize& paper = layout.request.paper;
    QImage sheet(Dots(paper.width_mm, dpi), Dots(paper.height_mm, dpi), QImage::Format_RGB32);
    if (sheet.isNull()) {
        return sheet;
    }
    sheet.fill(Qt::white);
    // Metadata for viewers: the picture's own resolution.
    const int dots_per_metre = static_cast<int>(std::lround(dpi / kMmPerInch * 1000.0));
    sheet.setDotsPerMeterX(dots_per_metre);
    sheet.setDotsPerMeterY(dots_per_metre);
    QtCanvas canvas(sheet);
    DrawBalanceTemplateSheet(canvas, layout, index, texts);
    return sheet;
}

QString PaintTemplateSheets(QPagedPaintDevice& device, const BalanceTemplateLayout& layout,
                            const std::vector<BalanceTemplateTexts>& texts) {
    if (layout.status != TemplateLayoutStatus::kLaidOut || layout.sheets.empty() ||
        texts.size() != layout.sheets.size()) {
        return QStringLiteral("the template has no sheets to print");
    }
    const PaperSize& paper = layout.request.paper;
    QPainter painter;
    if (!painter.begin(&device)) {
        return QStringLiteral("the pages could not be started");
    }
    // The paper in the device's own units, from its corner.
    const QRectF whole_paper(0.0, 0.0, paper.width_mm * device.logicalDpiX() / kMmPerInch,
                             paper.height_mm * device.logicalDpiY() / kMmPerInch);
    for (size_t i = 0; i < layout.sheets.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return QStringLiteral("a further page could not be started");
        }
        const QImage sheet = RenderTemplateSheet(layout, i, texts[i]);
        if (sheet.isNull()) {
            painter.end();
            return QStringLiteral("there is not enough memory for a sheet's picture");
        }
        painter.drawImage(whole_paper, sheet);
    }
    if (!painter.end()) {
        return QStringLiteral("the pages could not be completed");
    }
    return {};
}

EncodedPage EncodeTemplatePdf(const BalanceTemplateLayout& layout,
                              const std::vector<BalanceTemplateTexts>& texts) {
    EncodedPage encoded;
    QBuffer buffer(&encoded.bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {{}, QStringLiteral("the PDF could not be started")};
    }
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Kalvesta4"));
    writer.setTitle(QStringLiteral("Kalvesta4 balance template"));
    writer.setResolution(kTemplateDpi);
    const PaperSize& paper = layout.request.paper;
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(paper.width_mm, paper.height_mm), QPageSize::Millimeter),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    encoded.error = PaintTemplateSheets(writer, layout, texts);
    if (!encoded.ok()) {
        encoded.bytes.clear();
    }
    return encoded;
}

}  // namespace kalvesta
