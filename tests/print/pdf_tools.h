// Reading PDF files in tests with poppler's command-line tools (poppler-utils).
#pragma once

#include <QImage>
#include <QString>

namespace kalvesta::pdf_tools {

// Number of pages pdfinfo reports, -1 when it cannot read the file.
int PageCount(const QString& pdf);

// The first page rasterised by pdftoppm at `dpi`; null on failure.
QImage Rasterise(const QString& pdf, int dpi);

}  // namespace kalvesta::pdf_tools
