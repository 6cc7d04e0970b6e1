// The static margin at a typed centre of gravity.
#include "ui/result_commands.h"

#include <QAction>

#include "analysis/stability.h"
#include "ui/aircraft_tab_page.h"
#include "ui/length_dialog.h"
#include "ui/main_menus.h"
#include "ui/message_boxes.h"
#include "ui/message_text.h"
#include "ui/window_language.h"

namespace kalvesta {
namespace {

// Above this static margin, in percent, a model flies but hardly answers the elevator.
constexpr double kQuestionableMarginPercent = 40.0;

}  // namespace

ResultCommands::ResultCommands(QWidget* window, const MainMenus& menus, const Aircraft& aircraft,
                               const AnalysisData& analysis, const WindowLanguage& language,
                               AircraftTabPage& aircraft_tab)
    : QObject(window),
      window_(window),
      aircraft_(aircraft),
      analysis_(analysis),
      language_(language),
      aircraft_tab_(aircraft_tab) {
    connect(menus.static_margin_item, &QAction::triggered, this, &ResultCommands::OnStaticMargin);
}

void ResultCommands::OnStaticMargin() {
    const Catalogue& texts = language_.texts();
    if (!HasResultsOrSays(window_, aircraft_, texts)) {
        return;
    }
    const Results& results = analysis_.results;
    const std::optional<double> x_cg = LengthDialog::Ask(
        window_, QText(texts, TextId::kMarginPrompt), Fixed(results.x_cg_manual, 1), texts);
    if (!x_cg) {
        return;
    }
    aircraft_tab_.ShowStabilityWithCentreOfGravity(*x_cg);

    const double margin = StaticMarginPercent(results, *x_cg);
    std::string shown =
        texts.Text(TextId::kMarginAnswer, {{"x", FormatFixed(*x_cg, 1)},
                                           {"margin", FormatFixed(margin, 2)},
                                           {"length", FormatFixed(results.ref_length, 2)},
                                           {"x_np", FormatFixed(results.x_np, 2)}});
    // A margin a builder should question: none at all, or more than any model needs.
    if (margin < 0.0) {
        shown += texts.Text(TextId::kMarginUnstable);
    } else if (margin > kQuestionableMarginPercent) {
        shown += texts.Text(TextId::kMarginNoseHeavy);
    }
    Tell(window_, QMessageBox::Information, QString::fromStdString(shown), texts);
}

}  // namespace kalvesta
