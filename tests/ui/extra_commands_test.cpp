// The window's commands beyond the documented menus, offscreen: the static margin
// at a typed centre of gravity, the refined-lattice check and the AVL export, each
// answered through its real dialogs; opening a file as the command line does; and
// the save dialog pressed before a name is typed; the fuselage dialog and what the
// results add beside the documented ones.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <deque>
#include <functional>

#include "support/window_controls.h"
#include "ui/fuselage_dialog.h"
#include "ui/image_control.h"
#include "ui/length_dialog.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Shown;

// Answers the modal dialogs a command opens, in order: each answer gets the
// dialog once it is the active modal widget. Texts of message boxes are kept.
class DialogAnswers {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit DialogAnswers(std::deque<Answer> answers) : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr || dialog == answered_ || answers_.empty()) {
                return;
            }
            answered_ = dialog;
            // A dialog shown again may come back at the same address.
            if (auto* shown = qobject_cast<QDialog*>(dialog)) {
                QObject::connect(shown, &QDialog::finished, &timer_,
                                 [this] { answered_ = nullptr; });
            }
            const Answer answer = answers_.front();
            answers_.pop_front();
            answer(dialog);
        });
        timer_.start(10);
    }
    bool all_answered() const { return answers_.empty(); }

    // A message box: its text is appended to `texts`, then it is closed.
    static Answer Read(QStringList& texts) {
        return [&texts](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            texts << box->text();
            box->accept();
        };
    }
    // The length dialog: `text` typed, then "OK".
    static Answer Type(const QString& text) {
        return [text](QWidget* dialog) {
            auto* box = dialog->findChild<QLineEdit*>("LengthBox");
            ASSERT_NE(box, nullptr);
            box->setText(text);
            QMetaObject::invokeMethod(dialog, "accept");
        };
    }
    // A progress dialog: its label is kept; it is left to run, or cancelled.
    static Answer Progress(QString& label, bool cancel) {
        return [&label, cancel](QWidget* dialog) {
            auto* progress = qobject_cast<QProgressDialog*>(dialog);
            ASSERT_NE(progress, nullptr);
            label = progress->labelText();
            if (cancel) {
                progress->findChild<QPushButton*>()->click();
            }
        };
    }
    // A file dialog accepted with the name box as it is.
    static Answer Accept() {
        return [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "accept"); };
    }
    static Answer Choose(const QString& path) {
        return [path](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            // selectFile leaves the name box alone while it has the focus, which it
            // gets once the dialog is active: take the focus away first.
            if (QWidget* focused = files->focusWidget()) {
                focused->clearFocus();
            }
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        };
    }

private:
    std::deque<Answer> answers_;
    QWidget* answered_ = nullptr;
    QTimer timer_;
};

class ExtraCommandsTest : public ::testing::Test {
protected:
    QAction* Command(const char* name) { return form_.findChild<QAction*>(name); }
    void Calculate() { form_.findChild<QPushButton*>("Button4")->click(); }
    QString PathOf(const QString& name) const { return folder_.PathOf(name); }

    // No language file from another test: the window starts in English.
    testing_support::InEmptyFolder folder_;
    TForm1 form_;
};

TEST_F(ExtraCommandsTest, CommandsFollowEveryDocumentedItem) {
    auto* file_menu = form_.findChild<QMenu*>("Open1");
    auto* edit_menu = form_.findChild<QMenu*>("EEdit1");
    ASSERT_NE(file_menu, nullptr);
    ASSERT_NE(edit_menu, nullptr);
    const QList<QAction*> file_items = file_menu->actions();
    const QList<QAction*> edit_items = edit_menu->actions();
    // Undo and redo on top of "Edit", then its documented items; "New" and the recent
    // files around "Open", the export with the files above "Exit".
    const auto names = [](const QList<QAction*>& items) {
        QStringList listed;
        for (const QAction* item : items) {
            listed << (item->menu() != nullptr ? item->menu()->objectName() : item->objectName());
        }
        return listed;
    };
    EXPECT_EQ(names(edit_items).mid(0, 8), QStringList({"Undo1", "Redo1", "", "wing11", "wing21",
                                                        "wing31", "aircraft1", "Fuselage1"}));
    EXPECT_EQ(names(file_items), QStringList({"New1", "Open2", "Recent1", "Save2", "Save3", "",
                                              "PrintTemplate1", "ExportAvl1", "", "Exit1"}));
    EXPECT_EQ(edit_items.last()->objectName(), "Balance1");
    EXPECT_EQ(Shown(Command("StaticMargin1")->text()), "Static margin at a centre of gravity…");
    EXPECT_EQ(Shown(Command("ExportAvl1")->text()), "Export AVL…");
    EXPECT_EQ(Shown(Command("Balance1")->text()), "Balance…");
    EXPECT_EQ(Shown(Command("PrintTemplate1")->text()), "Print balance template…");
}

