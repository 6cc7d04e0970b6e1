// The parts list of the design through its window, its file and the top view.
#include "ui/balance_commands.h"

#include <QAction>

#include "analysis/balance.h"
#include "ui/aircraft_tab_page.h"
#include "ui/main_menus.h"
#include "ui/message_text.h"

namespace kalvesta {

BalanceCommands::BalanceCommands(QWidget* window, const MainMenus& menus, const Aircraft& aircraft,
                                 const AnalysisData& analysis, AircraftTabPage& aircraft_tab,
                                 FileCommands& files)
    : QObject(window),
      window_(window),
      aircraft_(aircraft),
      analysis_(analysis),
      aircraft_tab_(aircraft_tab),
      files_(files) {
    connect(menus.balance_item, &QAction::triggered, this, &BalanceCommands::OnShowWindow);
    connect(&files, &FileCommands::DesignOpened, this, &BalanceCommands::OnDesignOpened);
    connect(&files, &FileCommands::DesignSaved, this, &BalanceCommands::OnDesignSaved);
    connect(&aircraft_tab, &AircraftTabPage::ResultsShown, this, &BalanceCommands::Refresh);
    aircraft_tab.SetMarksSource([this](bool manual_margin) { return Marks(manual_margin); });
    // Parts typed and not yet saved with the design are asked for like the design.
    files.AlsoChangedWhen([this] { return PartsChanged(); });
    files.SavePartsFrom([this] { return PartsForSave(); });
}

void BalanceCommands::OnShowWindow() {
    if (balance_window_ == nullptr) {
        balance_window_ = new BalanceWindow(window_);
        balance_window_->ApplyLanguage(aircraft_.english_captions);
        balance_window_->SetParts(opened_.parts);
        connect(balance_window_, &BalanceWindow::Edited, this, &BalanceCommands::OnEdited);
        Refresh();
    }
    balance_window_->show();
    balance_window_->raise();
    balance_window_->activateWindow();
}

void BalanceCommands::ApplyLanguage(bool english) {
    if (balance_window_ != nullptr) {
        balance_window_->ApplyLanguage(english);
        Refresh();
    }
}

bool BalanceCommands::PartsChanged() const {
    const TableReading& reading = Reading();
    return reading.problem.has_value() || reading.parts != kept_parts_;
}

const TableReading& BalanceCommands::Reading() const {
    return balance_window_ != nullptr ? balance_window_->reading() : opened_;
}

void BalanceCommands::OnEdited() {
    files_.ShowDesignState();
    // Redraws the results with the new marks, which refreshes the figures too; without
    // results only the figures change.
    if (aircraft_.results_valid) {
        aircraft_tab_.ShowStability();
    } else {
        Refresh();
    }
}

void BalanceCommands::Refresh() {
    if (balance_window_ == nullptr) {
        return;
    }
    const TableReading& reading = balance_window_->reading();
    const Results* results = aircraft_.results_valid ? &analysis_.results : nullptr;
    balance_window_->ShowBalance(
        ComputeBalance(reading.parts, results,
                       balance_window_->Question(aircraft_tab_.ManualMargin())),
        reading.problem);
}

std::vector<CentreOfGravityMark> BalanceCommands::Marks(bool manual_margin) const {
    const TableReading& reading = Reading();
    if (!aircraft_.results_valid || reading.problem) {
        return {};
    }
    const BalanceQuestion question = balance_window_ != nullptr
                                         ? balance_window_->Question(manual_margin)
                                         : BalanceQuestion{manual_margin, {}, {}, {}};
    const Balance balance = ComputeBalance(reading.parts, &analysis_.results, question);
    if (balance.status != BalanceStatus::kComplete) {
        return {};
    }
    using Kind = CentreOfGravityMark::Kind;
    return {{Kind::kParts, balance.x_cg_mm, balance.static_margin_percent},
            {Kind::kTarget, balance.target_x_cg_mm, balance.target_margin_percent}};
}

void BalanceCommands::OnDesignOpened(const std::string& /*path*/, const std::vector<Part>& parts) {
    opened_.parts = parts;
    kept_parts_ = parts;
    if (balance_window_ != nullptr) {
        balance_window_->SetParts(parts);
    }
}

void BalanceCommands::OnDesignSaved() {
    kept_parts_ = Reading().parts;
}

PartsToSave BalanceCommands::PartsForSave() const {
    const TableReading& reading = Reading();
    if (!reading.problem) {
        return {reading.parts, {}};
    }
    return {{},
            InLanguage(aircraft_.english_captions,
                       "Nothing was saved: a design is saved with its parts, and the parts "
                       "list must be put right first. %1",
                       "Ничего не сохранено: проект сохраняется вместе с деталями, а список "
                       "деталей сначала нужно исправить. %1")
                .arg(DescribeRowProblem(*reading.problem, aircraft_.english_captions))};
}

}  // namespace kalvesta
