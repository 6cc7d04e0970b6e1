// The real main window: start-up values, typing into boxes, counts and tabs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "fake_file_dialogs.h"
#include "support/window_controls.h"
#include "ui/component_table.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Control;

QString LabelText(const TForm1& form, const char* name) {
    return Control<QLabel>(form, name)->text();
}

bool TabShown(const TForm1& form, const char* page) {
    return Control<QTabWidget>(form, "PageControl1")
        ->isTabVisible(
            Control<QTabWidget>(form, "PageControl1")->indexOf(Control<QWidget>(form, page)));
}

TEST(MainWindow, StartUpShowsComputedValuesOfAllWings) {
    TForm1 form;
    EXPECT_EQ(form.windowTitle(), " Kalvesta4  V1.12  beta");
    EXPECT_EQ(LabelText(form, "Label_b1"), "1100mm");
    EXPECT_EQ(LabelText(form, "Label_s1"), "29.70dm^2");
    EXPECT_EQ(LabelText(form, "Label_lm1"), "272.0mm");
    EXPECT_EQ(LabelText(form, "Label_r251"), "82.3mm");
    EXPECT_EQ(LabelText(form, "Label_lam1"), " 4.1");
    EXPECT_EQ(LabelText(form, "Label_b2"), " 200mm");
    EXPECT_EQ(LabelText(form, "Label_b3"), " 200mm");
    EXPECT_EQ(form.aircraft().wing_count, 2);
    EXPECT_EQ(form.aircraft().current_file_name, "Unknown.da4");
    EXPECT_EQ(Control<QTabWidget>(form, "PageControl1")->currentWidget(),
              Control<QWidget>(form, "TabSheet5"));
    EXPECT_TRUE(TabShown(form, "TabSheet2"));
    EXPECT_FALSE(TabShown(form, "TabSheet3"));
    EXPECT_FALSE(Control<QAction>(form, "wing31")->isVisible());
    EXPECT_FALSE(Control<QAction>(form, "Save3")->isVisible());
}

// The tests find the controls by component name: a name that two carry would find
// the wrong control.
TEST(MainWindow, EveryComponentNameIsOneControl) {
    TForm1 form;
    EXPECT_EQ(form.components().duplicates(), QStringList());
}

TEST(MainWindow, TypingASpanRecomputesTheWing) {
    TForm1 form;
    QLineEdit* span = Control<QLineEdit>(form, "Edit1");
    span->selectAll();
    QTest::keyClicks(span, "600");
    EXPECT_EQ(LabelText(form, "Label_b1"), "1200mm");
    // Anything typed converts to a number: "-" alone reads as 0, "12a" as 12.
    span->selectAll();
    QTest::keyClicks(span, "-");
    EXPECT_EQ(LabelText(form, "Label_b1"), "   0mm");
    span->selectAll();
    QTest::keyClicks(span, "12a");
    EXPECT_EQ(LabelText(form, "Label_b1"), "  24mm");
}

TEST(MainWindow, WingCountButtonsShowTabsAndMenuItems) {
    TForm1 form;
    Control<QRadioButton>(form, "RadioButton1")->click();
    QLineEdit* wing3_chord = Control<QLineEdit>(form, "Edit24");
    wing3_chord->setText("95");
    EXPECT_FALSE(TabShown(form, "TabSheet2"));
    EXPECT_FALSE(Control<QAction>(form, "wing21")->isVisible());
    EXPECT_TRUE(Control<QLineEdit>(form, "Edit_x2")->isHidden());
    Control<QRadioButton>(form, "RadioButton3")->click();
    EXPECT_TRUE(TabShown(form, "TabSheet2"));
    EXPECT_TRUE(TabShown(form, "TabSheet3"));
    EXPECT_TRUE(Control<QAction>(form, "wing21")->isVisible());
    EXPECT_TRUE(Control<QAction>(form, "wing31")->isVisible());
    EXPECT_FALSE(Control<QLineEdit>(form, "Edit_x3")->isHidden());
    EXPECT_EQ(wing3_chord->text(), "95");
    EXPECT_EQ(form.aircraft().wing_count, 3);
}