TEST_F(ExtraCommandsTest, StaticMarginAsksForXAndMarksIt) {
    QStringList texts;
    {
        // Without results the command only says so.
        DialogAnswers answers({DialogAnswers::Read(texts)});
        Command("StaticMargin1")->trigger();
    }
    Calculate();
    auto* top_view = form_.findChild<ImageControl*>("Image2");
    const QImage without_mark = top_view->image();
    {
        DialogAnswers answers({DialogAnswers::Type("62"), DialogAnswers::Read(texts)});
        Command("StaticMargin1")->trigger();
        EXPECT_TRUE(answers.all_answered());
    }
    // The mark: a black bar across the centre line (6 pixels each side of 308, pen 2) and its
    // label right of it (from column 318); nothing else changes.
    int marked = 0;
    const QImage& marked_view = top_view->image();
    for (int y = 0; y < marked_view.height(); ++y) {
        for (int x = 0; x < marked_view.width(); ++x) {
            if (marked_view.pixel(x, y) != without_mark.pixel(x, y)) {
                EXPECT_GE(x, 301) << x << ", " << y;
                if (x < 318) {
                    EXPECT_EQ(marked_view.pixelColor(x, y), QColor(Qt::black)) << x << ", " << y;
                    ++marked;
                }
            }
        }
    }
    EXPECT_GT(marked, 0);
    {
        // Far ahead of the neutral point; then in Russian, with a decimal comma,
        // behind it: each result carries its remark.
        DialogAnswers ahead({DialogAnswers::Type("-200"), DialogAnswers::Read(texts)});
        Command("StaticMargin1")->trigger();
        Command("german1")->trigger();
        DialogAnswers behind({DialogAnswers::Type("100,5"), DialogAnswers::Read(texts)});
        Command("StaticMargin1")->trigger();
    }
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[0], "Please calculate first.");
    EXPECT_EQ(texts[1],
              "Static margin at x = 62.0 mm: 11.51 % of the reference length 271.98 mm\n"
              "(neutral point x_np = 93.31 mm).");
    EXPECT_TRUE(texts[2].endsWith("very nose-heavy and hard to pull up."))
        << texts[2].toStdString();
    EXPECT_TRUE(
        texts[3].startsWith("Запас устойчивости при x = 100.5 мм: -2.65 % от базовой длины"))
        << texts[3].toStdString();
    EXPECT_TRUE(texts[3].endsWith("модель неустойчива.")) << texts[3].toStdString();
}

// What is no length is refused in the dialog itself, with the reason, until mended.
TEST_F(ExtraCommandsTest, LengthDialogRefusesWhatIsNoLength) {
    LengthDialog dialog(&form_, "x (mm):", "1e300", Catalogue());
    auto* box = dialog.findChild<QLineEdit*>("LengthBox");
    auto* reason = dialog.findChild<QLabel*>("LengthReason");
    const auto ok = [&dialog] { return dialog.findChildren<QPushButton*>().first(); };
    EXPECT_EQ(reason->text(), "A length must lie between -100000 and 100000 mm.");
    EXPECT_FALSE(ok()->isEnabled());
    box->setText("abc");
    EXPECT_EQ(reason->text(), "\"abc\" is not a number.");
    box->setText("110,5");
    EXPECT_TRUE(reason->text().isEmpty());
    EXPECT_TRUE(ok()->isEnabled());
}

TEST_F(ExtraCommandsTest, RefinedCheckAnswersWithAVerdictAndKeepsTheResults) {
    Calculate();
    const double x_np = form_.analysis().results.x_np;
    QString progress;
    QStringList texts;
    {
        DialogAnswers answers(
            {DialogAnswers::Progress(progress, false), DialogAnswers::Read(texts)});
        Command("RefinedCheck1")->trigger();
    }
    // Whichever lattice the dialog was found on.
    EXPECT_TRUE(QRegularExpression("^Refined-lattice check: solving lattice [123] of 3…$")
                    .match(progress)
                    .hasMatch())
        << progress.toStdString();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0],
              "Neutral point on a fine lattice: x_np = 92.222 ± 0.006 mm (converged)\n"
              "Calculation: x_np = 93.31 mm\n"
              "Difference: -1.08 mm, -0.40 % of the reference length 271.98 mm\n"
              "The difference is negligible.\n"
              "Finest lattice, 2430 panels:\n"
              "Wing-1: lift slope 3.7022 per rad, x_ac 77.23 mm from x = 0\n"
              "Wing-2: lift slope 1.4120 per rad, x_ac 822.25 mm from x = 0");
    EXPECT_EQ(form_.analysis().results.x_np, x_np);
    EXPECT_EQ(form_.analysis().lattice.panel_count, 426);
}

