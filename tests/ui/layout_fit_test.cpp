// The window as a user reads it: every caption and value fits its control in the
// font actually drawn, in English and in Russian, no two controls overlap, input
// that arrives during "Calculate" is handled after it, and the window has its icon.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "support/window_controls.h"
#include "ui/image_control.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Control;

// Each window test in its own empty folder: no language file from another test.
class InTemporaryFolder : public ::testing::Test {
private:
    testing_support::InEmptyFolder folder_;
};

// How much of the control's width its text needs, in the control's own font.
int NeededWidth(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->fontMetrics().horizontalAdvance(label->text());
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(control)) {
        return radio->sizeHint().width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        return button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin;
    }
    return 0;
}

// Every fault of one container's visible children: a text wider than its control,
// or two controls over each other (the input boxes lie on their pictures by design).
std::vector<std::string> LayoutFaults(const QWidget* container) {
    std::vector<const QWidget*> shown;
    for (const QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && !child->isWindow()) {
            shown.push_back(child);
        }
    }
    std::vector<std::string> faults;
    const auto name = [](const QWidget* w) { return w->objectName().toStdString(); };
    for (size_t i = 0; i < shown.size(); ++i) {
        if (NeededWidth(shown[i]) > shown[i]->width()) {
            faults.push_back(name(shown[i]) + " needs " + std::to_string(NeededWidth(shown[i])) +
                             " px of its " + std::to_string(shown[i]->width()));
        }
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const bool box_on_picture = (qobject_cast<const QLineEdit*>(shown[i]) != nullptr) !=
                                            (qobject_cast<const QLineEdit*>(shown[j]) != nullptr) &&
                                        (qobject_cast<const ImageControl*>(shown[i]) != nullptr ||
                                         qobject_cast<const ImageControl*>(shown[j]) != nullptr);
            const bool panel_on_tab_row =
                name(shown[i]) == "PageControl1" && name(shown[j]) == "Panel1";
            if (!box_on_picture && !panel_on_tab_row &&
                shown[i]->geometry().intersects(shown[j]->geometry())) {
                faults.push_back(name(shown[i]) + " overlaps " + name(shown[j]));
            }
        }
    }
    return faults;
}

struct LayoutCase {
    bool english;
    int wings;
};

class LayoutFit : public InTemporaryFolder, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutFit, EveryTextFitsAndNoControlsOverlap) {
    TForm1 form;
    form.show();  // lays out the tab row and the pages
    if (!GetParam().english) {
        Control<QAction>(form, "german1")->trigger();
    }
    // As many controls as the window ever shows at rest: all wings' boxes and the
    // manual margin, after a calculation.
    Control<QRadioButton>(form, QString("RadioButton%1").arg(GetParam().wings))->click();
    for (const char* four : {"RadioButton41t", "RadioButton42t", "RadioButton43t"}) {
        Control<QRadioButton>(form, four)->click();
    }
    Control<QRadioButton>(form, "RadioButton16")->click();
    auto* tabs = Control<QTabWidget>(form, "PageControl1");
    tabs->setCurrentWidget(Control<QWidget>(form, "TabSheet5"));
    Control<QPushButton>(form, "Button4")->click();

    std::vector<const QWidget*> containers{Control<QWidget>(form, "ClientArea"),
                                           Control<QWidget>(form, "Panel1")};
    for (int page = 0; page < tabs->count(); ++page) {
        if (tabs->isTabVisible(page)) {
            containers.push_back(tabs->widget(page));
        }
    }
    for (const char* panel : {"Panel2", "Panel3", "Panel4"}) {
        containers.push_back(Control<QWidget>(form, panel));
    }
    for (const QWidget* container : containers) {
        for (const std::string& fault : LayoutFaults(container)) {
            ADD_FAILURE() << container->objectName().toStdString() << ": " << fault;
        }
    }
    // The wing-count panel lies on the tab row right of the last tab, above the pages.
    const QRect panel = Control<QWidget>(form, "Panel1")->geometry();
    for (int page = 0; page < tabs->count(); ++page) {
        const QRect tab = tabs->tabBar()->tabRect(page).translated(
            tabs->tabBar()->mapTo(tabs->parentWidget(), QPoint(0, 0)));
        EXPECT_TRUE(!tabs->isTabVisible(page) || !tab.intersects(panel)) << page;
        EXPECT_GT(tabs->widget(page)->mapTo(tabs->parentWidget(), QPoint(0, 0)).y(),
                  panel.bottom());
    }
    // The layout font is drawn in the free sans that fits it.
    EXPECT_EQ(QFontInfo(Control<QLabel>(form, "Label4")->font()).family(), "Liberation Sans");
}

INSTANTIATE_TEST_SUITE_P(Window, LayoutFit,
                         ::testing::Values(LayoutCase{true, 1}, LayoutCase{true, 2},
                                           LayoutCase{true, 3}, LayoutCase{false, 1},
                                           LayoutCase{false, 2}, LayoutCase{false, 3}),
                         [](const ::testing::TestParamInfo<LayoutCase>& case_info) {
                             return std::string(case_info.param.english ? "English" : "Russian") +
                                    std::to_string(case_info.param.wings) + "Wings";
                         });

