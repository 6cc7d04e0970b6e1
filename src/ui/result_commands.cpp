// The static margin at a typed centre of gravity and the refined-lattice check.
#include "ui/result_commands.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "analysis/refined_check.h"
#include "analysis/stability.h"
#include "model/number_format.h"
#include "model/text_to_double.h"
#include "ui/aircraft_tab_page.h"
#include "ui/main_menus.h"

namespace kalvesta {
namespace {

// English or German, as the analysis messages are; "%1".. are filled in by arg().
QString Message(bool english, const char* in_english, const char* in_german) {
    return QString::fromUtf8(english ? in_english : in_german);
}

QString Fixed(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

}  // namespace

bool HasResultsOrSays(QWidget* parent, const Aircraft& aircraft) {
    if (aircraft.results_valid) {
        return true;
    }
    QMessageBox::information(
        parent, QStringLiteral("Kalvesta4"),
        Message(aircraft.english_captions, "Please calculate first.", "Bitte zuerst berechnen."));
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
    connect(menus.refined_check_item, &QAction::triggered, this, &ResultCommands::OnRefinedCheck);
}

void ResultCommands::OnStaticMargin() {
    if (!HasResultsOrSays(window_, aircraft_)) {
        return;
    }
    const bool english = aircraft_.english_captions;
    const Results& results = analysis_.results;
    bool accepted = false;
    const QString text =
        QInputDialog::getText(window_, QStringLiteral("Kalvesta4"),
                              Message(english, "Centre of gravity x (mm):", "Schwerpunkt x (mm):"),
                              QLineEdit::Normal, Fixed(results.x_cg_manual, 1), &accepted);
    if (!accepted) {
        return;
    }
    const std::optional<double> x_cg = TextToMeasuredPosition(text.toStdString());
    if (!x_cg) {
        QMessageBox::warning(
            window_, QStringLiteral("Kalvesta4"),
            Message(english, "\"%1\" is no position in mm.", "\"%1\" ist keine Position in mm.")
                .arg(text));
        return;
    }
    aircraft_tab_.ShowStabilityWithCentreOfGravity(*x_cg);

    const double margin = StaticMarginPercent(results, *x_cg);
    QString shown = Message(english,
                            "Static margin at x = %1 mm: %2 % of the reference length %3 mm\n"
                            "(neutral point x_np = %4 mm).",
                            "Stabilitätsmaß bei x = %1 mm: %2 % der Bezugslänge %3 mm\n"
                            "(Neutralpunkt x_np = %4 mm).")
                        .arg(Fixed(*x_cg, 1), Fixed(margin, 2), Fixed(results.ref_length, 2),
                             Fixed(results.x_np, 2));
    if (margin < 0.0) {
        shown +=
            Message(english, "\nThe centre of gravity lies behind the neutral point: unstable.",
                    "\nDer Schwerpunkt liegt hinter dem Neutralpunkt: instabil.");
    }
    QMessageBox::information(window_, QStringLiteral("Kalvesta4"), shown);
}

void ResultCommands::OnRefinedCheck() {
    if (!HasResultsOrSays(window_, aircraft_)) {
        return;
    }
    const bool english = aircraft_.english_captions;
    const Results& documented = analysis_.results;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Its own analysis data: the window keeps showing the calculation's lattice.
    const auto scratch = std::make_unique<AnalysisData>();
    const RefinedCheck check = RunRefinedCheck(aircraft_, documented, *scratch);
    QApplication::restoreOverrideCursor();

    const RefinedLattice& refined = check.refined;
    if (!refined.ok) {
        QMessageBox::warning(window_, QStringLiteral("Kalvesta4"),
                             Message(english, "The refined lattice could not be solved.",
                                     "Das feinere Gitter ließ sich nicht lösen."));
        return;
    }
    QString shown = Message(english,
                            "Refined lattice, cosine spacing: %1 panels (calculation: %2)\n"
                            "Neutral point x_np: %3 mm (calculation: %4 mm)\n"
                            "Change: %5 mm, %6 % of the reference length",
                            "Feineres Gitter, Kosinus-Teilung: %1 Panels (Rechnung: %2)\n"
                            "Neutralpunkt x_np: %3 mm (Rechnung: %4 mm)\n"
                            "Änderung: %5 mm, %6 % der Bezugslänge")
                        .arg(QString::number(refined.panel_count),
                             QString::number(analysis_.lattice.panel_count), Fixed(refined.x_np, 2),
                             Fixed(documented.x_np, 2), Fixed(check.x_np_change_mm, 3),
                             Fixed(check.x_np_change_percent, 3));
    for (int wing = 1; wing <= aircraft_.calc_wing_count; ++wing) {
        const auto w = static_cast<size_t>(wing);
        shown += Message(english, "\nWing-%1: lift slope %2 (%3) per rad, x_ac %4 (%5) mm",
                         "\nFlügel-%1: Auftriebsanstieg %2 (%3) pro rad, x_ac %4 (%5) mm")
                     .arg(QString::number(wing), Fixed(refined.wing_lift_slope[w], 4),
                          Fixed(documented.wing_lift_slope[w], 4), Fixed(refined.wing_x_ac[w], 2),
                          Fixed(documented.wing_x_ac[w], 2));
    }
    QMessageBox::information(window_, QStringLiteral("Kalvesta4"), shown);
}

}  // namespace kalvesta