// Cancelled, the check ends without an answer, in either language.
TEST_F(ExtraCommandsTest, RefinedCheckCancelledGivesNoAnswer) {
    Calculate();
    Command("german1")->trigger();
    QString progress;
    QStringList texts;
    {
        DialogAnswers answers(
            {DialogAnswers::Progress(progress, true), DialogAnswers::Read(texts)});
        Command("RefinedCheck1")->trigger();
    }
    EXPECT_TRUE(QRegularExpression("^Проверка на более мелкой сетке: решается сетка [123] из 3…$")
                    .match(progress)
                    .hasMatch())
        << progress.toStdString();
    EXPECT_TRUE(texts.isEmpty()) << texts.join("|").toStdString();
    EXPECT_TRUE(Command("RefinedCheck1")->isEnabled());
}

TEST_F(ExtraCommandsTest, ExportAvlWritesTheChosenFile) {
    Calculate();
    // ".avl" is added to the name, and the user is told where the file went.
    const QString avl = PathOf("plane.avl");
    QStringList texts;
    DialogAnswers answers({DialogAnswers::Choose(PathOf("plane")), DialogAnswers::Read(texts)});
    Command("ExportAvl1")->trigger();
    EXPECT_EQ(texts, QStringList("The aircraft was written for AVL to\n" + avl));
    const QByteArray text = testing_support::Bytes(avl);
    EXPECT_TRUE(
        text.startsWith("# Written by Kalvesta4 from Unknown.da4\n"
                        "Unknown.da4, on the program's own lattice (mm)\n"));
    EXPECT_EQ(text.count("SECTION"), 36);
}

TEST_F(ExtraCommandsTest, SaveAsProposesAName) {
    DialogAnswers answers({DialogAnswers::Accept()});
    form_.findChild<QAction*>("Save2")->trigger();
    EXPECT_TRUE(answers.all_answered());
    EXPECT_TRUE(QFile::exists(PathOf("plane.da4")));
}

TEST_F(ExtraCommandsTest, OpeningAFileAtStartIsOpen) {
    // A design with one wing, saved through the window, opened by a fresh window.
    form_.findChild<QRadioButton*>("RadioButton1")->click();
    const QString saved = PathOf("one.da4");
    form_.findChild<QAction*>("Save3")->setVisible(true);
    {
        DialogAnswers answers({DialogAnswers::Choose(saved)});
        form_.findChild<QAction*>("Save2")->trigger();
    }
    ASSERT_TRUE(QFile::exists(saved));
    TForm1 opened;
    opened.OpenFile(saved);
    EXPECT_EQ(opened.findChild<QLabel*>("Lab_FName")->text(), saved);
    EXPECT_TRUE(opened.findChild<QRadioButton*>("RadioButton1")->isChecked());
    EXPECT_TRUE(opened.findChild<QAction*>("Save3")->isVisible());

    // A file that cannot be read: Open's message, the start-up aircraft.
    TForm1 missing;
    QStringList texts;
    DialogAnswers answers({DialogAnswers::Read(texts)});
    missing.OpenFile(PathOf("missing.da4"));
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("Cannot open \"" + PathOf("missing.da4") + "\""));
    EXPECT_TRUE(missing.findChild<QRadioButton*>("RadioButton2")->isChecked());
    EXPECT_EQ(missing.findChild<QLabel*>("Lab_FName")->text(), "");
    EXPECT_EQ(missing.aircraft().current_file_name, "Unknown.da4");
}

TEST(FuselageDialogTest, PastedRowsAreCheckedAndOkWaitsForAUsableOutline) {
    const Catalogue texts;
    const struct {
        const char* pasted;
        const char* problem;  // "" for a usable outline
    } cases[] = {
        {"x_mm,width_mm\r\n0,10\r\n100,20\r\n", ""},
        {"x (mm)\twidth\n0\t1,5\n100\t2\n", ""},  // a spreadsheet's header, decimal comma
        {"0;10\n0;20",
         "Row 2: x 0 is not aft of the station before it (0): the stations go from "
         "nose to tail"},
        {"0,10\n100,-3", "Row 2: width \"-3\" is below 0"},
        {"0,10\n100,abc", "Row 2: width \"abc\" is not a number"},
        {"0,10", "one station has no length: a fuselage needs two or more"},
        {"0,0\n100,0", "every width is 0"},
        {"0,100\n50,100",
         "the greatest width (100 mm) exceeds the length (50 mm): not a slender body"},
    };
    for (const auto& c : cases) {
        FuselageDialog dialog(nullptr, {}, texts);
        dialog.PasteRows(c.pasted);
        EXPECT_EQ(dialog.reading().problem, c.problem) << c.pasted;
        EXPECT_EQ(dialog.findChild<QLabel*>("FuselageProblem")->text().startsWith("Length "),
                  *c.problem == '\0')
            << c.pasted;
        auto* ok = dialog.findChild<QDialogButtonBox*>()->buttons().first();
        EXPECT_EQ(ok->isEnabled(), *c.problem == '\0') << c.pasted;
    }
}

