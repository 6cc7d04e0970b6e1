// Language switch, the language file and start-up in the language it remembers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "support/window_controls.h"
#include "ui/file_dialogs.h"
#include "ui/length_dialog.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/window_language.h"

namespace kalvesta {
namespace {

using testing_support::Control;
using testing_support::Shown;

// Each test runs in its own empty current directory, where "Default.pa4" lives.
class LanguageTest : public ::testing::Test {
protected:
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
    EXPECT_EQ(form.language().language(), Language::kRussian);
    EXPECT_EQ(LanguageFile(), QByteArray("d\r\n"));
    EXPECT_EQ(Control<QPushButton>(form, "Button4")->text(), "Рассчитать");
    EXPECT_EQ(Shown(Control<QAction>(form, "Save3")->text()), "Сохранить");
    EXPECT_EQ(Shown(Control<QAction>(form, "german1")->text()), "english");
    EXPECT_EQ(form.findChild<QLabel*>("Label4")->text(), "Геометрический центр  (r25):");
    // The value labels keep their numbers.
    EXPECT_EQ(form.findChild<QLabel*>("Label_b1")->text(), "1100mm");

    Control<QAction>(form, "german1")->trigger();
    EXPECT_EQ(form.language().language(), Language::kEnglish);
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
        testing_support::PutBytes("Default.pa4", GetParam().bytes);
    }
    if (GetParam().pipe) {
        ASSERT_EQ(::mkfifo("Default.pa4", 0600), 0);
    }
    TForm1 form;
    EXPECT_EQ(form.language().language() == Language::kEnglish, GetParam().english);
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
    EXPECT_EQ(info->Label(3)->text(),
              "Идея и формулы: разработчики Kalvesta4");  // follows the window
    info->hide();
}

// Reads every modal dialog that opens (its title, and the texts of its labels and
// buttons, mnemonics removed), then closes it.
class ModalReader {
public:
    ModalReader() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr || dialog == read_) {
                return;
            }
            read_ = dialog;
            // The next dialog may come at the same address.
            QObject::connect(qobject_cast<QDialog*>(dialog), &QDialog::finished, &timer_,
                             [this] { read_ = nullptr; });
            QStringList texts{dialog->windowTitle()};
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                texts << label->text();
            }
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                texts << testing_support::Shown(button->text());
            }
            dialogs << texts;
            QMetaObject::invokeMethod(dialog, "reject");
        });
        timer_.start(10);
    }
    QList<QStringList> dialogs;

private:
    QWidget* read_ = nullptr;
    QTimer timer_;
};

// A text in Latin letters alone, without a Cyrillic one.
bool LatinOnly(const QString& text) {
    bool latin = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) {
            return false;
        }
        latin = latin || (c.toLower() >= u'a' && c.toLower() <= u'z');
    }
    return latin;
}

// In Russian, every dialog and message the program adds beyond the documented ones
// speaks Russian: no title, label or button in Latin letters alone but the
// program's name.
TEST_F(LanguageTest, AddedDialogsAndMessagesSpeakRussian) {
    TForm1 form;
    Control<QAction>(form, "german1")->trigger();
    ModalReader reader;
    const auto ask = [&](const std::function<void()>& open) {
        open();
        QCoreApplication::processEvents();
    };
    ask([&] { Control<QAction>(form, "StaticMargin1")->trigger(); });  // "calculate first"
    ask([&] { form.OpenFile(QStringLiteral("missing.da4")); });
    testing_support::PutBytes("empty.da4", "");
    ask([&] { form.OpenFile(QStringLiteral("empty.da4")); });
    QtFileDialogs dialogs;
    const Catalogue russian(Language::kRussian);
    ask([&] { dialogs.AskSaveChanges(&form, "plane.da4", russian); });
    ask([&] { dialogs.AskReplace(&form, "plane.da4", russian); });
    ask([&] { dialogs.ExportFileName(&form, "plane.avl", russian); });
    ask([&] { LengthDialog::Ask(&form, "x (мм):", "abc", russian); });
    Control<QPushButton>(form, "Button4")->click();
    ask([&] { Control<QAction>(form, "StaticMargin1")->trigger(); });
    ask([&] { Control<QAction>(form, "ExportAvl1")->trigger(); });
    ASSERT_EQ(reader.dialogs.size(), 9) << [&] {
        QStringList heads;
        for (const QStringList& texts : reader.dialogs) {
            heads << texts.mid(0, 2).join(" / ");
        }
        return heads.join(" || ").toStdString();
    }();

    for (const QStringList& texts : reader.dialogs) {
        for (const QString& text : texts) {
            EXPECT_TRUE(!LatinOnly(text) || text == "Kalvesta4")
                << text.toStdString() << " in " << texts.join(" | ").toStdString();
        }
    }
}

}  // namespace
}  // namespace kalvesta
