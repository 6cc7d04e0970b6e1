// TXPrint: runs a print job on the selected system (CUPS) printer and draws on its
// page. The printer it drives is the one TXPrintSet selects and configures.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <QString>

#include "print/print_interfaces.h"

namespace kalvesta {

class TXPrint : public PrintJobInterface {
public:
    // Decides once whether any printer is installed and selects the system's default
    // printer (the first one when no default is set).
    TXPrint();
    ~TXPrint() override;
    TXPrint(const TXPrint&) = delete;
    TXPrint& operator=(const TXPrint&) = delete;

    bool PrinterAvailable() const { return printer_available_; }
    // Whether any printer is installed, as TXPrintSet found when it listed them.
    void SetPrinterAvailable(bool available) { printer_available_ = available; }
    bool Printing() const { return canvas_.isActive(); }

    // Job title shown by the spooler.
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    // The platform printer the job goes to; TXPrintSet selects and configures it.
    QPrinter& Printer() { return printer_; }
    const QPrinter& Printer() const { return printer_; }

    // Opens a one-copy portrait job whose coordinates are printer dots with the
    // origin at the printable area's top-left corner (margins 0); refused when the
    // queue takes no jobs or cupsd does not answer.
    bool BeginDoc() override;
    void StretchDraw(const QRect& target, const QImage& bitmap) override;
    // Ends the job; false with CUPS's reason when it refused the finished job.
    bool EndDoc() override;
    PrintReport Failure() const override { return failure_; }
    // The job is found among the queue's jobs by its title and a number above
    // those the queue had when it began.
    int JobId() const override { return job_id_; }
    PrintJobStatus JobStatus() const override;

private:
    QPrinter printer_{QPrinter::HighResolution};
    QPainter canvas_;
    bool printer_available_ = false;
    QString title_ = QStringLiteral("XPrintSet Demo");
    PrintReport failure_;
    int newest_job_before_ = 0;
    int job_id_ = 0;
};

}  // namespace kalvesta