// On whatever screen the tests run on (1920 × 1080, also at twice the scale and at
// 144 dpi), the window with a frame fits the screen, and the client area it cannot
// show whole scrolls to its every corner.
TEST_F(InTemporaryFolder, WindowFitsTheScreenAndReachesEveryControl) {
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    const QRect room = form.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(QRect(form.pos(), form.size().grownBy(QMargins(8, 40, 8, 8)))))
        << form.width() << " x " << form.height() << " on " << room.width() << " x "
        << room.height();
    auto* scroll = Control<QScrollArea>(form, "ClientScroll");
    const QSize client = Control<QWidget>(form, "ClientArea")->size();
    EXPECT_GE(scroll->viewport()->width() + scroll->horizontalScrollBar()->maximum(),
              client.width());
    EXPECT_GE(scroll->viewport()->height() + scroll->verticalScrollBar()->maximum(),
              client.height());
    if (room.height() >= 700) {
        // Where the screen holds it, the window shows the whole layout without bars.
        EXPECT_EQ(scroll->viewport()->size(), client);
    }
}

struct WingCase {
    const char* name;
    const char* half_span;
    const char* chord;
    bool layout_font;  // shown in the layout's 12 pixels
};

class ValueLabels : public InTemporaryFolder, public ::testing::WithParamInterface<WingCase> {};

// Every digit shows left of the planform picture: in the layout's font up to
// 9999 mm span and 999.99 dm², in a smaller one beyond.
TEST_P(ValueLabels, KeepEveryDigitLeftOfThePlanform) {
    TForm1 form;
    Control<QLineEdit>(form, "Edit1")->setText(GetParam().half_span);
    Control<QLineEdit>(form, "Edit4")->setText(GetParam().chord);
    Control<QLineEdit>(form, "Edit5")->setText(GetParam().chord);
    const int picture_x = Control<ImageControl>(form, "Image1")->x();
    for (const char* name : {"Label_b1", "Label_s1", "Label_lm1", "Label_r251", "Label_lam1"}) {
        const auto* label = Control<QLabel>(form, name);
        EXPECT_LE(label->x() + NeededWidth(label), picture_x)
            << name << " " << label->text().toStdString();
    }
    const auto* area = Control<QLabel>(form, "Label_s1");
    EXPECT_EQ(area->font().pixelSize() == 12, GetParam().layout_font) << area->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Window, ValueLabels,
                         ::testing::Values(WingCase{"StartUp", "550", "230", true},
                                           WingCase{"Area120", "2000", "300", true},
                                           WingCase{"LargestRealistic", "4999", "1000", true},
                                           WingCase{"Area2400", "6000", "2000", true},
                                           WingCase{"Area19999", "49999", "2000", false},
                                           WingCase{"Saturated", "2147483647", "2147483647",
                                                    false}),
                         [](const ::testing::TestParamInfo<WingCase>& case_info) {
                             return std::string(case_info.param.name);
                         });

// A click into a position box and a key, arriving while the solve runs, wait for
// the calculation and then change the box, in the order they came; the running
// label fits meanwhile.
TEST_F(InTemporaryFolder, InputDuringCalculateIsHandledAfterIt) {
    TForm1 form;
    form.show();
    auto* box = Control<QLineEdit>(form, "Edit_x2");
    const QPointF at = box->mapTo(&form, QPoint(box->width() - 4, box->height() / 2));
    QString text_during_run;
    std::vector<std::string> faults_during_run{"not run"};
    form.SetPipelineRunner([&](Aircraft& aircraft, AnalysisData& data, PipelineObserver& window) {
        QWindow* window_handle = form.windowHandle();
        const QPointF global = form.mapToGlobal(at);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                window_handle,
                new QMouseEvent(type, at, global, Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
        }
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QCoreApplication::postEvent(window_handle,
                                        new QKeyEvent(type, Qt::Key_9, Qt::NoModifier, "9"));
        }
        const PipelineOutcome outcome = RunPipeline(aircraft, data, window);
        text_during_run = box->text();
        // "- calculation is running -" and the countdown fit beside ScrollBar1.
        faults_during_run = LayoutFaults(Control<QWidget>(form, "TabSheet5"));
        return outcome;
    });
    Control<QPushButton>(form, "Button4")->click();
    EXPECT_EQ(text_during_run, "800");
    EXPECT_TRUE(faults_during_run.empty()) << faults_during_run.front();
    EXPECT_TRUE(form.aircraft().results_valid);

    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(box->text(), "8009");
    EXPECT_FALSE(form.aircraft().results_valid);
    EXPECT_TRUE(Control<QPushButton>(form, "Button4")->isEnabled());
}

TEST(WindowIcon, MainWindowCarriesTheProgramIconOnceShown) {
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::sendPostedEvents();
    const QIcon icon = form.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

}  // namespace
}  // namespace kalvesta
