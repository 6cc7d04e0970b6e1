// Commands beyond the documented menus, on the results of the last calculation:
// the static margin of a measured centre of gravity (marked on the top view), the
// aircraft written as an AVL input file, and the refined-lattice check. Captions
// follow the window's language (English or Russian), messages English or German.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>

#include "analysis/refined_check.h"
#include "analysis/stability.h"
#include "files/avl_export.h"
#include "model/number_format.h"
#include "model/text_to_double.h"
#include "ui/file_dialogs.h"
#include "ui/image_control.h"
#include "ui/tform1.h"
#include "views/stability_view.h"

namespace kalvesta {
namespace {

// English or German, as the analysis messages are; "%1".. are filled in by arg().
QString Message(bool english, const char* in_english, const char* in_german) {
    return QString::fromUtf8(english ? in_english : in_german);
}

QString Fixed(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

// The file name proposed for the export: the aircraft file's, ending in ".avl".
QString ProposedAvlName(const std::string& da4_name) {
    QString name = QString::fromStdString(da4_name);
    if (name.endsWith(QStringLiteral(".da4"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return name + QStringLiteral(".avl");
}

}  // namespace

void TForm1::BuildExtraCommands() {
    auto command = [this](QMenu* menu, const char* name, const char* caption,
                          void (TForm1::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    // After every documented item, so that none of them moves.
    EEdit1->addSeparator();
    command(EEdit1, "StaticMargin1", "Static margin at a centre of gravity…",
            &TForm1::StaticMarginClick);
    command(EEdit1, "RefinedCheck1", "Refined-lattice check", &TForm1::RefinedCheckClick);
    Open1->addSeparator();
    command(Open1, "ExportAvl1", "Export AVL…", &TForm1::ExportAvlClick);
}

bool TForm1::HasResultsOrSays() {
    if (aircraft_.results_valid) {
        return true;
    }
    QMessageBox::information(
        this, QStringLiteral("Kalvesta4"),
        Message(aircraft_.english_captions, "Please calculate first.", "Bitte zuerst berechnen."));
    return false;
}

void TForm1::StaticMarginClick() {
    if (!HasResultsOrSays()) {
        return;
    }
    const bool english = aircraft_.english_captions;
    const Results& results = analysis_->results;
    bool accepted = false;
    const QString text =
        QInputDialog::getText(this, QStringLiteral("Kalvesta4"),
                              Message(english, "Centre of gravity x (mm):", "Schwerpunkt x (mm):"),
                              QLineEdit::Normal, Fixed(results.x_cg_manual, 1), &accepted);
    if (!accepted) {
        return;
    }
    const std::optional<double> x_cg = TextToMeasuredPosition(text.toStdString());
    if (!x_cg) {
        QMessageBox::warning(
            this, QStringLiteral("Kalvesta4"),
            Message(english, "\"%1\" is no position in mm.", "\"%1\" ist keine Position in mm.")
                .arg(text));
        return;
    }
    STABIL();
    DrawMeasuredCentreOfGravity(Image2->canvas(), *x_cg, view_mapping_);
    Image2->Refresh();

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
    QMessageBox::information(this, QStringLiteral("Kalvesta4"), shown);
}

void TForm1::ExportAvlClick() {
    if (!HasResultsOrSays()) {
        return;
    }
    // No overwrite question: the file is replaced only once the new one is complete.
    const QString name = QFileDialog::getSaveFileName(
        this, QString(), ProposedAvlName(aircraft_.current_file_name),
        QStringLiteral("*.avl (*.avl)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) {
        return;
    }
    const FileResult written = WriteAvlFile(name.toStdString(), aircraft_, analysis_->lattice,
                                            analysis_->results, aircraft_.current_file_name);
    if (!written.ok()) {
        file_dialogs_->ShowFileError(
            this, QString::fromStdString(FileMessage(written, aircraft_.english_captions)));
    }
}

void TForm1::RefinedCheckClick() {
    if (!HasResultsOrSays()) {
        return;
    }
    const bool english = aircraft_.english_captions;
    const Results& documented = analysis_->results;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Its own analysis data: the window keeps showing the calculation's lattice.
    const auto scratch = std::make_unique<AnalysisData>();
    const RefinedCheck check = RunRefinedCheck(aircraft_, documented, *scratch);
    QApplication::restoreOverrideCursor();

    const RefinedLattice& refined = check.refined;
    if (!refined.ok) {
        QMessageBox::warning(this, QStringLiteral("Kalvesta4"),
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
                             QString::number(analysis_->lattice.panel_count),
                             Fixed(refined.x_np, 2), Fixed(documented.x_np, 2),
                             Fixed(check.x_np_change_mm, 3), Fixed(check.x_np_change_percent, 3));
    for (int wing = 1; wing <= aircraft_.calc_wing_count; ++wing) {
        const auto w = static_cast<size_t>(wing);
        shown += Message(english, "\nWing-%1: lift slope %2 (%3) per rad, x_ac %4 (%5) mm",
                         "\nFlügel-%1: Auftriebsanstieg %2 (%3) pro rad, x_ac %4 (%5) mm")
                     .arg(QString::number(wing), Fixed(refined.wing_lift_slope[w], 4),
                          Fixed(documented.wing_lift_slope[w], 4), Fixed(refined.wing_x_ac[w], 2),
                          Fixed(documented.wing_x_ac[w], 2));
    }
    QMessageBox::information(this, QStringLiteral("Kalvesta4"), shown);
}

}  // namespace kalvesta