TEST(MainWindow, TrapezoidButtonsShowBoxesAndKeepTheirTexts) {
    TForm1 form;
    QLineEdit* tip4 = Control<QLineEdit>(form, "Edit14x");
    EXPECT_TRUE(tip4->isHidden());
    Control<QRadioButton>(form, "RadioButton41t")->click();
    EXPECT_FALSE(tip4->isHidden());
    EXPECT_FALSE(Control<QLineEdit>(form, "Edit2")->isHidden());
    // Four trapezoids: 550 + 550 + 80 + 20 each side.
    EXPECT_EQ(LabelText(form, "Label_b1"), "2400mm");
    Control<QRadioButton>(form, "RadioButton4")->click();
    EXPECT_TRUE(tip4->isHidden());
    EXPECT_EQ(tip4->text(), "6");
    EXPECT_EQ(LabelText(form, "Label_b1"), "1100mm");
}

TEST(MainWindow, EditMenuSelectsTabs) {
    TForm1 form;
    Control<QAction>(form, "wing11")->trigger();
    EXPECT_EQ(Control<QTabWidget>(form, "PageControl1")->currentWidget(),
              Control<QWidget>(form, "TabSheet1"));
    Control<QAction>(form, "aircraft1")->trigger();
    EXPECT_EQ(Control<QTabWidget>(form, "PageControl1")->currentWidget(),
              Control<QWidget>(form, "TabSheet5"));
}

// The layout and its fonts are both in pixels, so no resolution rescales them:
// the window keeps its designed place and size.
TEST(MainWindowScale, KeepsItsDesignedPlaceAndSize) {
    TForm1 form;
    EXPECT_EQ(form.pos(), QPoint(23, 44));
    EXPECT_EQ(Control<QWidget>(form, "ClientArea")->size(), QSize(825, 583));
    EXPECT_EQ(Control<QPushButton>(form, "Button4")->geometry(), QRect(40, 384, 97, 33));
}

// The keys a user without a mouse relies on, each with what it must do.
struct KeyCase {
    const char* name;
    const char* focus;  // the control that has the focus; nullptr: the window
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* asked;  // the file dialog asked for, or "" for none
    bool calculated;
    bool closed;
    const char* popup;  // the menu that opens, or nullptr
};

class KeySequences : public ::testing::TestWithParam<KeyCase> {
private:
    testing_support::InEmptyFolder folder_;
};

TEST_P(KeySequences, ReachTheirCommand) {
    const KeyCase& c = GetParam();
    TForm1 form;
    auto dialogs = std::make_unique<testing_support::FakeDialogs>();
    const testing_support::FakeDialogs& answered = *dialogs;
    form.SetFileDialogs(std::move(dialogs));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Control<QAction>(form, "wing11")->trigger();  // F9 calculates from any tab
    QWidget* target =
        c.focus == nullptr ? static_cast<QWidget*>(&form) : Control<QWidget>(form, c.focus);
    if (c.focus != nullptr) {
        Control<QAction>(form, "aircraft1")->trigger();
        target->setFocus();
    }
    QTest::keyClick(target, c.key, c.modifiers);
    EXPECT_EQ(answered.asked.join(" "), c.asked);
    EXPECT_EQ(form.aircraft().results_valid, c.calculated);
    EXPECT_EQ(form.isHidden(), c.closed);
    const QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup == nullptr ? QString() : popup->objectName(),
              c.popup == nullptr ? QString() : QString(c.popup));
    if (popup != nullptr) {
        QApplication::activePopupWidget()->close();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, KeySequences,
    ::testing::Values(
        KeyCase{"CtrlO", nullptr, Qt::Key_O, Qt::ControlModifier, "open ", false, false, nullptr},
        KeyCase{"CtrlS", nullptr, Qt::Key_S, Qt::ControlModifier, "save plane.da4", false, false,
                nullptr},
        KeyCase{"CtrlShiftS", nullptr, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier,
                "save plane.da4", false, false, nullptr},
        KeyCase{"CtrlQ", nullptr, Qt::Key_Q, Qt::ControlModifier, "", false, true, nullptr},
        KeyCase{"F9", nullptr, Qt::Key_F9, Qt::NoModifier, "", true, false, nullptr},
        KeyCase{"ReturnInAPositionBox", "Edit_z2", Qt::Key_Return, Qt::NoModifier, "", true, false,
                nullptr},
        KeyCase{"AltF", nullptr, Qt::Key_F, Qt::AltModifier, "", false, false, "Open1"},
        KeyCase{"F10", nullptr, Qt::Key_F10, Qt::NoModifier, "", false, false, "Open1"}),
    [](const ::testing::TestParamInfo<KeyCase>& key_case) {
        return std::string(key_case.param.name);
    });

}  // namespace
}  // namespace kalvesta
