// Printing the balance template from the window.
#include "ui/template_command.h"

#include <QAction>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include "analysis/balance_answer.h"
#include "qtcanvas/template_export.h"
#include "ui/message_boxes.h"
#include "ui/unit_choice.h"
#include "ui/window_language.h"
#include "words/template_words.h"

namespace kalvesta {

TemplateCommand::TemplateCommand(QWidget* window, QAction* item, const Workbench& bench,
                                 const WindowLanguage& language, const UnitChoice& units)
    : QObject(window), window_(window), bench_(bench), language_(language), units_(units) {
    connect(item, &QAction::triggered, this, &TemplateCommand::OnPrint);
}

void TemplateCommand::OnPrint() {
    if (!HasResultsOrSays(window_, bench_.aircraft(), language_.texts())) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const QString failed = PrintOn(printer); !failed.isEmpty()) {
        Tell(window_, QMessageBox::Warning, failed, language_.texts());
    }
}

QString TemplateCommand::PrintOn(QPrinter& printer) const {
    const Catalogue& texts = language_.texts();
    const Aircraft& aircraft = bench_.aircraft();
    const bool letter = printer.pageLayout().pageSize().id() == QPageSize::Letter;
    const bool manual_margin = bench_.design().margin().manual;
    // With a fuselage described, the range is that of its neutral point.
    const Results& results = bench_.recommendation();
    const DisplayUnits units{units_.length(), units_.mass()};
    const std::string design_name =
        QFileInfo(QString::fromStdString(aircraft.current_file_name)).fileName().toStdString();
    // The parts of the balance window with the balance it shows.
    std::vector<std::string> parts = TemplatePartsLines(
        texts, units, bench_.design().parts().reading().parts, design_name, bench_.balance());
    const BalanceTemplateRequest request =
        TemplateRequestFor(results, manual_margin, std::nullopt, units_.length(),
                           letter ? kLetterPaper : kA4Paper, parts.size());
    const BalanceTemplateLayout layout = LayOutBalanceTemplate(aircraft, request);
    if (const std::string refused = TemplateRefusalReason(texts, layout); !refused.empty()) {
        return QText(texts, TextId::kTemplateRefused, {{"reason", refused}});
    }
    BalanceTemplateTexts shared = TemplateTexts(
        texts, units, PlainBalanceAnswer(aircraft, results, manual_margin), request, design_name);
    shared.parts = std::move(parts);
    std::vector<BalanceTemplateTexts> sheets(layout.sheets.size(), shared);
    for (size_t i = 0; i < sheets.size(); ++i) {
        NameTemplateSheet(texts, i, sheets.size(), sheets[i]);
    }
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return PaintTemplateSheets(printer, layout, sheets);
}

}  // namespace kalvesta
