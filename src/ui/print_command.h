// "Print" on the "Aircraft" tab: the summary page composed off screen at its own
// resolution (Image_P, never shown) and the printer window that prints it.
#pragma once

#include <QObject>
#include <memory>

#include "analysis/workbench.h"

class QPushButton;
class QWidget;

namespace kalvesta {

class ImageControl;
class TForm3;
class WindowLanguage;

class PrintCommand : public QObject {
    Q_OBJECT

public:
    // Makes Button6 on `page`, hidden until there are results; the button, the page
    // and the printer window's messages are in the window's language.
    PrintCommand(QWidget* page, const Workbench& bench, const WindowLanguage& language);
    ~PrintCommand() override;
    // Makes Image_P, after the controls that come before it.
    void BuildPage(QWidget* page);

    void ShowButton(bool shown);
    // Composes the summary page from the results and the two pictures, then opens
    // the printer window modally.
    void Print(ImageControl& top_view, ImageControl& view3d);
    // The printer window, made on first use (it reloads everything it shows each
    // time it opens, so when it is made does not matter to the user).
    TForm3* printer_window();

signals:
    void PrintClicked();

private:
    const Workbench& bench_;
    const WindowLanguage& language_;
    QWidget* page_;
    QPushButton* print_button_ = nullptr;   // Button6
    ImageControl* summary_page_ = nullptr;  // Image_P
    std::unique_ptr<TForm3> printer_window_;
};

}  // namespace kalvesta
