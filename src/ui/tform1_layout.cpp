// The main window's layout: every control with its component name, position,
// size, caption and default, at 96 logical pixels per inch.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "qtcanvas/layout_font.h"
#include "ui/image_control.h"
#include "ui/program_icon.h"
#include "ui/tform1.h"
#include "ui/value_label.h"

namespace kalvesta {
namespace {

constexpr QColor kBlueFont(0, 0, 255);
constexpr QColor kGreenFont(0, 128, 0);
constexpr QColor kRedFont(255, 0, 0);
constexpr QColor kSilver(192, 192, 192);

void SetFont(QWidget* widget, int pixel_size, QColor color) {
    QFont font = widget->font();
    font.setPixelSize(pixel_size);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect geometry, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    SetFont(edit, 12, kBlueFont);
    return edit;
}

// A radio button at `at`, `width` wide (0: as wide as its caption). Buttons in a row
// get the room up to their neighbour, so that either language's caption fits.
QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& text, QPoint at,
                        int width = 0) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->move(at);
    radio->adjustSize();
    if (width > 0) {
        radio->resize(width, radio->height());
    }
    return radio;
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation,
                          QRect geometry, int min, int max, int position) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setGeometry(geometry);
    bar->setRange(min, max);
    bar->setValue(position);
    return bar;
}

// Component names and positions of the wing tabs, per wing 1..3.
struct WingTabNames {
    const char* page;
    const char* caption;
    const char* panel;
    std::array<const char*, kMaxTrapezoids> trapezoid_buttons;
    int second_button_x;
    std::array<const char*, kWingBoxCount> boxes;
    const char* sketch;
    const char* planform;
    std::array<const char*, 5> descriptions;
    std::array<const char*, 5> values;
    int span2_x;
    int span3_x;
};

constexpr std::array<WingTabNames, kMaxWings + 1> kWingTabNames{{
    {},
    {"TabSheet1",
     " Wing-1 ",
     "Panel2",
     {"RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"},
     112,
     {"Edit01", "Edit4", "Edit1", "Edit5", "Edit8", "Edit2", "Edit6", "Edit9", "Edit3", "Edit7",
      "Edit10", "Edit14y", "Edit14x", "Edit14xx"},
     "Image_W",
     "Image1",
     {"Label1", "Label2", "Label3", "Label4", "Label5"},
     {"Label_b1", "Label_s1", "Label_lm1", "Label_r251", "Label_lam1"},
     400,
     568},
    {"TabSheet2",
     "  Wing-2  ",
     "Panel3",
     {"RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"},
     104,
     {"Edit02", "Edit14", "Edit11", "Edit15", "Edit18", "Edit12", "Edit16", "Edit19", "Edit13",
      "Edit17", "Edit20", "Edit24y", "Edit24x", "Edit24xx"},
     "Image_W2",
     "Image11",
     {"Label6", "Label7", "Label8", "Label9", "Label10"},
     {"Label_b2", "Label_s2", "Label_lm2", "Label_r252", "Label_lam2"},
     403,
     568},
    {"TabSheet3",
     " Wing-3 ",
     "Panel4",
     {"RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"},
     104,
     {"Edit03", "Edit24", "Edit21", "Edit25", "Edit28", "Edit22", "Edit26", "Edit29", "Edit23",
      "Edit27", "Edit30", "Edit34y", "Edit34x", "Edit34xx"},
     "Image_W3",
     "Image111",
     {"Label16", "Label17", "Label18", "Label19", "Label20"},
     {"Label_b3", "Label_s3", "Label_lm3", "Label_r253", "Label_lam3"},
     408,
     560},
}};

