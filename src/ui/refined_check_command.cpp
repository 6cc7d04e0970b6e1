// The refined-lattice check in the window: the study on its own thread, the
// progress dialog, and the answer, in English or Russian as the captions are.
#include "ui/refined_check_command.h"

#include <QAction>
#include <QEventLoop>
#include <QProgressDialog>
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "analysis/refined_check.h"
#include "ui/message_boxes.h"
#include "ui/message_text.h"

namespace kalvesta {
namespace {

QString LatticeText(bool english, int lattice, int count) {
    return InLanguage(english, "Refined-lattice check: solving lattice %1 of %2…",
                      "Проверка на более мелкой сетке: решается сетка %1 из %2…")
        .arg(lattice)
        .arg(count);
}

// Shows the lattice being solved; once cancelled, stops the study before the next.
class DialogProgress final : public RefinedCheckProgress {
public:
    DialogProgress(QProgressDialog& dialog, bool english) : dialog_(dialog), english_(english) {}

    bool Continue(int lattice, int count) override {
        if (cancelled_) {
            return false;
        }
        // Called on the study's thread: the dialog is changed on the window's.
        QMetaObject::invokeMethod(
            &dialog_,
            [&dialog = dialog_, english = english_, lattice, count] {
                dialog.setValue(lattice - 1);
                dialog.setLabelText(LatticeText(english, lattice, count));
            },
            Qt::QueuedConnection);
        return true;
    }
    void Cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_; }

private:
    QProgressDialog& dialog_;
    bool english_;
    std::atomic<bool> cancelled_{false};
};

// Why the lattices are not taken as converged.
QString NotConvergedReason(const RefinedCheck& check, bool english) {
    switch (check.x_np.verdict) {
        case ConvergenceVerdict::kSurfacesTooClose:
            return InLanguage(english,
                              "Wing-%1 and Wing-%2 lie %3 mm apart in height, too close for the "
                              "lattices' panels to resolve.",
                              "Крыло -%1 и крыло -%2 разнесены по высоте на %3 мм, меньше, чем "
                              "различают панели сеток.")
                .arg(check.close_wing_a)
                .arg(check.close_wing_b)
                .arg(Fixed(check.close_gap_mm, 1));
        case ConvergenceVerdict::kOrderOutOfRange:
            return InLanguage(english, "The changes from lattice to lattice shrink too unevenly.",
                              "Изменения от сетки к сетке убывают слишком неравномерно.");
        default:
            return InLanguage(english, "The changes from lattice to lattice do not shrink.",
                              "Изменения от сетки к сетке не убывают.");
    }
}

QString VerdictText(RefinedVerdict verdict, bool english) {
    switch (verdict) {
        case RefinedVerdict::kNegligible:
            return InLanguage(english, "The difference is negligible.",
                              "Разница пренебрежимо мала.");
        case RefinedVerdict::kWorthKnowing:
            return InLanguage(english, "The difference is worth knowing.",
                              "Разницу стоит принять во внимание.");
        case RefinedVerdict::kLarge:
            return InLanguage(english, "The difference is large: trust the refined value.",
                              "Разница велика: доверяйте уточнённому значению.");
        case RefinedVerdict::kNotConverged:
            break;
    }
    return {};
}

// The answer: the converged neutral point with its uncertainty, or the spread of
// the lattices; the calculation's; the difference; the verdict; per wing the
// finest lattice's figures. Every x from x = 0 of the top view.
QString Answer(const RefinedCheck& check, const Results& documented, int wings, bool english) {
    const ConvergenceEstimate& x_np = check.x_np;
    QString answer;
    if (IsConverged(x_np.verdict)) {
        answer =
            InLanguage(english, "Neutral point on a fine lattice: x_np = %1 ± %2 mm (converged)\n",
                       "Нейтральная точка на мелкой сетке: x_NP = %1 ± %2 мм (сошлось)\n")
                .arg(Fixed(x_np.value, 3), Fixed(x_np.uncertainty, 3));
    } else {
        const auto [smallest, largest] =
            std::minmax({check.lattices[0].x_np, check.lattices[1].x_np, check.lattices[2].x_np});
        answer = InLanguage(english,
                            "Not converged: the three lattices give x_np from %1 to %2 mm (spread "
                            "%3 mm).\n%4\n",
                            "Не сошлось: три сетки дают x_NP от %1 до %2 мм (разброс %3 мм).\n%4\n")
                     .arg(Fixed(smallest, 2), Fixed(largest, 2), Fixed(largest - smallest, 2),
                          NotConvergedReason(check, english));
    }
    answer += InLanguage(english,
                         "Calculation: x_np = %1 mm\n"
                         "Difference: %2 mm, %3 % of the reference length %4 mm\n",
                         "Расчёт: x_NP = %1 мм\n"
                         "Разница: %2 мм, %3 % длины хорды %4 мм\n")
                  .arg(Fixed(documented.x_np, 2), Fixed(check.x_np_change_mm, 2),
                       Fixed(check.x_np_change_percent, 2), Fixed(documented.ref_length, 2));
    if (check.verdict != RefinedVerdict::kNotConverged) {
        answer += VerdictText(check.verdict, english) + "\n";
    }
    const StudyLattice& finest = check.lattices.back();
    answer += InLanguage(english, "Finest lattice, %1 panels:", "Самая мелкая сетка, %1 панелей:")
                  .arg(finest.panel_count);
    for (int wing = 1; wing <= wings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        answer +=
            InLanguage(english, "\nWing-%1: lift slope %2 per rad, x_ac %3 mm from x = 0",
                       "\nКрыло -%1: производная подъёмной силы %2 на рад, x_ac %3 мм от x = 0")
                .arg(wing)
                .arg(Fixed(finest.wing_lift_slope[w], 4), Fixed(finest.wing_x_ac[w], 2));
    }
    return answer;
}

// Why the check could not run: the lattice that would not fit, or the failure.
QString Refusal(const RefinedCheck& check, bool english) {
    const QString heading = InLanguage(english, "The refined-lattice check cannot run: ",
                                       "Проверка на более мелкой сетке невозможна: ");
    if (check.outcome == RefinedOutcome::kFailed) {
        return heading + QString::fromStdString(check.failure);
    }
    if (check.refusal.wing != 0) {
        return heading +
               InLanguage(english,
                          "the finest lattice would need %1 strips on the half of Wing-%2, "
                          "more than %3.",
                          "самой мелкой сетке понадобилось бы %1 полос на половине "
                          "крыла -%2, больше %3.")
                   .arg(check.refusal.strips)
                   .arg(check.refusal.wing)
                   .arg(kMaxSpanCount);
    }
    return heading + InLanguage(english, "the finest lattice would need %1 panels, more than %2.",
                                "самой мелкой сетке понадобилось бы %1 панелей, больше %2.")
                         .arg(check.refusal.panels)
                         .arg(kPanelCapacity);
}

}  // namespace

