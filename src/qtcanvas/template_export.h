// The balance template's sheets painted at true size: each sheet drawn on a picture
// of the paper at a fixed resolution, then laid over the whole paper of a paged
// device (a PDF writer, or a printer in full-page mode), one page a sheet.
#pragma once

#include <QImage>
#include <QPagedPaintDevice>
#include <QString>
#include <vector>

#include "qtcanvas/page_export.h"
#include "views/balance_template.h"

namespace kalvesta {

// The resolution the sheets are drawn at: fine enough for 0.1 mm, a sheet of A4
// in 35 MB.
inline constexpr int kTemplateDpi = 300;

// Sheet `index` of a laid-out template on a white picture of the paper at `dpi`.
QImage RenderTemplateSheet(const BalanceTemplateLayout& layout, size_t index,
                           const BalanceTemplateTexts& texts, int dpi = kTemplateDpi);

// Every sheet on `device`, whose coordinates must start at the paper's corner
// (a QPrinter with setFullPage(true), a QPdfWriter without margins), each sheet
// stretched over the paper's full size, so that 1 mm drawn is 1 mm on paper.
// `texts` holds one entry per sheet. Returns why it failed, empty on success.
QString PaintTemplateSheets(QPagedPaintDevice& device, const BalanceTemplateLayout& layout,
                            const std::vector<BalanceTemplateTexts>& texts);

// The whole template as a PDF of the layout's paper, one page a sheet.
EncodedPage EncodeTemplatePdf(const BalanceTemplateLayout& layout,
                              const std::vector<BalanceTemplateTexts>& texts);

}  // namespace kalvesta