// The start-up text of each box of a wing, in reading order.
std::array<QString, kWingBoxCount> DefaultBoxTexts(int wing) {
    const WingInputs defaults = DefaultWingInputs(wing);
    std::array<QString, kWingBoxCount> texts;
    texts[kRootOffsetBox] = QString::number(defaults.root_offset);
    texts[kRootChordBox] = QString::number(defaults.root_chord);
    for (int t = 1; t <= kMaxTrapezoids; ++t) {
        const auto i = static_cast<size_t>(t - 1);
        texts[static_cast<size_t>(SpanBox(t))] = QString::number(defaults.span[i]);
        texts[static_cast<size_t>(ChordBox(t))] = QString::number(defaults.chord[i]);
        texts[static_cast<size_t>(LeadingEdgeBox(t))] = QString::number(defaults.le_x[i]);
    }
    return texts;
}

}  // namespace

void TForm1::BuildWindow() {
    setObjectName("Form1");
    setWindowTitle(" Kalvesta4  V1.12  beta");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kSilver);
    setPalette(palette);
    SubstituteLayoutFont();
    setFont(LayoutFont(11));

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(825, 583);
    setCentralWidget(client);

    BuildMenus();
    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(0, 22, 825, 561);
    QFont tab_font = PageControl1->tabBar()->font();
    tab_font.setPixelSize(12);
    PageControl1->tabBar()->setFont(tab_font);
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        BuildWingTab(wing);
    }
    BuildAircraftTab();
    for (int i = 0; i < PageControl1->count(); ++i) {
        PageControl1->tabBar()->setTabTextColor(i, kGreenFont);
        // The pages show the window's silver, not the style's lighter tab face.
        PageControl1->widget(i)->setAutoFillBackground(true);
    }
    PageControl1->setTabVisible(PageControl1->indexOf(Tab(3).page), false);
    PageControl1->setCurrentWidget(TabSheet5);

    BuildTopStrip(client);
    move(23, 44);
    setFixedSize(sizeHint());
}

void TForm1::BuildTopStrip(QWidget* client) {
    // The glyphs follow with the program icon (GiveIcons).
    auto tool_button = [client](const char* name, const char* hint, int x) {
        auto* button = new QToolButton(client);
        button->setObjectName(name);
        button->setGeometry(x, 0, 23, 22);
        button->setToolTip(hint);
        button->setAutoRaise(true);
        return button;
    };
    SpeedButton1 = tool_button("SpeedButton1", "Open File", 2);
    SpeedButton2 = tool_button("SpeedButton2", "Save File as", 28);
    SpeedButton3 = tool_button("SpeedButton3", "Save File", 54);
    SpeedButton3->hide();

    Lab_FName = new QLabel(client);
    Lab_FName->setObjectName("Lab_FName");
    Lab_FName->setGeometry(88, 4, 473, 13);
    Lab_FName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetFont(Lab_FName, 7, kBlueFont);

    Panel1 = MakePanel(client, "Panel1", QRect(600, 8, 225, 33));
    wing_count_buttons[1] = MakeRadio(Panel1, "RadioButton1", "1 Wing", {8, 8}, 81 - 8);
    wing_count_buttons[2] = MakeRadio(Panel1, "RadioButton2", "2 Wings", {81, 8}, 152 - 81);
    wing_count_buttons[3] = MakeRadio(Panel1, "RadioButton3", "3 Wings", {152, 8}, 225 - 152);
    wing_count_buttons[2]->setChecked(true);
    // The panel lies over the right end of the tab row, as on the original layout.
    Panel1->raise();
}

void TForm1::GiveIcons() {
    QApplication::setWindowIcon(ProgramIcon());
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto item = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    Open1 = bar->addMenu("File");
    Open1->setObjectName("Open1");
    Open2 = item(Open1, "Open2", "Open");
    Save2 = item(Open1, "Save2", "Save as");
    Save3 = item(Open1, "Save3", "Save");
    Save3->setVisible(false);
    Exit1 = item(Open1, "Exit1", "Exit");

    EEdit1 = bar->addMenu("Edit");
    EEdit1->setObjectName("EEdit1");
    wing11 = item(EEdit1, "wing11", "Wing-1");
    wing21 = item(EEdit1, "wing21", "Wing-2");
    wing31 = item(EEdit1, "wing31", "Wing-3");
    wing31->setVisible(false);
    aircraft1 = item(EEdit1, "aircraft1", "Aircraft");

    Langu1 = bar->addMenu("Lang-ge");
    Langu1->setObjectName("Langu1");
    german1 = item(Langu1, "german1", "Русский");

    // "Info" has no items: a click on the menu title itself opens the info window.
    Info1 = bar->addAction("Info");
    Info1->setObjectName("Info1");
}

