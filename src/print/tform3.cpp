// TForm3: layout in client pixels, the handlers and the print of the page.
#include "print/tform3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>

#include "print/XPrinter.h"
#include "print/XPrnSet2.h"
#include "print/print_messages.h"
#include "qtcanvas/printed_page_rect.h"

namespace kalvesta {
namespace {

// A warning over the printer window whose one button speaks its language (the
// Russian "ОК" in Cyrillic letters).
void Warn(QWidget* window, const QString& text, const Catalogue& texts) {
    QMessageBox box(QMessageBox::Warning, window->windowTitle(), text, QMessageBox::NoButton,
                    window);
    box.addButton(QString::fromStdString(texts.Text(TextId::kMessageOk)), QMessageBox::AcceptRole);
    box.exec();
}

// The window's own captions, which stay as they are whatever the language.
QString Caption(TextId id) {
    return QString::fromStdString(Catalogue().Text(id));
}

}  // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent),
      own_print_(std::make_unique<TXPrint>()),
      own_print_set_(std::make_unique<TXPrintSet>(*own_print_)),
      XPrintSet1(own_print_set_.get()),
      XPrint1(own_print_.get()) {
    BuildControls();
    ShowPrinters();
}

TForm3::TForm3(PrintSetInterface& print_set, PrintJobInterface& print, QWidget* parent)
    : QDialog(parent), XPrintSet1(&print_set), XPrint1(&print) {
    BuildControls();
    ShowPrinters();
}

TForm3::~TForm3() = default;

void TForm3::BuildControls() {
    setWindowTitle(Caption(TextId::kPrinterCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont window_font(QStringLiteral("MS Sans Serif"));
    window_font.setPointSize(8);
    window_font.setStyleHint(QFont::SansSerif);
    setFont(window_font);
    setFixedSize(377, 173);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(false);
    ComboBox1->setGeometry(0, 0, 369, ComboBox1->sizeHint().height());

    Label2 = new QLabel(Caption(TextId::kPrinterResolution), this);
    Label2->move(3, 37);

    StringGrid2 = new QTableWidget(0, 2, this);
    StringGrid2->setGeometry(3, 56, 129, 90);
    StringGrid2->verticalHeader()->hide();
    StringGrid2->verticalHeader()->setDefaultSectionSize(20);
    StringGrid2->horizontalHeader()->setFixedHeight(20);
    StringGrid2->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid2->horizontalHeader()->setSectionsClickable(false);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid2->setSelectionMode(QAbstractItemView::SingleSelection);

    CheckBoxColor = new QCheckBox(Caption(TextId::kPrinterColour), this);
    CheckBoxColor->setGeometry(163, 36, 97, 17);

    Button1 = new QPushButton(Caption(TextId::kPrinterCancel), this);
    Button1->setGeometry(238, 73, 73, 25);
    ButtonClose = new QPushButton(Caption(TextId::kPrinterPrint), this);
    ButtonClose->setGeometry(238, 113, 73, 25);
    ButtonClose->setEnabled(false);

    LabelNoPrinter = new QLabel(NoPrinterText(texts_), this);
    LabelNoPrinter->setObjectName(QStringLiteral("LabelNoPrinter"));
    LabelNoPrinter->setGeometry(3, 151, 369, 17);
    LabelNoPrinter->hide();
    LabelJob = new QLabel(this);
    LabelJob->setObjectName(QStringLiteral("LabelJob"));
    LabelJob->setGeometry(3, 151, 369, 17);
    LabelJob->hide();

    follow_timer_ = new QTimer(this);
    follow_timer_->setSingleShot(true);
    follow_timer_->setInterval(250);
    connect(follow_timer_, &QTimer::timeout, this, &TForm3::FollowJob);

    // activated: the user's choice only, not the window's own refill of the list.
    connect(ComboBox1, &QComboBox::activated, this, &TForm3::OnPrinterChosen);
    // toggled also fires when the window sets the box, which `updating` guards.
    connect(CheckBoxColor, &QCheckBox::toggled, this, &TForm3::OnColourToggled);
    connect(ButtonClose, &QPushButton::clicked, this, &TForm3::OnPrint);
    connect(Button1, &QPushButton::clicked, this, &TForm3::OnCancel);
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowPrinters();
}

int TForm3::ShowModalFor(const QImage& page, const Catalogue& texts) {
    page_ = &page;
    texts_ = texts;
    const int result = exec();
    page_ = nullptr;
    return result;
}

void TForm3::ShowPrinters() {
    // Printers may have been set up or removed since the window was last shown.
    XPrintSet1->ReloadPrinters();
    ComboBox1->clear();
    const bool available = XPrintSet1->PrinterAvailable();
    if (available) {
        ComboBox1->addItems(XPrintSet1->Printers());
        ComboBox1->setCurrentIndex(XPrintSet1->PrinterIndex());
    }
    ButtonClose->setEnabled(available);
    LabelNoPrinter->setText(NoPrinterText(texts_));
    LabelNoPrinter->setVisible(!available);

    // Column widths: a quarter and three quarters of the grid, less 10 pixels each.
    const int grid_width = StringGrid2->width();
    StringGrid2->setColumnWidth(0, grid_width / 4 - 10);
    StringGrid2->setColumnWidth(1, grid_width * 3 / 4 - 10);
    StringGrid2->setHorizontalHeaderLabels(
        {QStringLiteral("i"), Caption(TextId::kPrinterResolutionColumn)});

    RefillResolutionGrid();
    RefillColorBox();
}

void TForm3::RefillResolutionGrid() {
    updating = true;
    const TCapabilities& capabilities = XPrintSet1->Capabilities();
    const int count = XPrintSet1->PrinterAvailable() ? capabilities.ResolutionCount() : 0;
    StringGrid2->setRowCount(count);
    for (int i = 0; i < count; ++i) {
        StringGrid2->setItem(i, 0, new QTableWidgetItem(QString::number(i)));
        StringGrid2->setItem(i, 1,
                             new QTableWidgetItem(QStringLiteral("%1x%2dpi²")
                                                      .arg(capabilities.ResolutionX(i))
                                                      .arg(capabilities.ResolutionY(i))));
    }
    // The first entry is chosen unless the current row is still one of the entries.
    if (count > 0 && (StringGrid2->currentRow() < 0 || StringGrid2->currentRow() >= count)) {
        StringGrid2->setCurrentCell(0, 0);
    }
    updating = false;
}

void TForm3::RefillColorBox() {
    updating = true;
    if (XPrintSet1->Capabilities().color_bits < 2) {
        CheckBoxColor->setEnabled(false);
        CheckBoxColor->setChecked(false);
    } else {
        CheckBoxColor->setEnabled(true);
        CheckBoxColor->setChecked(XPrintSet1->Color());
    }
    updating = false;
}

void TForm3::OnPrinterChosen() {
    XPrintSet1->SetPrinterIndex(ComboBox1->currentIndex());
    RefillResolutionGrid();
    RefillColorBox();
}

void TForm3::OnColourToggled() {
    if (!updating) {
        XPrintSet1->SetColor(CheckBoxColor->isChecked());
    }
}

void TForm3::OnPrint() {
    // Grid rows are the resolution entries in order; no current row selects none.
    const int entry = StringGrid2->currentRow();
    XPrintSet1->SetResolution(entry);
    const PrintedPageRect rect =
        PrintedPageRectangle(XPrintSet1->Capabilities().ResolutionX(entry));

    bool printed = XPrint1->BeginDoc();
    if (printed) {
        if (page_ != nullptr) {
            XPrint1->StretchDraw(QRect(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1),
                                 *page_);
        }
        printed = XPrint1->EndDoc();
    }
    if (!printed) {
        Warn(this, PrintFailureMessage(ComboBox1->currentText(), XPrint1->Failure(), texts_),
             texts_);
        return;
    }
    if (XPrint1->JobId() <= 0) {
        accept();  // nothing CUPS could tell of the job
        return;
    }
    StartFollowing(XPrint1->JobId());
}

void TForm3::StartFollowing(int job) {
    followed_job_ = job;
    ButtonClose->setEnabled(false);
    LabelJob->setText(FollowingJobText(job, texts_));
    LabelJob->show();
    following_for_.start();
    FollowJob();
}

void TForm3::FollowJob() {
    if (followed_job_ == 0) {
        return;  // cancelled meanwhile
    }
    using Stage = PrintJobStatus::Stage;
    const PrintJobStatus status = XPrint1->JobStatus();
    if (status.stage == Stage::kWaiting && following_for_.elapsed() < kFollowMilliseconds) {
        follow_timer_->start();
        return;
    }
    const int job = followed_job_;
    StopFollowing();
    if (status.stage == Stage::kPrinted || status.report.problem == PrintProblem::kNone) {
        accept();
        return;
    }
    Warn(this, JobProblemMessage(ComboBox1->currentText(), job, status.report, texts_), texts_);
}

void TForm3::StopFollowing() {
    follow_timer_->stop();
    followed_job_ = 0;
    LabelJob->hide();
    ButtonClose->setEnabled(XPrintSet1->PrinterAvailable());
}

void TForm3::OnCancel() {
    reject();
}

void TForm3::done(int result) {
    StopFollowing();
    QDialog::done(result);
}

}  // namespace kalvesta
