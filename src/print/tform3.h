// TForm3, the modal "Printer" window: choose a printer, one of its resolutions and
// colour or monochrome, then print the summary page.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <memory>

#include "print/print_interfaces.h"
#include "texts/catalogue.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QTableWidget;
class QTimer;

namespace kalvesta {

class TXPrint;
class TXPrintSet;

class TForm3 : public QDialog {
    Q_OBJECT

public:
    // The window with its own print components on the system's printers.
    explicit TForm3(QWidget* parent = nullptr);
    // The window on the given print components (which must outlive it).
    TForm3(PrintSetInterface& print_set, PrintJobInterface& print, QWidget* parent = nullptr);
    ~TForm3() override;

    // Shows the window modally for printing `page` (the 800 x 1220 summary page) and
    // returns QDialog::Accepted when the page was printed, or is printing without a
    // problem CUPS knows of after kFollowMilliseconds. Its messages are in the
    // language of `texts`, the main window's.
    int ShowModalFor(const QImage& page, const Catalogue& texts = Catalogue());

    // The printers, their resolutions and colour anew: when the window is created
    // and every time it is shown.
    void ShowPrinters();
    // The handlers of the printer choice, the colour box, "Print" and "Cancel".
    void OnPrinterChosen();
    void OnColourToggled();
    void OnPrint();
    void OnCancel();

    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QCheckBox* CheckBoxColor = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* ButtonClose = nullptr;
    // Shown instead of an unexplained empty list when no printer is installed.
    QLabel* LabelNoPrinter = nullptr;
    // Shown while the window waits for a job to print.
    QLabel* LabelJob = nullptr;

    // How long a job is followed through CUPS before the window trusts it to print.
    static constexpr int kFollowMilliseconds = 5000;

protected:
    void showEvent(QShowEvent* event) override;
    // However the window closes, a job is no longer followed.
    void done(int result) override;

private:
    void BuildControls();
    void RefillResolutionGrid();
    void RefillColorBox();
    // After the job is handed over: asks CUPS about it until it printed, met a
    // problem (told in a message box, the window staying open for another try) or
    // the time is up.
    void StartFollowing(int job);
    void FollowJob();
    void StopFollowing();

    std::unique_ptr<TXPrint> own_print_;
    std::unique_ptr<TXPrintSet> own_print_set_;
    PrintSetInterface* XPrintSet1 = nullptr;
    PrintJobInterface* XPrint1 = nullptr;
    // True while the window itself refills the grid or the colour box, so the
    // box's change does not write back into the settings.
    bool updating = false;
    const QImage* page_ = nullptr;
    Catalogue texts_;
    QTimer* follow_timer_ = nullptr;
    QElapsedTimer following_for_;
    int followed_job_ = 0;
};

}  // namespace kalvesta
