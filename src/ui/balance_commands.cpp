// The parts list of the design through its window, its file and the top view.
#include "ui/balance_commands.h"

#include <QAction>

#include "analysis/balance.h"
#include "files/parts_csv.h"
#include "ui/aircraft_tab_page.h"
#include "ui/file_commands.h"
#include "ui/file_dialogs.h"
#include "ui/main_menus.h"
#include "ui/window_language.h"

namespace kalvesta {

BalanceCommands::BalanceCommands(QWidget* window, const MainMenus& menus, const Aircraft& aircraft,
                                 const AnalysisData& analysis, const WindowLanguage& language,
                                 AircraftTabPage& aircraft_tab, FileCommands& files)
    : QObject(window),
      window_(window),
      aircraft_(aircraft),
      analysis_(analysis),
      language_(language),
      aircraft_tab_(aircraft_tab),
      files_(files) {
    connect(menus.balance_item, &QAction::triggered, this, &BalanceCommands::OnShowWindow);
    connect(&files, &FileCommands::DesignOpened, this, &BalanceCommands::OnDesignOpened);
    connect(&files, &FileCommands::DesignSaved, this, &BalanceCommands::OnDesignSaved);
    connect(&aircraft_tab, &AircraftTabPage::ResultsShown, this, &BalanceCommands::Refresh);
    connect(&language, &WindowLanguage::Changed, this, &BalanceCommands::ApplyLanguage);
    aircraft_tab.SetMarksSource([this](bool manual_margin) { return Marks(manual_margin); });
    // Parts typed and not yet saved beside the design are asked for like the design.
    files.AlsoChangedWhen([this] { return PartsChanged(); });
}

void BalanceCommands::OnShowWindow() {
    if (balance_window_ == nullptr) {
        balance_window_ = new BalanceWindow(window_);
        balance_window_->ApplyLanguage(language_.texts());
        balance_window_->SetParts(opened_.parts);
        connect(balance_window_, &BalanceWindow::Edited, this, &BalanceCommands::OnEdited);
        Refresh();
    }
    balance_window_->show();
    balance_window_->raise();
    balance_window_->activateWindow();
}

void BalanceCommands::ApplyLanguage() {
    if (balance_window_ != nullptr) {
        balance_window_->ApplyLanguage(language_.texts());
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

void BalanceCommands::OnDesignOpened(const std::string& path) {
    opened_.parts.clear();
    parts_path_.clear();
    if (std::optional<PartsReadResult> read = ReadPartsBeside(path)) {
        if (read->result.ok()) {
            opened_.parts = std::move(read->parts);
            parts_path_ = PartsFileNameFor(path);
        } else {
            files_.dialogs().ShowFileError(
                window_, QString::fromStdString(FileMessage(read->result, language_.texts())),
                language_.texts());
        }
    }
    kept_parts_ = opened_.parts;
    if (balance_window_ != nullptr) {
        balance_window_->SetParts(opened_.parts);
    }
}

void BalanceCommands::OnDesignSaved(const std::string& path) {
    const std::string parts_path = PartsFileNameFor(path);
    const TableReading& reading = Reading();
    if (reading.problem) {
        // The design is saved; the parts file keeps what it held.
        const Catalogue& texts = language_.texts();
        files_.dialogs().ShowFileError(
            window_,
            QText(texts, TextId::kBalancePartsNotSaved,
                  {{"path", parts_path},
                   {"problem", DescribeRowProblem(*reading.problem, texts).toStdString()}}),
            texts);
        return;
    }
    if (reading.parts.empty() && parts_path != parts_path_) {
        kept_parts_.clear();
        return;
    }
    const FileResult written = WritePartsFile(parts_path, reading.parts);
    if (!written.ok()) {
        files_.dialogs().ShowFileError(
            window_, QString::fromStdString(FileMessage(written, language_.texts())),
            language_.texts());
        return;
    }
    parts_path_ = parts_path;
    kept_parts_ = reading.parts;
}

}  // namespace kalvesta
