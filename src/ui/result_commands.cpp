// The static margin at a typed centre of gravity.
#include "ui/result_commands.h"

#include <QAction>

#include "analysis/stability.h"
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

ResultCommands::ResultCommands(QWidget* window, const MainMenus& menus, Workbench& bench,
                               const WindowLanguage& language)
    : QObject(window), window_(window), bench_(bench), language_(language) {
    connect(menus.static_margin_item, &QAction::triggered, this, &ResultCommands::OnStaticMargin);
}

void ResultCommands::OnStaticMargin() {
    const Catalogue& texts = language_.texts();
    if (!HasResultsOrSays(window_, bench_.aircraft(), texts)) {
        return;
    }
    const Results& results = bench_.analysis().results;
    const std::optional<double> x_cg = LengthDialog::Ask(
        window_, QText(texts, TextId::kMarginPrompt), Fixed(results.x_cg_manual, 1), texts);
    if (!x_cg) {
        return;
    }
    bench_.MeasureCentreOfGravity(*x_cg);

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
