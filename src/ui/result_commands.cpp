// The static margin at a typed centre of gravity.
#include "ui/result_commands.h"

#include <QAction>

#include "analysis/stability.h"
#include "ui/length_dialog.h"
#include "ui/main_menus.h"
#include "ui/message_boxes.h"
#include "ui/message_text.h"

namespace kalvesta {
namespace {

// Above this static margin, in percent, a model flies but hardly answers the elevator.
constexpr double kQuestionableMarginPercent = 40.0;

}  // namespace

ResultCommands::ResultCommands(QWidget* window, const MainMenus& menus, Workbench& bench)
    : QObject(window), window_(window), bench_(bench) {
    connect(menus.static_margin_item, &QAction::triggered, this, &ResultCommands::OnStaticMargin);
}

void ResultCommands::OnStaticMargin() {
    if (!HasResultsOrSays(window_, bench_.aircraft())) {
        return;
    }
    const bool english = bench_.aircraft().english_captions;
    const Results& results = bench_.analysis().results;
    const std::optional<double> x_cg = LengthDialog::Ask(
        window_, InLanguage(english, "Centre of gravity x (mm):", "Центр тяжести x (мм):"),
        Fixed(results.x_cg_manual, 1), english);
    if (!x_cg) {
        return;
    }
    bench_.MeasureCentreOfGravity(*x_cg);

    const double margin = StaticMarginPercent(results, *x_cg);
    QString shown = InLanguage(english,
                               "Static margin at x = %1 mm: %2 % of the reference length %3 mm\n"
                               "(neutral point x_np = %4 mm).",
                               "Запас устойчивости при x = %1 мм: %2 % от базовой длины %3 мм\n"
                               "(нейтральная точка x_np = %4 мм).")
                        .arg(Fixed(*x_cg, 1), Fixed(margin, 2), Fixed(results.ref_length, 2),
                             Fixed(results.x_np, 2));
    // A margin a builder should question: none at all, or more than any model needs.
    if (margin < 0.0) {
        shown +=
            InLanguage(english, "\nThe centre of gravity lies behind the neutral point: unstable.",
                       "\nЦентр тяжести лежит позади нейтральной точки: модель неустойчива.");
    } else if (margin > kQuestionableMarginPercent) {
        shown += InLanguage(english,
                            "\nMore than 40 %: the model is very nose-heavy and hard to pull up.",
                            "\nБольше 40 %: модель сильно перетяжелена на нос и плохо слушается "
                            "руля высоты.");
    }
    Tell(window_, QMessageBox::Information, shown, english);
}

}  // namespace kalvesta
