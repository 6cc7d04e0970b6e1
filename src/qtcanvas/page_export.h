// The summary page written to a file instead of a printer: a PNG of its 800 x 1220
// pixels, or a one-page A4 PDF with the page placed as the printer places it. Qt Gui
// only, so the command line can use it without widgets or printers.
#pragma once

#include <QImage>
#include <QString>

namespace kalvesta {

struct PageExportResult {
    bool written = false;
    QString error;  // "<file>: <system's reason>" when not written
};

// Writes `page` pixel for pixel as PNG. The target is replaced only once the new
// file is complete; on failure an existing file stays as it was.
PageExportResult WriteSummaryPng(const QImage& page, const QString& path);

// Writes `page` as a one-page A4 portrait PDF at 600 dpi, the page stretched into
// (357, 340)-(3077, 4488) dots from the sheet's corner, as on a printer without hard
// margins. Replaces the target only once complete, like WriteSummaryPng.
PageExportResult WriteSummaryPdf(const QImage& page, const QString& path);

}  // namespace kalvesta