void TForm1::BuildWingTab(int wing) {
    const WingTabNames& names = kWingTabNames[static_cast<size_t>(wing)];
    WingTab& tab = Tab(wing);
    tab.page = new QWidget;
    tab.page->setObjectName(names.page);
    PageControl1->addTab(tab.page, names.caption);

    tab.trapezoid_panel = MakePanel(tab.page, names.panel, QRect(0, 0, 425, 33));
    SetFont(tab.trapezoid_panel, 11, kBlueFont);
    const std::array<const char*, kMaxTrapezoids> captions{"1 trapezium", "2 trapeziums",
                                                           "3 trapeziums", "4 trapeziums"};
    const std::array<int, kMaxTrapezoids + 1> button_x{8, names.second_button_x, 214, 318, 425};
    for (size_t t = 0; t < kMaxTrapezoids; ++t) {
        tab.trapezoid_buttons[t] =
            MakeRadio(tab.trapezoid_panel, names.trapezoid_buttons[t], captions[t],
                      {button_x[t], 8}, button_x[t + 1] - button_x[t]);
    }
    tab.trapezoid_buttons[0]->setChecked(true);

    tab.sketch = new ImageControl(names.sketch, QRect(16, 40, 750, 200), tab.page);
    tab.planform = new ImageControl(names.planform, QRect(280, 240, 536, 289), tab.page);

    // Box positions (left, top) in reading order; the boxes sit on their dimension arrows.
    const std::array<QPoint, kWingBoxCount> positions{
        QPoint(48, 64),   QPoint(96, 136),  QPoint(208, 64),
        QPoint(304, 152), QPoint(304, 77),  QPoint(names.span2_x, 64),
        QPoint(504, 160), QPoint(504, 80),  QPoint(names.span3_x, 64),
        QPoint(608, 176), QPoint(608, 104), QPoint(648, 64),
        QPoint(680, 200), QPoint(680, 112)};
    const std::array<QString, kWingBoxCount> texts = DefaultBoxTexts(wing);
    for (size_t i = 0; i < kWingBoxCount; ++i) {
        tab.boxes[i] =
            MakeEdit(tab.page, names.boxes[i], QRect(positions[i], QSize(49, 21)), texts[i]);
        // Only the root boxes and those of trapezoid 1 show at start.
        tab.boxes[i]->setVisible(i <= static_cast<size_t>(LeadingEdgeBox(1)));
    }

    const std::array<const char*, 5> descriptions{
        "wing span (b):", "wing area (s):", "mean aerod. chord (lm):", "geometric center (r25):",
        "aspect ratio (lam):"};
    const std::array<const char*, 5> placeholders{"b:", "s:", "lm:", "r25:", "lam:"};
    for (size_t row = 0; row < 5; ++row) {
        const int y = 336 + 16 * static_cast<int>(row);
        tab.descriptions[row] =
            MakeLabel(tab.page, names.descriptions[row], descriptions[row], {38, y});
        tab.values[row] = MakeLabel(tab.page, names.values[row], placeholders[row], {208, y});
        SetFont(tab.descriptions[row], 12, kBlueFont);
        SetFont(tab.values[row], 12, kBlueFont);
        tab.descriptions[row]->adjustSize();
        // The value runs up to the planform picture and no further.
        tab.values[row]->resize(tab.planform->x() - tab.values[row]->x(),
                                tab.values[row]->sizeHint().height());
    }
}

