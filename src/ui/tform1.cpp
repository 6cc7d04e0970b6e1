// The main window: its composition, start-up, and the handlers that span parts.
#include "ui/tform1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <exception>

#include "qtcanvas/layout_font.h"
#include "ui/aircraft_tab_page.h"
#include "ui/answer_line.h"
#include "ui/balance_commands.h"
#include "ui/beeper.h"
#include "ui/component_table.h"
#include "ui/file_commands.h"
#include "ui/file_dialogs.h"
#include "ui/fuselage_dialog.h"
#include "ui/language_file.h"
#include "ui/lift_window.h"
#include "ui/main_menus.h"
#include "ui/message_boxes.h"
#include "ui/program_icon.h"
#include "ui/refined_check_command.h"
#include "ui/result_commands.h"
#include "ui/template_command.h"
#include "ui/tform2.h"
#include "ui/undo_commands.h"
#include "ui/unit_choice.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"
#include "ui/wing_count_choice.h"
#include "ui/wing_tab_page.h"

namespace kalvesta {

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      language_(new WindowLanguage(this)),
      units_(new UnitChoice(this)),
      run_pipeline_(&RunPipeline),
      beeper_(std::make_unique<SystemBeeper>()) {
    BuildWindow();
    components_ = std::make_unique<ComponentTable>(*this);
    Q_ASSERT(components_->duplicates().isEmpty());
    Connect();
    ConnectKeys();
    StartUp();
    info_window_ = std::make_unique<TForm2>();
    // The printer window is made when first needed: asking the print system for
    // its printers takes longer than everything else the window does at start.
}

// The balance window shows the design's parts table: it goes while the workbench
// is still there, not with the window's other children after it.
TForm1::~TForm1() {
    delete balance_commands_;
}

void TForm1::BuildWindow() {
    setObjectName("Form1");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kSilver);
    setPalette(palette);
    SubstituteLayoutFont();
    setFont(LayoutFont(11));

    auto* client = new QWidget;
    client->setObjectName("ClientArea");
    client->setFixedSize(825, 583);
    // The layout is fixed in logical pixels. Where the screen cannot hold it (a
    // 1920 × 1080 screen at twice the scale holds 960 × 540), the window takes what
    // the screen has and the client area scrolls, so every control stays reachable.
    client_scroll_ = new QScrollArea(this);
    client_scroll_->setObjectName("ClientScroll");
    client_scroll_->setFrameShape(QFrame::NoFrame);
    client_scroll_->setWidget(client);
    setCentralWidget(client_scroll_);

    menus_ = std::make_unique<MainMenus>(menuBar(), *language_);
    tabs_ = new QTabWidget(client);
    tabs_->setObjectName("PageControl1");
    tabs_->setGeometry(0, 22, 825, 561);
    QFont tab_font = tabs_->tabBar()->font();
    tab_font.setPixelSize(12);
    tabs_->tabBar()->setFont(tab_font);
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        wing_tabs_[static_cast<size_t>(wing)] =
            new WingTabPage(wing, workbench_, *language_, *units_, *tabs_);
    }
    aircraft_tab_ = new AircraftTabPage(workbench_, *language_, *tabs_);
    aircraft_tab_->ShowUnits(units_->length());
    for (int i = 0; i < tabs_->count(); ++i) {
        tabs_->tabBar()->setTabTextColor(i, kGreenFont);
        // The pages show the window's silver, not the style's lighter tab face.
        tabs_->widget(i)->setAutoFillBackground(true);
    }
    tabs_->setTabVisible(tabs_->indexOf(&wing_tab(3)), false);
    tabs_->setCurrentWidget(aircraft_tab_);

    file_commands_ = new FileCommands(this, client, *statusBar(), *menus_, workbench_, *language_);
    undo_commands_ = new UndoCommands(this, *menus_, workbench_.design(), *language_);
    wing_count_choice_ = new WingCountChoice(client, *language_);
    result_commands_ = new ResultCommands(this, *menus_, workbench_, *language_);
    balance_commands_ = new BalanceCommands(this, *menus_, workbench_, *language_, *units_);
    new TemplateCommand(this, menus_->print_template_item, workbench_, *language_, *units_);
    lift_window_ = new LiftWindow(this, workbench_, *language_, *units_);
    answer_line_ = new AnswerLine(*statusBar(), workbench_, *language_, *units_);
    new RefinedCheckCommand(this, menus_->refined_check_item, workbench_, *language_);
    FitToScreen();
}

