// The refined-lattice check in the window: the study on its own thread, the
// progress dialog, and the answer, in the window's language.
#include "ui/refined_check_command.h"

#include <QAction>
#include <QEventLoop>
#include <QProgressDialog>
#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "analysis/refined_check.h"
#include "model/number_format.h"
#include "ui/message_boxes.h"
#include "ui/window_language.h"

namespace kalvesta {
namespace {

QString LatticeText(const Catalogue& texts, int lattice, int count) {
    return QText(texts, TextId::kRefinedSolving,
                 {{"lattice", std::to_string(lattice)}, {"count", std::to_string(count)}});
}

// Shows the lattice being solved; once cancelled, stops the study before the next.
class DialogProgress final : public RefinedCheckProgress {
public:
    DialogProgress(QProgressDialog& dialog, const Catalogue& texts)
        : dialog_(dialog), texts_(texts) {}

    bool Continue(int lattice, int count) override {
        if (cancelled_) {
            return false;
        }
        // Called on the study's thread: the dialog is changed on the window's.
        QMetaObject::invokeMethod(
            &dialog_,
            [&dialog = dialog_, texts = texts_, lattice, count] {
                dialog.setValue(lattice - 1);
                dialog.setLabelText(LatticeText(texts, lattice, count));
            },
            Qt::QueuedConnection);
        return true;
    }
    void Cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_; }

private:
    QProgressDialog& dialog_;
    Catalogue texts_;
    std::atomic<bool> cancelled_{false};
};

// Why the lattices are not taken as converged.
std::string NotConvergedReason(const RefinedCheck& check, const Catalogue& texts) {
    switch (check.x_np.verdict) {
        case ConvergenceVerdict::kSurfacesTooClose:
            return texts.Text(TextId::kRefinedSurfacesTooClose,
                              {{"wing_a", std::to_string(check.close_wing_a)},
                               {"wing_b", std::to_string(check.close_wing_b)},
                               {"gap", FormatFixed(check.close_gap_mm, 1)}});
        case ConvergenceVerdict::kOrderOutOfRange:
            return texts.Text(TextId::kRefinedOrderOutOfRange);
        default:
            return texts.Text(TextId::kRefinedStepsDoNotShrink);
    }
}

// The answer: the converged neutral point with its uncertainty (and with the
// moment of `fuselage` when the study is of the aircraft carried through it), or
// the spread of the lattices; the calculation's; the difference; the verdict; per
// wing the finest lattice's figures. Every x from x = 0 of the top view.
std::string Answer(const RefinedCheck& check, const Results& documented, int wings,
                   const FuselageMoment* fuselage, const Catalogue& texts) {
    const ConvergenceEstimate& x_np = check.x_np;
    std::string answer;
    if (fuselage) {
        answer = texts.Text(TextId::kRefinedCarriedThrough);
    }
    if (IsConverged(x_np.verdict)) {
        answer += texts.Text(TextId::kRefinedConverged,
                             {{"x_np", FormatFixed(x_np.value, 3)},
                              {"uncertainty", FormatFixed(x_np.uncertainty, 3)}});
        if (fuselage) {
            answer += texts.Text(TextId::kRefinedWithFuselage,
                                 {{"x_np", FormatFixed(x_np.value + fuselage->x_np_shift_mm, 3)},
                                  {"shift", FormatFixed(fuselage->x_np_shift_mm, 3)}});
        }
    } else {
        const auto [smallest, largest] =
            std::minmax({check.lattices[0].x_np, check.lattices[1].x_np, check.lattices[2].x_np});
        answer += texts.Text(TextId::kRefinedNotConverged,
                             {{"smallest", FormatFixed(smallest, 2)},
                              {"largest", FormatFixed(largest, 2)},
                              {"spread", FormatFixed(largest - smallest, 2)},
                              {"reason", NotConvergedReason(check, texts)}});
    }
    answer += texts.Text(TextId::kRefinedDifference,
                         {{"x_np", FormatFixed(documented.x_np, 2)},
                          {"change", FormatFixed(check.x_np_change_mm, 2)},
                          {"percent", FormatFixed(check.x_np_change_percent, 2)},
                          {"length", FormatFixed(documented.ref_length, 2)}});
    if (check.verdict != RefinedVerdict::kNotConverged) {
        answer += texts.Text(VerdictText(check.verdict)) + "\n";
    }
    const StudyLattice& finest = check.lattices.back();
    answer += texts.Text(TextId::kRefinedFinest, {{"panels", std::to_string(finest.panel_count)}});
    for (int wing = 1; wing <= wings; ++wing) {
        const auto w = static_cast<size_t>(wing);
        answer += texts.Text(TextId::kRefinedFinestWing,
                             {{"wing", std::to_string(wing)},
                              {"lift_slope", FormatFixed(finest.wing_lift_slope[w], 4)},
                              {"x_ac", FormatFixed(finest.wing_x_ac[w], 2)}});
    }
    return answer;
}

// Why the check could not run: the lattice that would not fit, or the failure.
std::string Refusal(const RefinedCheck& check, const Catalogue& texts) {
    std::string reason;
    if (check.outcome == RefinedOutcome::kFailed) {
        reason = texts.Lines(check.failure);
    } else if (check.refusal.wing != 0) {
        reason = texts.Text(TextId::kRefinedTooManyStrips,
                            {{"strips", std::to_string(check.refusal.strips)},
                             {"wing", std::to_string(check.refusal.wing)},
                             {"limit", std::to_string(kMaxSpanCount)}});
    } else {
        reason = texts.Text(TextId::kRefinedTooManyPanels,
                            {{"panels", std::to_string(check.refusal.panels)},
                             {"limit", std::to_string(kPanelCapacity)}});
    }
    return texts.Text(TextId::kRefinedCannotRun, {{"reason", reason}});
}

}  // namespace

