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
    failure_ = {};
    job_id_ = 0;
    if (!printer_available_) {
        failure_.problem = PrintProblem::kNoPrinterSetUp;
        return false;
    }
    if (canvas_.isActive()) {
        failure_.problem = PrintProblem::kJobAlreadyOpen;
        return false;
    }
    failure_ = CupsQueueProblem(printer_.printerName());
    if (failure_.problem != PrintProblem::kNone) {
        return false;
    }
    newest_job_before_ = CupsNewestJob(printer_.printerName(), title_);
    printer_.setDocName(title_);
    printer_.setCopyCount(1);
    printer_.setFullPage(false);
    QPageLayout layout = printer_.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    // Margins 0: the origin is the corner of what the printer can print.
    layout.setMargins(layout.minimumMargins());
    printer_.setPageLayout(layout);
    if (!canvas_.begin(&printer_)) {
        failure_.problem = PrintProblem::kJobNotStarted;
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
    failure_ = {};
    if (!canvas_.isActive()) {
        failure_.problem = PrintProblem::kNoJobOpen;
        return false;
    }
    // Ending the painter hands the job to CUPS, whose answer is the thread's last one.
    const bool ended = canvas_.end();
    failure_ = CupsLastRequestProblem(printer_.printerName());
    if (failure_.problem == PrintProblem::kNone &&
        (!ended || printer_.printerState() == QPrinter::Error)) {
        failure_.problem = PrintProblem::kJobNotCompleted;
    }
    if (failure_.problem != PrintProblem::kNone) {
        return false;
    }
    const int newest = CupsNewestJob(printer_.printerName(), title_);
    job_id_ = newest > newest_job_before_ ? newest : 0;
    return true;
}

PrintJobStatus TXPrint::JobStatus() const {
    return CupsJobStatus(printer_.printerName(), job_id_);
}

}  // namespace kalvesta
