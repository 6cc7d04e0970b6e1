// The real main window: start-up values, typing into boxes, counts and tabs.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "support/window_controls.h"
#include "ui/captions.h"
#include "ui/component_table.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Control;

template <class T>
T* Find(const TForm1& form, const char* name) {
    T* child = form.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString LabelText(const TForm1& form, const char* name) {
    return Find<QLabel>(form, name)->text();
}

bool TabShown(const TForm1& form, const char* page) {
    return Control<QTabWidget>(form, "PageControl1")
        ->isTabVisible(
            Control<QTabWidget>(form, "PageControl1")->indexOf(Find<QWidget>(form, page)));
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

// Captions find their controls by component name: a name no control carries, or
// that two carry, would switch the wrong control or none.
TEST(MainWindow, EveryCaptionedNameIsOneControl) {
    TForm1 form;
    EXPECT_EQ(form.components().duplicates(), QStringList());
    EXPECT_EQ(UncaptionableNames(form.components()), QStringList());
}

TEST(MainWindow, TypingASpanRecomputesTheWing) {
    TForm1 form;
    QLineEdit* span = Find<QLineEdit>(form, "Edit1");
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
    Find<QRadioButton>(form, "RadioButton1")->click();
    QLineEdit* wing3_chord = Find<QLineEdit>(form, "Edit24");
    wing3_chord->setText("95");
    EXPECT_FALSE(TabShown(form, "TabSheet2"));
    EXPECT_FALSE(Control<QAction>(form, "wing21")->isVisible());
    EXPECT_TRUE(Find<QLineEdit>(form, "Edit_x2")->isHidden());
    Find<QRadioButton>(form, "RadioButton3")->click();
    EXPECT_TRUE(TabShown(form, "TabSheet2"));
    EXPECT_TRUE(TabShown(form, "TabSheet3"));
    EXPECT_TRUE(Control<QAction>(form, "wing21")->isVisible());
    EXPECT_TRUE(Control<QAction>(form, "wing31")->isVisible());
    EXPECT_FALSE(Find<QLineEdit>(form, "Edit_x3")->isHidden());
    EXPECT_EQ(wing3_chord->text(), "95");
    EXPECT_EQ(form.aircraft().wing_count, 3);
}

TEST(MainWindow, TrapezoidButtonsShowBoxesAndKeepTheirTexts) {
    TForm1 form;
    QLineEdit* tip4 = Find<QLineEdit>(form, "Edit14x");
    EXPECT_TRUE(tip4->isHidden());
    Find<QRadioButton>(form, "RadioButton41t")->click();
    EXPECT_FALSE(tip4->isHidden());
    EXPECT_FALSE(Find<QLineEdit>(form, "Edit2")->isHidden());
    // Four trapezoids: 550 + 550 + 80 + 20 each side.
    EXPECT_EQ(LabelText(form, "Label_b1"), "2400mm");
    Find<QRadioButton>(form, "RadioButton4")->click();
    EXPECT_TRUE(tip4->isHidden());
    EXPECT_EQ(tip4->text(), "6");
    EXPECT_EQ(LabelText(form, "Label_b1"), "1100mm");
}

TEST(MainWindow, EditMenuSelectsTabs) {
    TForm1 form;
    Control<QAction>(form, "wing11")->trigger();
    EXPECT_EQ(Control<QTabWidget>(form, "PageControl1")->currentWidget(),
              Find<QWidget>(form, "TabSheet1"));
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

}  // namespace
}  // namespace kalvesta
