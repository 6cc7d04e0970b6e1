// The summary page encoded for a file instead of a printer: a PNG of its 800 x 1220
// pixels, or a one-page A4 PDF with the page placed as the printer places it. Qt Gui
// only, so the command line can use it without widgets or printers. The bytes are
// made in memory; the program's file writer puts them on disk.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kalvesta {

struct EncodedPage {
    QByteArray bytes;
    QString error;  // why the page could not be encoded; empty on success

    bool ok() const { return error.isEmpty(); }
};

// `page` pixel for pixel as PNG.
EncodedPage EncodeSummaryPng(const QImage& page);

// `page` as a one-page A4 portrait PDF at 600 dpi, stretched into
// (357, 340)-(3077, 4488) dots from the sheet's corner, as on a printer without hard
// margins.
EncodedPage EncodeSummaryPdf(const QImage& page);

}  // namespace kalvesta