void TForm1::BuildAircraftTab() {
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName("TabSheet5");
    PageControl1->addTab(TabSheet5, "     Aircraft    ");
    QWidget* page = TabSheet5;

    Label23 = MakeLabel(page, "Label23", "Positioning", {8, 2});
    const std::array<const char*, 4> picture_names{"", "Image5", "Image55", "Image555"};
    const std::array<QRect, 4> picture_rects{QRect(), QRect(8, 16, 172, 84), QRect(8, 104, 172, 85),
                                             QRect(8, 192, 172, 84)};
    const std::array<const char*, 4> x_names{"", "Edit_x1", "Edit_x2", "Edit_x3"};
    const std::array<const char*, 4> z_names{"", "Edit_z1", "Edit_z2", "Edit_z3"};
    const std::array<int, 4> rows{0, 32, 120, 208};
    const AircraftInputs defaults = DefaultAircraftInputs();
    for (size_t w = 1; w <= kMaxWings; ++w) {
        position_pictures[w] = new ImageControl(picture_names[w], picture_rects[w], page);
        position_x_boxes[w] = MakeEdit(page, x_names[w], QRect(40, rows[w], 41, 24),
                                       QString::number(defaults.wing_x_mm[w]));
        position_z_boxes[w] = MakeEdit(page, z_names[w], QRect(88, rows[w] + 24, 41, 24),
                                       QString::number(defaults.wing_z_mm[w]));
    }
    position_pictures[3]->hide();
    position_x_boxes[3]->hide();
    position_z_boxes[3]->hide();

    Image2 = new ImageControl("Image2", QRect(200, 0, 616, 321), page);
    Image3 = new ImageControl("Image3", QRect(200, 322, 616, 191), page);
    ScrollBar1 =
        MakeScrollBar(page, "ScrollBar1", Qt::Vertical, QRect(185, 344, 13, 185), 0, 90, 80);
    ScrollBar2 =
        MakeScrollBar(page, "ScrollBar2", Qt::Horizontal, QRect(202, 514, 615, 16), 0, 360, 250);
    RadioButton15 = MakeRadio(page, "RadioButton15", "Automatic choice of stability", {0, 280});
    RadioButton15->resize(193, 17);
    RadioButton15->setChecked(true);
    RadioButton16 = MakeRadio(page, "RadioButton16", "Manual choice of stability", {0, 304});
    RadioButton16->resize(193, 17);
    ScrollBar4 =
        MakeScrollBar(page, "ScrollBar4", Qt::Vertical, QRect(158, 304, 16, 145), 10, 97, 75);
    ScrollBar4->hide();
    Label22 = MakeLabel(page, "Label22", "Desired Static Stability:", {0, 328});
    Label22->hide();
    Edit31 = new QLineEdit("7.5", page);
    Edit31->setObjectName("Edit31");
    Edit31->setGeometry(64, 344, 41, 24);
    Edit31->hide();
    Label21 = MakeLabel(page, "Label21", "%", {112, 348});
    Label21->hide();

    Button4 = new QPushButton("Calculate", page);
    Button4->setObjectName("Button4");
    Button4->setGeometry(40, 384, 97, 33);
    Label_w = MakeLabel(page, "Label_w", "- calculation is running -", {8, 384});
    // Wider than the layout's 137 pixels, as wide as its caption: the free room
    // before ScrollBar1 holds either language's text, which 137 pixels do not.
    SetFont(Label_w, 15, kGreenFont);
    Label_w->resize(Label_w->sizeHint().width(), 16);
    Label_w->hide();
    Label24 = MakeLabel(page, "Label24", "", {64, 400});
    SetFont(Label24, 15, kGreenFont);
    Label24->resize(80, 18);
    Label24->hide();
    Button6 = new QPushButton("Print", page);
    Button6->setObjectName("Button6");
    Button6->setGeometry(56, 424, 65, 25);
    Button6->hide();

    Memo1 = new QPlainTextEdit(page);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(0, 456, 177, 73);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetFont(Memo1, 12, kRedFont);

    // The printed page is composed off screen at its own resolution.
    Image_P = new ImageControl("Image_P", QRect(64, 0, 800, 1220), page);
    Image_P->hide();
}

}  // namespace kalvesta