TEST_F(ExtraCommandsTest, FuselageIsOneStepAndTheResultsSayWhatItAdds) {
    const auto note = [this] { return form_.findChild<QLabel*>("AddedResults"); };
    form_.OpenFile(QString(KALVESTA_SOURCE_DIR) + "/bench/data/sailplane_root_gap.da4");
    Calculate();
    // Without a fuselage, the gap at the centre line and what closing it gives.
    EXPECT_FALSE(note()->isHidden());
    // The figures of `kalvesta4-cli bench/data/sailplane_root_gap.da4`.
    EXPECT_EQ(note()->text(),
              "Wing-1 has a 40 mm gap at the centre line that carries no lift. Wing-2 has a 20 mm "
              "gap at the centre line that carries no lift. Carried through a fuselage, the "
              "neutral point lies 4.1 mm further forward (x = 112.1 mm): describe the fuselage "
              "(Edit > Fuselage…).");
    const auto paste_sailplane = [](QWidget* dialog) {
        auto* fuselage = qobject_cast<FuselageDialog*>(dialog);
        ASSERT_NE(fuselage, nullptr);
        fuselage->PasteRows("-350\t20\n-300\t45\n-200\t60\n100\t60\n250\t40\n600\t22\n1020\t15");
        fuselage->accept();
    };
    {
        DialogAnswers answers({paste_sailplane});
        Command("Fuselage1")->trigger();
        EXPECT_TRUE(answers.all_answered());
    }
    Design& design = form_.workbench().design();
    ASSERT_EQ(design.fuselage().stations.size(), 7u);
    EXPECT_EQ(design.UndoStep()->kind, StepKind::kFuselage);
    EXPECT_TRUE(note()->isHidden());
    Calculate();
    const QStringList lines = note()->text().split('\n');
    ASSERT_EQ(lines.size(), 4) << note()->text().toStdString();
    // ... and with --fuselage bench/data/sailplane_fuselage.csv.
    EXPECT_EQ(lines,
              QStringList({"Neutral point as calculated: x_np = 116.2 mm.",
                           "Carried through the fuselage: x_np = 112.1 mm (-4.1 mm, -2.1 % "
                           "of the mean chord).",
                           "With the fuselage's own moment (Cm_alpha = 0.0292 per rad): "
                           "x_np = 111.1 mm (-1.0 mm, -0.5 % of the mean chord, from the "
                           "carried-through one).",
                           "The recommended centre of gravity comes from the neutral point "
                           "with the fuselage: x_cg (16%) = 79.8 mm, x_cg (8%) = 95.5 mm."}));
    EXPECT_TRUE(
        form_.findChild<QLabel*>("AnswerLine")->text().startsWith("Balance the model 80 to 95 mm"));
    // The refined check studies the aircraft carried through the fuselage and adds
    // the fuselage's moment, as --refine with --fuselage does.
    QString progress;
    QStringList refined;
    {
        DialogAnswers answers(
            {DialogAnswers::Progress(progress, false), DialogAnswers::Read(refined)});
        Command("RefinedCheck1")->trigger();
    }
    ASSERT_EQ(refined.size(), 1);
    EXPECT_TRUE(refined[0].startsWith(
        "Carried through the fuselage:\n"
        "Neutral point on a fine lattice: x_np = 111.126 ± 0.001 mm (converged)\n"
        "With the fuselage's moment: x_np = 110.145 mm (-0.981 mm)\n"
        "Calculation: x_np = 112.12 mm\n"))
        << refined[0].toStdString();

    // Undo takes the outline back; an empty table takes it away as one more step.
    design.Undo();
    EXPECT_FALSE(design.fuselage().Described());
    design.Redo();
    const auto empty_table = [](QWidget* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("FuselageTable");
        ASSERT_EQ(table->rowCount(), 7);
        table->selectAll();
        dialog->findChild<QPushButton*>("DeleteStationsButton")->click();
        QMetaObject::invokeMethod(dialog, "accept");
    };
    {
        DialogAnswers answers({empty_table});
        Command("Fuselage1")->trigger();
    }
    EXPECT_FALSE(design.fuselage().Described());
    design.Undo();
    EXPECT_EQ(design.fuselage().stations.size(), 7u);
}

}  // namespace
}  // namespace kalvesta
