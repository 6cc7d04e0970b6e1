// The balance window over the design's parts.
#include "ui/balance_commands.h"

#include <QAction>

#include "ui/balance_window.h"
#include "ui/main_menus.h"
#include "ui/unit_choice.h"
#include "ui/window_language.h"
#include "ui/window_placement.h"

namespace kalvesta {

BalanceCommands::BalanceCommands(QWidget* window, const MainMenus& menus, Workbench& bench,
                                 const WindowLanguage& language, const UnitChoice& units)
    : QObject(window), window_(window), bench_(bench), language_(language), units_(units) {
    connect(menus.balance_item, &QAction::triggered, this, &BalanceCommands::OnShowWindow);
    bench.Listen([this](const WorkbenchChange& change) { Follow(change); });
    connect(&language, &WindowLanguage::Changed, this, &BalanceCommands::ApplyLanguage);
    connect(&units, &UnitChoice::Changed, this, &BalanceCommands::ApplyUnits);
}

BalanceCommands::~BalanceCommands() {
    delete balance_window_;
}

void BalanceCommands::OnShowWindow() {
    if (balance_window_ == nullptr) {
        balance_window_ = new BalanceWindow(window_, bench_.design());
        balance_window_->ApplyLanguage(language_.texts());
        balance_window_->SetUnits({units_.length(), units_.mass()});
        balance_window_->ShowParts();
        connect(balance_window_, &BalanceWindow::QuestionChanged, this,
                [this] { bench_.AskBalance(balance_window_->Question()); });
        ShowBalance();
        PlaceBeside(*balance_window_, *window_);
    }
    balance_window_->show();
    balance_window_->raise();
    balance_window_->activateWindow();
}

void BalanceCommands::ApplyLanguage() {
    if (balance_window_ != nullptr) {
        balance_window_->ApplyLanguage(language_.texts());
        ShowBalance();
    }
}

void BalanceCommands::ApplyUnits() {
    if (balance_window_ != nullptr) {
        balance_window_->SetUnits({units_.length(), units_.mass()});
        bench_.AskBalance(balance_window_->Question());
        ShowBalance();
    }
}

void BalanceCommands::Follow(const WorkbenchChange& change) {
    if (balance_window_ == nullptr) {
        return;
    }
    if (change.design.parts) {
        balance_window_->ShowParts();
    }
    if (change.balance) {
        ShowBalance();
    }
}

void BalanceCommands::ShowBalance() {
    balance_window_->ShowBalance(bench_.balance(), bench_.design().parts().reading().problem);
}

}  // namespace kalvesta