RefinedCheckCommand::RefinedCheckCommand(QWidget* window, QAction* item, const Workbench& bench,
                                         const WindowLanguage& language)
    : QObject(window), window_(window), item_(item), bench_(bench), language_(language) {
    connect(item_, &QAction::triggered, this, &RefinedCheckCommand::OnRefinedCheck);
}

void RefinedCheckCommand::OnRefinedCheck() {
    const Catalogue texts = language_.texts();
    if (!HasResultsOrSays(window_, bench_.aircraft(), texts)) {
        return;
    }
    // The study reads copies and writes its own analysis data, so that nothing the
    // window does meanwhile reaches it, and the calculation's lattice stays shown.
    // With a fuselage, of the aircraft carried through it.
    const AddedFigures& added = bench_.added();
    const bool through_fuselage = added.fuselage.has_value();
    const Aircraft calculated =
        through_fuselage ? added.carried_through->aircraft : bench_.aircraft();
    const Results documented =
        through_fuselage ? added.carried_through->results : bench_.analysis().results;
    const FuselageMoment* fuselage = through_fuselage ? &*added.fuselage : nullptr;
    const auto scratch = std::make_unique<AnalysisData>();

    QProgressDialog dialog(window_);
    dialog.setObjectName("RefinedCheckProgress");
    dialog.setWindowTitle(kMessageTitle);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setCancelButtonText(QText(texts, TextId::kMessageCancel));
    dialog.setRange(0, kStudyLatticeCount);
    dialog.setValue(0);
    dialog.setLabelText(LatticeText(texts, 1, kStudyLatticeCount));
    DialogProgress progress(dialog, texts);

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
        Tell(window_, QMessageBox::Warning, QString::fromStdString(Refusal(check, texts)), texts);
        return;
    }
    Tell(window_, QMessageBox::Information,
         QString::fromStdString(
             Answer(check, documented, calculated.calc_wing_count, fuselage, texts)),
         texts);
}

}  // namespace kalvesta
