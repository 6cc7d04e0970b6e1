// The static margin at a typed centre of gravity.
#include "ui/result_commands.h"

#include <QAction>
#include <QInputDialog>
#include <QMessageBox>

#include "analysis/stability.h"
#include "model/text_to_double.h"
#include "ui/aircraft_tab_page.h"
#include "ui/main_menus.h"
#include "ui/message_text.h"

namespace kalvesta {

bool HasResultsOrSays(QWidget* parent, const Aircraft& aircraft) {
    if (aircraft.results_valid) {
        return true;
    }
    QMessageBox::information(parent, QStringLiteral("Kalvesta4"),
                             InLanguage(aircraft.english_captions, "Please calculate first.",
                                        "Bitte zuerst berechnen."));
    return false;
}

ResultCommands::ResultCommands(QWidget* window, const MainMenus& menus, const Aircraft& aircraft,
                               const AnalysisData& analysis, AircraftTabPage& aircraft_tab)
    : QObject(window),
      window_(window),
      aircraft_(aircraft),
      analysis_(analysis),
      aircraft_tab_(aircraft_tab) {
    connect(menus.static_margin_item, &QAction::triggered, this, &ResultCommands::OnStaticMargin);
}

void ResultCommands::OnStaticMargin() {
    if (!HasResultsOrSays(window_, aircraft_)) {
        return;
    }
    const bool english = aircraft_.english_captions;
    const Results& results = analysis_.results;
    bool accepted = false;
    const QString text = QInputDialog::getText(
        window_, QStringLiteral("Kalvesta4"),
        InLanguage(english, "Centre of gravity x (mm):", "Schwerpunkt x (mm):"), QLineEdit::Normal,
        Fixed(results.x_cg_manual, 1), &accepted);
    if (!accepted) {
        return;
    }
    const std::optional<double> x_cg = TextToMeasuredPosition(text.toStdString());
    if (!x_cg) {
        QMessageBox::warning(
            window_, QStringLiteral("Kalvesta4"),
            InLanguage(english, "\"%1\" is no position in mm.", "\"%1\" ist keine Position in mm.")
                .arg(text));
        return;
    }
    aircraft_tab_.ShowStabilityWithCentreOfGravity(*x_cg);

    const double margin = StaticMarginPercent(results, *x_cg);
    QString shown = InLanguage(english,
                               "Static margin at x = %1 mm: %2 % of the reference length %3 mm\n"
                               "(neutral point x_np = %4 mm).",
                               "Stabilitätsmaß bei x = %1 mm: %2 % der Bezugslänge %3 mm\n"
                               "(Neutralpunkt x_np = %4 mm).")
                        .arg(Fixed(*x_cg, 1), Fixed(margin, 2), Fixed(results.ref_length, 2),
                             Fixed(results.x_np, 2));
    if (margin < 0.0) {
        shown +=
            InLanguage(english, "\nThe centre of gravity lies behind the neutral point: unstable.",
                       "\nDer Schwerpunkt liegt hinter dem Neutralpunkt: instabil.");
    }
    QMessageBox::information(window_, QStringLiteral("Kalvesta4"), shown);
}

}  // namespace kalvesta
