// TXPrint on Qt PrintSupport: the job is a QPainter on a QPrinter bound to a CUPS queue.
#include "print/XPrinter.h"

#include <QPageLayout>
#include <QPrinterInfo>

namespace kalvesta {

TXPrint::TXPrint() {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    printer_available_ = !names.isEmpty();
    if (printer_available_) {
        const QString default_name = QPrinterInfo::defaultPrinterName();
        printer_.setPrinterName(names.contains(default_name) ? default_name : names.first());
    }
}

TXPrint::~TXPrint() {
    if (canvas_.isActive()) {
        canvas_.end();
    }
}

bool TXPrint::BeginDoc() {
    if (!printer_available_ || canvas_.isActive()) {
        return false;
    }
    printer_.setDocName(title_);
    printer_.setCopyCount(1);
    printer_.setFullPage(false);
    QPageLayout layout = printer_.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    // Margins 0: the origin is the corner of what the printer can print.
    layout.setMargins(layout.minimumMargins());
    printer_.setPageLayout(layout);
    return canvas_.begin(&printer_);
}

void TXPrint::StretchDraw(const QRect& target, const QImage& bitmap) {
    if (canvas_.isActive()) {
        canvas_.drawImage(target, bitmap);
    }
}

bool TXPrint::EndDoc() {
    if (!canvas_.isActive()) {
        return false;
    }
    return canvas_.end() && printer_.printerState() != QPrinter::Error;
}

}  // namespace kalvesta
