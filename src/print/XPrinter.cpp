// TXPrint on Qt PrintSupport: the job is a QPainter on a QPrinter bound to a CUPS queue.
#include "print/XPrinter.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include "print/cups_queue.h"

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
    failure_.clear();
    if (!printer_available_) {
        failure_ = QStringLiteral("no printer is set up");
        return false;
    }
    if (canvas_.isActive()) {
        failure_ = QStringLiteral("a print job is already open");
        return false;
    }
    failure_ = CupsQueueRefusal(printer_.printerName());
    if (!failure_.isEmpty()) {
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
    if (!canvas_.begin(&printer_)) {
        failure_ = QStringLiteral("the print job could not be started");
        return false;
    }
    return true;
}

void TXPrint::StretchDraw(const QRect& target, const QImage& bitmap) {
    if (canvas_.isActive()) {
        canvas_.drawImage(target, bitmap);
    }
}

bool TXPrint::EndDoc() {
    failure_.clear();
    if (!canvas_.isActive()) {
        failure_ = QStringLiteral("no print job is open");
        return false;
    }
    // Ending the painter hands the job to CUPS, whose answer is the thread's last one.
    const bool ended = canvas_.end();
    failure_ = CupsLastRequestFailure();
    if (failure_.isEmpty() && (!ended || printer_.printerState() == QPrinter::Error)) {
        failure_ = QStringLiteral("the print job could not be completed");
    }
    return failure_.isEmpty();
}

}  // namespace kalvesta
