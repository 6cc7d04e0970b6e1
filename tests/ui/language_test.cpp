// Language switch, the language file and start-up in the language it remembers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "support/window_controls.h"
#include "ui/tform1.h"
#include "ui/tform2.h"

namespace kalvesta {
namespace {

using testing_support::Control;
using testing_support::Shown;

// Each test runs in its own empty current directory, where "Default.pa4" lives.
class LanguageTest : public ::testing::Test {
protected:
    static void WriteLanguageFile(const QByteArray& bytes) {
        QFile file("Default.pa4");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray LanguageFile() { return testing_support::Bytes("Default.pa4"); }

private:
    testing_support::InEmptyFolder folder_;
};

QString TabText(const TForm1& form, const char* page) {
    return Control<QTabWidget>(form, "PageControl1")
        ->tabText(
            Control<QTabWidget>(form, "PageControl1")->indexOf(form.findChild<QWidget*>(page)));
}

TEST_F(LanguageTest, SwitchingWritesTheFileAndFlipsTheCaptions) {
    TForm1 form;
    EXPECT_EQ(TabText(form, "TabSheet1"), " Wing-1 ");
    Control<QAction>(form, "german1")->trigger();
    EXPECT_FALSE(form.aircraft().english_captions);
    EXPECT_EQ(LanguageFile(), QByteArray("d\r\n"));
    EXPECT_EQ(Control<QPushButton>(form, "Button4")->text(), "Рассчитать");
    EXPECT_EQ(Shown(Control<QAction>(form, "Save3")->text()), "Сохранить");
    EXPECT_EQ(Shown(Control<QAction>(form, "german1")->text()), "english");
    EXPECT_EQ(form.findChild<QLabel*>("Label4")->text(), "Геометрический центр  (r25):");
    // The value labels keep their numbers.
    EXPECT_EQ(form.findChild<QLabel*>("Label_b1")->text(), "1100mm");

    Control<QAction>(form, "german1")->trigger();
    EXPECT_TRUE(form.aircraft().english_captions);
    EXPECT_EQ(LanguageFile(), QByteArray("e\r\n"));
    // Back in English the tabs carry the switched captions, not the start-up ones.
    EXPECT_EQ(TabText(form, "TabSheet1"), "  Wing-1 ");
    EXPECT_EQ(TabText(form, "TabSheet5"), "  Aircraft  ");
    EXPECT_EQ(Shown(Control<QAction>(form, "german1")->text()), "Русский");
}

TEST_F(LanguageTest, MemoHeadingFollowsTheLanguageAtEveryCalc) {
    TForm1 form;
    EXPECT_EQ(Control<QPlainTextEdit>(form, "Memo1")->toPlainText(), "Error: ");
    Control<QAction>(form, "german1")->trigger();
    form.RecomputeAircraft();
    EXPECT_EQ(Control<QPlainTextEdit>(form, "Memo1")->toPlainText(), "Fehler: ");
    EXPECT_TRUE(Control<QPlainTextEdit>(form, "Memo1")->isHidden());
}

struct StartCase {
    const char* bytes;  // nullptr: no language file
    bool english;
    bool pipe = false;  // the language file is a named pipe that no program writes
};

class StartLanguageTest : public LanguageTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartLanguageTest, StartsInTheRememberedLanguage) {
    if (GetParam().bytes != nullptr) {
        WriteLanguageFile(GetParam().bytes);
    }
    if (GetParam().pipe) {
        ASSERT_EQ(::mkfifo("Default.pa4", 0600), 0);
    }
    TForm1 form;
    EXPECT_EQ(form.aircraft().english_captions, GetParam().english);
    EXPECT_EQ(Control<QPushButton>(form, "Button4")->text(),
              GetParam().english ? "Calculate" : "Рассчитать");
    EXPECT_EQ(Control<QPlainTextEdit>(form, "Memo1")->toPlainText(),
              GetParam().english ? "Error: " : "Fehler: ");
    EXPECT_EQ(Control<QTabWidget>(form, "PageControl1")->currentWidget(),
              Control<QWidget>(form, "TabSheet5"));
    EXPECT_TRUE(Control<QPushButton>(form, "Button4")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(form, "Button6")->isHidden());
}

INSTANTIATE_TEST_SUITE_P(LanguageFiles, StartLanguageTest,
                         ::testing::Values(StartCase{"e\r\n", true}, StartCase{"d\r\n", false},
                                           StartCase{"E\r\n", false}, StartCase{"", false},
                                           StartCase{nullptr, true},
                                           StartCase{nullptr, true, true}));

TEST_F(LanguageTest, InfoWindowIsEnglishOrGermanAndRefreshedAtEachOpening) {
    TForm1 form;
    Control<QAction>(form, "Info1")->trigger();
    TForm2* info = form.info_window();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), " Info");
    EXPECT_EQ(info->Label(1)->text(), "   Kalvesta calculates the aerodynamic center   ");
    EXPECT_EQ(info->Label(7)->text(), "range for the center of gravity");
    Control<QAction>(form, "german1")->trigger();
    // Russian captions: the description is German, and only after the next opening.
    EXPECT_EQ(info->Label(2)->text(), "of an aircraft and suggests a suitable");
    Control<QAction>(form, "Info1")->trigger();
    EXPECT_EQ(info->Label(2)->text(), "Flugzeugs und schlägt einen günstigen ");
    EXPECT_FALSE(info->Label(3)->text().contains('@'));
    info->hide();
}

}  // namespace
}  // namespace kalvesta
