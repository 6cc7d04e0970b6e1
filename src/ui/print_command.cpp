// The summary page and the printer window.
#include "ui/print_command.h"

#include <QPushButton>

#include "print/tform3.h"
#include "ui/image_control.h"
#include "ui/window_language.h"
#include "views/added_figures_text.h"
#include "views/summary_page.h"

namespace kalvesta {

PrintCommand::PrintCommand(QWidget* page, const Workbench& bench, const WindowLanguage& language)
    : QObject(page), bench_(bench), language_(language), page_(page) {
    print_button_ = new QPushButton(language.Text(TextId::kAircraftTabPrint), page);
    print_button_->setObjectName("Button6");
    print_button_->setGeometry(56, 424, 65, 25);
    print_button_->hide();
    connect(print_button_, &QPushButton::clicked, this, &PrintCommand::PrintClicked);
    connect(&language, &WindowLanguage::Changed, this,
            [this] { print_button_->setText(language_.Text(TextId::kAircraftTabPrint)); });
}

PrintCommand::~PrintCommand() = default;

void PrintCommand::BuildPage(QWidget* page) {
    summary_page_ = new ImageControl("Image_P", QRect(64, 0, 800, 1220), page);
    summary_page_->hide();
}

void PrintCommand::ShowButton(bool shown) {
    print_button_->setVisible(shown);
}

void PrintCommand::Print(ImageControl& top_view, ImageControl& view3d) {
    const Aircraft& aircraft = bench_.aircraft();
    const Results& results = bench_.analysis().results;
    const Catalogue& texts = language_.texts();
    DrawSummaryPage(
        summary_page_->canvas(), aircraft, results, unit_, top_view.canvas(), view3d.canvas(),
        texts,
        AddedFigureSentences(aircraft, results, bench_.added(), bench_.design().fuselage(),
                             bench_.design().margin().manual, texts),
        &bench_.recommendation());
    summary_page_->Refresh();
    printer_window()->ShowModalFor(summary_page_->image(), language_.texts());
}

TForm3* PrintCommand::printer_window() {
    if (!printer_window_) {
        printer_window_ = std::make_unique<TForm3>(page_);
    }
    return printer_window_.get();
}

}  // namespace kalvesta