void TForm1::FitToScreen() {
    // The whole layout: the menu bar over the client area.
    client_scroll_->setMinimumSize(client_scroll_->widget()->size());
    const QSize whole = sizeHint();
    client_scroll_->setMinimumSize(0, 0);
    // The frame is the desktop's: room for a title bar and borders.
    const QMargins frame(8, 40, 8, 8);
    const QRect room = screen()->availableGeometry().marginsRemoved(frame);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const bool wide = whole.width() > room.width() ||
                      (whole.height() > room.height() && whole.width() + bar > room.width());
    const bool tall = whole.height() + (wide ? bar : 0) > room.height();
    setFixedSize(std::min(whole.width() + (tall ? bar : 0), room.width()),
                 std::min(whole.height() + (wide ? bar : 0), room.height()));
    // At (23, 44) where the window with its frame fits there, else at the top left.
    const QRect screen_room = screen()->availableGeometry();
    const QPoint at(23, 44);
    move(screen_room.contains(QRect(at, size().grownBy(frame))) ? at : screen_room.topLeft());
}

// The icons are made just after the window's first paint: the first icon of a
// program costs more than any other single step between the start and that
// paint (Qt sets up its icon and image readers), the program icon then decodes
// eight sizes, and the window is seen without them a frame earlier.
void TForm1::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!icons_given_) {
        icons_given_ = true;
        QMetaObject::invokeMethod(this, &TForm1::GiveIcons, Qt::QueuedConnection);
    }
}

void TForm1::GiveIcons() {
    QApplication::setWindowIcon(ProgramIcon());
    file_commands_->GiveIcons(*style());
}

void TForm1::Connect() {
    workbench_.Listen([this](const WorkbenchChange& change) { Follow(change); });
    connect(wing_count_choice_, &WingCountChoice::Chosen, this, &TForm1::OnWingCountChosen);
    connect(aircraft_tab_, &AircraftTabPage::CalculateClicked, this, &TForm1::OnCalculate);
    connect(tabs_, &QTabWidget::currentChanged, this, &TForm1::OnTabChanged);
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        connect(menus_->wing_items[static_cast<size_t>(wing)], &QAction::triggered, this,
                [this, wing] { tabs_->setCurrentWidget(&wing_tab(wing)); });
    }
    connect(menus_->aircraft_item, &QAction::triggered, this,
            [this] { tabs_->setCurrentWidget(aircraft_tab_); });
    connect(menus_->fuselage_item, &QAction::triggered, this,
            [this] { FuselageDialog::Edit(this, workbench_.design(), language_->texts()); });
    connect(menus_->exit_item, &QAction::triggered, this, &TForm1::close);
    connect(menus_->switch_language_item, &QAction::triggered, this, &TForm1::OnSwitchLanguage);
    connect(menus_->info_item, &QAction::triggered, this, &TForm1::OnInfo);
    connect(menus_->lift_item, &QAction::triggered, lift_window_, &LiftWindow::Open);
    connect(language_, &WindowLanguage::Changed, this,
            [this] { MarkBoxRanges(*this, language_->texts()); });
    (units_->length() == LengthUnit::kInch ? menus_->inches_item : menus_->millimetres_item)
        ->setChecked(true);
    (units_->mass() == MassUnit::kOunce ? menus_->ounces_item : menus_->grams_item)
        ->setChecked(true);
    const std::pair<QAction*, LengthUnit> lengths[] = {
        {menus_->millimetres_item, LengthUnit::kMillimetre},
        {menus_->inches_item, LengthUnit::kInch}};
    for (const auto& [item, unit] : lengths) {
        connect(item, &QAction::triggered, this, [this, unit] { units_->Choose(unit); });
    }
    const std::pair<QAction*, MassUnit> masses[] = {{menus_->grams_item, MassUnit::kGram},
                                                    {menus_->ounces_item, MassUnit::kOunce}};
    for (const auto& [item, unit] : masses) {
        connect(item, &QAction::triggered, this, [this, unit] { units_->Choose(unit); });
    }
    connect(units_, &UnitChoice::Changed, this, &TForm1::ShowUnits);
}

void TForm1::ConnectKeys() {
    connect(new QShortcut(QKeySequence(Qt::Key_F9), this), &QShortcut::activated, this,
            &TForm1::OnCalculateKey);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &TForm1::OnPrintKey);
    // F10 opens the first menu, as on other desktops.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menus_->file_menu->menuAction()); });
}