RefinedCheckCommand::RefinedCheckCommand(QWidget* window, QAction* item, const Aircraft& aircraft,
                                         const AnalysisData& analysis)
    : QObject(window), window_(window), item_(item), aircraft_(aircraft), analysis_(analysis) {
    connect(item_, &QAction::triggered, this, &RefinedCheckCommand::OnRefinedCheck);
}

void RefinedCheckCommand::OnRefinedCheck() {
    if (!HasResultsOrSays(window_, aircraft_)) {
        return;
    }
    const bool english = aircraft_.english_captions;
    // The study reads copies and writes its own analysis data, so that nothing the
    // window does meanwhile reaches it, and the calculation's lattice stays shown.
    const Aircraft calculated = aircraft_;
    const Results documented = analysis_.results;
    const auto scratch = std::make_unique<AnalysisData>();

    QProgressDialog dialog(window_);
    dialog.setObjectName("RefinedCheckProgress");
    dialog.setWindowTitle(kMessageTitle);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setCancelButtonText(CancelCaption(english));
    dialog.setRange(0, kStudyLatticeCount);
    dialog.setValue(0);
    dialog.setLabelText(LatticeText(english, 1, kStudyLatticeCount));
    DialogProgress progress(dialog, english);

    // The window's own events run meanwhile (it repaints, the dialog answers), and
    // the command waits for the study's end, also after Cancel: the study stops
    // before its next lattice.
    item_->setEnabled(false);
    QEventLoop waiting;
    std::atomic<bool> finished{false};
    RefinedCheck check;
    std::thread study([&] {
        check = RunRefinedCheck(calculated, documented, *scratch, progress);
        finished = true;
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    connect(&dialog, &QProgressDialog::canceled, &waiting, [&] {
        progress.Cancel();
        dialog.hide();
    });
    dialog.show();
    while (!finished) {
        waiting.exec();
    }
    study.join();
    dialog.hide();
    item_->setEnabled(true);

    if (progress.cancelled() || check.outcome == RefinedOutcome::kCancelled) {
        return;
    }
    if (check.outcome != RefinedOutcome::kCompleted) {
        Tell(window_, QMessageBox::Warning, Refusal(check, english), english);
        return;
    }
    Tell(window_, QMessageBox::Information,
         Answer(check, documented, aircraft_.calc_wing_count, english), english);
}

}  // namespace kalvesta
