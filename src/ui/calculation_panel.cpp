// "Calculate", its progress and the message memo.
#include "ui/calculation_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/window_language.h"
#include "ui/window_layout.h"

namespace kalvesta {

CalculationPanel::CalculationPanel(QWidget* page, const Workbench& bench,
                                   const WindowLanguage& language)
    : QObject(page), bench_(bench), language_(language) {
    calculate_button_ = new QPushButton(language.Text(TextId::kAircraftTabCalculate), page);
    calculate_button_->setObjectName("Button4");
    calculate_button_->setGeometry(40, 384, 97, 33);
    running_label_ =
        MakeLabel(page, "Label_w", language.Text(TextId::kAircraftTabRunning), {8, 384});
    // Wider than the layout's 137 pixels, as wide as its caption: the free room
    // before ScrollBar1 holds either language's text, which 137 pixels do not.
    SetFont(running_label_, 15, kGreenFont);
    running_label_->resize(running_label_->sizeHint().width(), 16);
    running_label_->hide();
    countdown_label_ = MakeLabel(page, "Label24", "", {64, 400});
    SetFont(countdown_label_, 15, kGreenFont);
    countdown_label_->resize(80, 18);
    countdown_label_->hide();
    connect(calculate_button_, &QPushButton::clicked, this, &CalculationPanel::CalculateClicked);
    // The memo keeps its lines in the language they were shown in until the next
    // preparation or calculation.
    connect(&language, &WindowLanguage::Changed, this, [this] {
        calculate_button_->setText(language_.Text(TextId::kAircraftTabCalculate));
        SetLabelText(running_label_, language_.Text(TextId::kAircraftTabRunning));
    });
}

void CalculationPanel::BuildMemo(QWidget* page) {
    memo_ = new QPlainTextEdit(page);
    memo_->setObjectName("Memo1");
    memo_->setGeometry(0, 456, 177, 73);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetFont(memo_, 12, kRedFont);
}

void CalculationPanel::ShowPrepared() {
    calculate_button_->setEnabled(true);
    ShowMemo();
}

void CalculationPanel::ShowRunning() {
    running_label_->show();
    calculate_button_->hide();
    memo_->clear();
    memo_->hide();
}

CalculationProgress CalculationPanel::Progress(std::function<void()> show_prepared_aircraft,
                                               ImageControl& top_view, const ViewMapping& mapping) {
    return CalculationProgress(std::move(show_prepared_aircraft), *calculate_button_->window(),
                               top_view, *countdown_label_, bench_.analysis(), bench_.aircraft(),
                               mapping);
}

void CalculationPanel::ShowEnded() {
    countdown_label_->hide();
    ShowMemo();
    running_label_->hide();
    calculate_button_->show();
    calculate_button_->setEnabled(false);
}

void CalculationPanel::ShowMemo() {
    const Memo& memo = bench_.analysis().memo;
    memo_->setPlainText(QString::fromStdString(memo.Text(language_.texts())));
    memo_->setVisible(memo.visible);
}

void CalculationPanel::CalculateIfEnabled() {
    if (calculate_button_->isEnabled()) {
        emit CalculateClicked();
    }
}

}  // namespace kalvesta