void TForm1::StartUp() {
    // The window's fonts are given in pixels like its layout, so at any screen
    // resolution text and controls keep their proportions: both grow only with
    // the whole-number device pixel ratio the program entry chooses, and the
    // window needs no rescaling of its own. The window is made in English; the
    // second language switches every part. The workbench prepared the start-up
    // design once; the window draws it.
    if (const Language remembered = ReadLanguageFile(kLanguageFileName);
        remembered != Language::kEnglish) {
        language_->Switch(remembered);
    }
    ShowPreparedAircraft();
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        wing_tab(wing).ShowDimensionSketch();
    }
}

void TForm1::Follow(const WorkbenchChange& change) {
    const DesignChange& design = change.design;
    if (design.wing_count || design.replaced) {
        // The preparation has run: a tab hidden on the way needs none of its own.
        const QSignalBlocker block_tabs(tabs_);
        const int count = workbench_.design().inputs().wing_count;
        wing_count_choice_->Show(count);
        ShowWingCount(count);
    }
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        wing_tab(wing).Follow(change);
    }
    aircraft_tab_->Follow(change);
    answer_line_->Show();
    lift_window_->Follow(change);
    if (design.file) {
        ShowTitle();
    }
}

void TForm1::ShowPreparedAircraft() {
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        wing_tab(wing).ShowPlanform();
    }
    aircraft_tab_->ShowAircraftViews();
    ShowTitle();
}

void TForm1::ShowTitle() {
    setWindowTitle(file_commands_->WindowTitle(
        language_->Text(TextId::kWindowCaption, {{"version", KALVESTA_VERSION}})));
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (file_commands_->MayDropDesign()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::OnCalculateKey() {
    tabs_->setCurrentWidget(aircraft_tab_);
    aircraft_tab_->CalculateIfEnabled();
}

void TForm1::OnPrintKey() {
    if (HasResultsOrSays(this, aircraft(), language_->texts())) {
        aircraft_tab_->Print();
    }
}

void TForm1::OnWingCountChosen(int count) {
    Design& design = workbench_.design();
    const int current = design.inputs().wing_count;
    if (count < current) {
        // Asked with the earlier count checked again, so that "Save" writes the
        // design with the wing that is about to go.
        wing_count_choice_->Show(current);
        if (!file_commands_->MayDropDesign()) {
            return;
        }
    }
    design.SetWingCount(count);
}

void TForm1::ShowWingCount(int count) {
    tabs_->setTabVisible(tabs_->indexOf(&wing_tab(2)), count >= 2);
    tabs_->setTabVisible(tabs_->indexOf(&wing_tab(3)), count >= 3);
    aircraft_tab_->ShowWingCount(count);
    menus_->ShowWingItems(count);
}

void TForm1::OnTabChanged() {
    if (!aircraft().results_valid) {
        workbench_.Prepare();
    }
}

void TForm1::OnCalculate() {
    // Hiding the focused button moves the focus, and the scrolled client area would
    // follow it to the top: the user keeps the place they calculated from.
    const QPoint scrolled(client_scroll_->horizontalScrollBar()->value(),
                          client_scroll_->verticalScrollBar()->value());
    aircraft_tab_->ShowCalculationRunning();
    CalculationProgress progress = aircraft_tab_->Progress([this] { ShowPreparedAircraft(); });
    const PipelineOutcome outcome = workbench_.Calculate(progress, run_pipeline_);
    aircraft_tab_->ShowCalculationEnd(HasResults(outcome));
    client_scroll_->horizontalScrollBar()->setValue(scrolled.x());
    client_scroll_->verticalScrollBar()->setValue(scrolled.y());
    beeper_->Beep();
}

void TForm1::SetBeeper(std::unique_ptr<Beeper> beeper) {
    beeper_ = std::move(beeper);
}

void TForm1::SetFileDialogs(std::unique_ptr<FileDialogs> dialogs) {
    file_commands_->SetDialogs(std::move(dialogs));
}

void TForm1::OpenFile(const std::optional<QString>& name) {
    file_commands_->OpenFile(name);
}

void TForm1::OnSwitchLanguage() {
    language_->Switch(language_->language() == Language::kEnglish ? Language::kRussian
                                                                  : Language::kEnglish);
    // A language file that cannot be written only means the next start is English.
    WriteLanguageFile(kLanguageFileName, language_->language());
}

void TForm1::ShowUnits() {
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        wing_tab(wing).ShowUnits();
    }
    aircraft_tab_->ShowUnits(units_->length());
}

void TForm1::OnInfo() {
    info_window_->ShowInfo(language_->texts());
}

TForm3* TForm1::printer_window() {
    return aircraft_tab_->printer_window();
}

}  // namespace kalvesta
