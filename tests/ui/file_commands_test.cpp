// "Open" and "Save" through the real window, the dialogs answered by a fake and the
// files real: exact bytes, the extension added or kept (the rule's cases are the
// format's test), odd files, failed writes, and the parts list of the balance
// window saved and opened with the design.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fake_file_dialogs.h"
#include "support/window_controls.h"
#include "ui/balance_window.h"
#include "ui/image_control.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Bytes;
using testing_support::Control;
using testing_support::FakeDialogs;
using testing_support::PutBytes;

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_ = std::make_unique<TForm1>();
        form_->SetFileDialogs(std::move(dialogs));
    }
    QString Path(const QString& name) const { return folder_.PathOf(name); }
    QString Text(const char* box) const { return form_->findChild<QLineEdit*>(box)->text(); }
    void SaveAs(const QString& name) {
        dialogs_->names.push_back(name);
        Control<QAction>(*form_, "Save2")->trigger();
    }
    void Open(const QString& name) {
        dialogs_->names.push_back(name);
        Control<QAction>(*form_, "Open2")->trigger();
    }

    testing_support::InEmptyFolder folder_;
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<TForm1> form_;
};

TEST_F(FileCommandsTest, SaveAsWritesTheDocumentedBytes) {
    form_->findChild<QLineEdit*>("Edit4")->setText("-310");    // a chord: saved as magnitude
    form_->findChild<QLineEdit*>("Edit_x3")->setText("-130");  // a position keeps its sign
    form_->findChild<QLineEdit*>("Edit24xx")->setText("12345");
    EXPECT_TRUE(Control<QToolButton>(*form_, "SpeedButton3")->isHidden());
    SaveAs(Path("plane"));
    const QByteArray bytes = Bytes(Path("plane.da4"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 54);  // 53 lines, each ended by CR LF
    EXPECT_EQ(lines[0], "   2\r");
    EXPECT_EQ(lines[2], " 310\r");             // wing 1 root chord
    EXPECT_EQ(lines[1 + 17 + 14], "12345\r");  // wing 2, leading edge of station 4
    EXPECT_EQ(lines[1 + 34 + 15], "-130\r");   // wing 3, x position
    EXPECT_EQ(lines[52], "   0\r");
    EXPECT_TRUE(lines[53].isEmpty());
    EXPECT_EQ(Control<QLabel>(*form_, "Lab_FName")->text(), Path("plane.da4"));
    EXPECT_FALSE(Control<QToolButton>(*form_, "SpeedButton3")->isHidden());
    EXPECT_TRUE(Control<QAction>(*form_, "Save3")->isVisible());
}

TEST_F(FileCommandsTest, OpenRestoresEveryBoxAndCount) {
    SaveAs(Path("three.da4"));
    const QByteArray saved = Bytes(Path("three.da4"));
    QByteArray edited = saved;
    edited.replace(0, 4, "   3");  // three wings
    // A fuselage in its section is opened with the design and saved again.
    const QByteArray fuselage = "[fuselage] 2\r\nx_mm,width_mm\r\n-250,60\r\n880.5,0\r\n";
    edited += fuselage;
    PutBytes(Path("three.da4"), edited);
    form_->findChild<QLineEdit*>("Edit1")->setText("123");
    dialogs_->save_choices.push_back(SaveChoice::kDiscard);
    Open(Path("three.da4"));
    EXPECT_TRUE(form_->findChild<QRadioButton*>("RadioButton3")->isChecked());
    EXPECT_EQ(Text("Edit1"), " 550");
    EXPECT_EQ(Text("Edit_x3"), "-130");
    EXPECT_EQ(form_->aircraft().wing_count, 3);
    EXPECT_EQ(form_->findChild<QLabel*>("Label_b1")->text(), "1100mm");
    EXPECT_EQ(Control<QLabel>(*form_, "Lab_FName")->text(), Path("three.da4"));
    EXPECT_EQ(form_->workbench().design().fuselage(), (Fuselage{{{-250, 60}, {880.5, 0}}}));
    EXPECT_FALSE(Control<QWidget>(*form_, "FileNote")->isVisibleTo(form_.get()));
    SaveAs(Path("again.da4"));
    EXPECT_EQ(Bytes(Path("again.da4")), edited);
}

// "Open" fills the window at once, without each box's handler: what it shows must
// be what typing the same values shows, picture for picture and label for label.
TEST_F(FileCommandsTest, OpenShowsWhatTypingTheValuesShows) {
    Open(QString(KALVESTA_SOURCE_DIR) +
         "/tests/fuzz/corpus/da4_analysis/three_wings_four_trapezoids.da4");
    TForm1 typed;
    testing_support::WingCountButton(typed, 3)->click();
    const auto type = [](QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        for (int trapezoids = 1; trapezoids <= kMaxTrapezoids; ++trapezoids) {
            if (testing_support::TrapezoidButton(*form_, wing, trapezoids)->isChecked()) {
                testing_support::TrapezoidButton(typed, wing, trapezoids)->click();
            }
        }
        for (int box = 0; box < kWingBoxCount; ++box) {
            type(testing_support::WingBox(typed, wing, box),
                 testing_support::WingBox(*form_, wing, box)->text());
        }
    }
    // The heights last: each keystroke in a position box prepares the aircraft with the
    // positions stored by the one before.
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        type(testing_support::PositionXBox(typed, wing),
             testing_support::PositionXBox(*form_, wing)->text());
    }
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        type(testing_support::PositionZBox(typed, wing),
             testing_support::PositionZBox(*form_, wing)->text());
    }
    for (const ImageControl* picture : form_->findChildren<ImageControl*>()) {
        EXPECT_EQ(picture->image(), Control<ImageControl>(typed, picture->objectName())->image())
            << picture->objectName().toStdString();
    }
    for (const QLabel* label : form_->findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty() && label->objectName() != "Lab_FName") {
            EXPECT_EQ(label->text(), Control<QLabel>(typed, label->objectName())->text())
                << label->objectName().toStdString();
        }
    }
}

TEST_F(FileCommandsTest, ShortFilesAndOddCountsLoadWithANote) {
    // Eleven lines, LF ends, a first line out of range: the rest reads as 0 and the
    // wing-count button stays, and the model's count with it.
    PutBytes(Path("short.da4"), "   5\n   4\n 200\n 100\n 0\n0\n0\n 7\n 300\n\n-20\t\n");
    Control<QRadioButton>(*form_, "RadioButton3")->click();
    dialogs_->save_choices.push_back(SaveChoice::kDiscard);
    Open(Path("short.da4"));
    EXPECT_TRUE(dialogs_->errors.isEmpty());
    EXPECT_TRUE(form_->findChild<QRadioButton*>("RadioButton3")->isChecked());
    EXPECT_EQ(form_->aircraft().wing_count, 3);
    EXPECT_TRUE(form_->findChild<QRadioButton*>("RadioButton41t")->isChecked());
    EXPECT_EQ(Text("Edit4"), " 200");
    EXPECT_EQ(Text("Edit1"), " 300");
    EXPECT_EQ(Text("Edit01"), "   7");
    EXPECT_EQ(Text("Edit3"), " -20");  // a span as read; the model takes its magnitude
    EXPECT_EQ(Text("Edit8"), "   0");
    EXPECT_EQ(Text("Edit_x1"), "   0");
    EXPECT_EQ(Text("Edit14"), "   0");
    // Wing-2 has no chord left: the frame of its picture has the red that drawing a
    // wing without outline leaves, as every redrawing of the loaded wing gave it.
    EXPECT_EQ(Control<ImageControl>(*form_, "Image11")->image().pixelColor(0, 0), QColor(Qt::red));
    // What the reading filled in and kept is noted beside the answer, not asked about.
    auto* note = Control<QWidget>(*form_, "FileNote");
    EXPECT_TRUE(note->isVisibleTo(form_.get()));
    EXPECT_EQ(Control<QLabel>(*form_, "FileNoteText")->toolTip(),
              "Opened \"short.da4\" with gaps filled: lines from 12 on were missing and read as "
              "0; line 10 held no whole number and was read as 0; the wing count 5 is not 1 to "
              "3, so 3 was kept; Wing-2's trapezoid count 0 is not 1 to 4, so 1 was kept; "
              "Wing-3's trapezoid count 0 is not 1 to 4, so 1 was kept.");
    Control<QToolButton>(*form_, "FileNoteClose")->click();
    EXPECT_FALSE(note->isVisibleTo(form_.get()));
}

TEST_F(FileCommandsTest, CancelledOpenStillRecomputesAndOffersSave) {
    form_->findChild<QLineEdit*>("Edit1")->setText("600");
    dialogs_->save_choices.push_back(SaveChoice::kDiscard);
    Control<QAction>(*form_, "Open2")->trigger();  // no name queued: cancelled
    EXPECT_FALSE(form_->aircraft().results_valid);
    EXPECT_FALSE(Control<QToolButton>(*form_, "SpeedButton3")->isHidden());
    EXPECT_TRUE(Control<QAction>(*form_, "Save3")->isVisible());
    EXPECT_EQ(form_->aircraft().current_file_name, "Unknown.da4");
    // A design without a name: "Save" asks for one rather than write "Unknown.da4".
    Control<QAction>(*form_, "Save3")->trigger();
    EXPECT_EQ(dialogs_->asked, QStringList({"changes Unknown.da4", "open ", "save plane.da4"}));
    EXPECT_FALSE(QFile::exists(Path("Unknown.da4")));
}

// The title names the file and marks a design that differs from it; the dialogs
// start in the file's folder; a replaced file is asked for, and "Cancel" asks
// for another name.
TEST_F(FileCommandsTest, TitleFolderAndReplaceFollowTheFile) {
    const QString caption = " Kalvesta4  V1.12  beta";
    EXPECT_EQ(form_->windowTitle(), caption);
    form_->findChild<QLineEdit*>("Edit1")->setText("600");
    EXPECT_EQ(form_->windowTitle(), caption + " – Unknown.da4 *");
    QDir().mkpath(Path("sub"));
    SaveAs(Path("sub/plane"));
    EXPECT_EQ(form_->windowTitle(), caption + " – plane.da4");
    form_->findChild<QLineEdit*>("Edit1")->setText("601");
    form_->findChild<QLineEdit*>("Edit1")->setText("600");  // back as saved: not modified
    EXPECT_EQ(form_->windowTitle(), caption + " – plane.da4");
    const QByteArray saved = Bytes(Path("sub/plane.da4"));

    form_->findChild<QRadioButton*>("RadioButton3")->click();
    dialogs_->names = {Path("sub/plane"), Path("sub/plane.da4")};
    dialogs_->replace_answers = {false, true};
    Control<QAction>(*form_, "Save2")->trigger();
    EXPECT_NE(Bytes(Path("sub/plane.da4")), saved);
    Control<QAction>(*form_, "Open2")->trigger();  // nothing to save, then cancelled
    EXPECT_EQ(dialogs_->asked, QStringList({"save plane.da4", "save " + Path("sub/plane.da4"),
                                            "replace plane.da4", "save " + Path("sub/plane.da4"),
                                            "replace plane.da4", "open " + Path("sub")}));
}

// A long path loses its beginning in the label, never its name; the tip holds it all.
TEST_F(FileCommandsTest, LongPathShowsItsEndInTheLabel) {
    const QString deep = QString("folder-with-a-long-name/").repeated(8);
    QDir().mkpath(Path(deep));
    SaveAs(Path(deep + "plane.da4"));
    const auto* label = Control<QLabel>(*form_, "Lab_FName");
    EXPECT_TRUE(label->text().startsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_TRUE(label->text().endsWith("/plane.da4"));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(label->toolTip(), Path(deep + "plane.da4"));
}

// A file that cannot be read, or in which not one line holds a number (no aircraft
// file), is refused with its name, and the design in the window stays with its name.
TEST_F(FileCommandsTest, FileThatCannotBeLoadedKeepsTheDesign) {
    QByteArray garbage;
    for (int i = 0; i < 3000; ++i) {
        garbage += static_cast<char>("ab\n\x01\xff-"[i % 6]);
    }
    PutBytes(Path("garbage.da4"), garbage);
    form_->findChild<QLineEdit*>("Edit1")->setText("600");
    for (const QString name : {"missing.da4", "garbage.da4"}) {
        dialogs_->save_choices.push_back(SaveChoice::kDiscard);
        dialogs_->errors.clear();
        Open(Path(name));
        ASSERT_EQ(dialogs_->errors.size(), 1) << name.toStdString();
        EXPECT_TRUE(dialogs_->errors[0].contains(name));
        EXPECT_EQ(Text("Edit1"), "600");
        EXPECT_EQ(form_->aircraft().current_file_name, "Unknown.da4");
        EXPECT_EQ(form_->windowTitle(), " Kalvesta4  V1.12  beta – Unknown.da4 *");
    }
}

// Every way the design could be dropped asks first when it is modified: the
// title bar's close button, "Exit", "Open", and a wing count that drops a wing.
struct DropCase {
    const char* name;
    void (*drop)(TForm1&);
    bool (*dropped)(const TForm1&, const FakeDialogs&);
};

const DropCase kDropCases[] = {
    {"Close", [](TForm1& form) { form.close(); },
     [](const TForm1& form, const FakeDialogs&) { return form.isHidden(); }},
    {"Exit", [](TForm1& form) { Control<QAction>(form, "Exit1")->trigger(); },
     [](const TForm1& form, const FakeDialogs&) { return form.isHidden(); }},
    {"Open", [](TForm1& form) { Control<QAction>(form, "Open2")->trigger(); },
     [](const TForm1&, const FakeDialogs& dialogs) {
         return dialogs.asked.last().startsWith("open");
     }},
    {"OneWing", [](TForm1& form) { Control<QRadioButton>(form, "RadioButton1")->click(); },
     [](const TForm1& form, const FakeDialogs&) {
         return form.aircraft().wing_count == 1 &&
                Control<QRadioButton>(form, "RadioButton1")->isChecked();
     }},
};

struct DropAnswer {
    const char* name;
    std::optional<SaveChoice> answer;  // nothing: the design is not modified
    bool dropped;
};

const DropAnswer kDropAnswers[] = {{"Save", SaveChoice::kSave, true},
                                   {"Discard", SaveChoice::kDiscard, true},
                                   {"Cancel", SaveChoice::kCancel, false},
                                   {"Unmodified", std::nullopt, true}};

class DropDesignTest : public FileCommandsTest,
                       public ::testing::WithParamInterface<std::tuple<DropCase, DropAnswer>> {};

TEST_P(DropDesignTest, AsksBeforeAModifiedDesignIsDropped) {
    const auto& [action, reply] = GetParam();
    form_->show();
    if (reply.answer) {
        form_->findChild<QLineEdit*>("Edit1")->setText("600");
        dialogs_->save_choices.push_back(*reply.answer);
        dialogs_->names.push_back(Path("kept"));  // the name "Save" asks for
    }
    action.drop(*form_);
    EXPECT_EQ(action.dropped(*form_, *dialogs_), reply.dropped);
    EXPECT_EQ(dialogs_->asked.contains("changes Unknown.da4"), reply.answer.has_value());
    const QByteArray kept = Bytes(Path("kept.da4"));
    EXPECT_EQ(!kept.isEmpty(), reply.answer == SaveChoice::kSave);
    if (!kept.isEmpty()) {
        // Saved as it was before the drop: two wings, the typed span.
        EXPECT_TRUE(kept.startsWith("   2\r\n")) << kept.left(6).toStdString();
        EXPECT_TRUE(kept.contains("\r\n 600\r\n"));
    }
    if (!reply.dropped) {
        EXPECT_TRUE(form_->isVisible());
        EXPECT_TRUE(Control<QRadioButton>(*form_, "RadioButton2")->isChecked());
        EXPECT_EQ(form_->aircraft().wing_count, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, DropDesignTest,
    ::testing::Combine(::testing::ValuesIn(kDropCases), ::testing::ValuesIn(kDropAnswers)),
    [](const ::testing::TestParamInfo<std::tuple<DropCase, DropAnswer>>& param_info) {
        return std::string(std::get<0>(param_info.param).name) + std::get<1>(param_info.param).name;
    });

TEST_F(FileCommandsTest, FailedWriteLeavesTheEarlierFileAndTheName) {
    SaveAs(Path("good.da4"));
    const QByteArray good = Bytes(Path("good.da4"));
    // A path whose parent is a file cannot be written.
    SaveAs(Path("good.da4/inner.da4"));
    ASSERT_EQ(dialogs_->errors.size(), 1);
    EXPECT_TRUE(dialogs_->errors[0].contains("inner.da4"));
    EXPECT_EQ(Bytes(Path("good.da4")), good);
    EXPECT_EQ(Control<QLabel>(*form_, "Lab_FName")->text(), Path("good.da4"));
    // "Save" goes on writing to the file the window shows.
    form_->findChild<QLineEdit*>("Edit1")->setText("600");
    Control<QAction>(*form_, "Save3")->trigger();
    EXPECT_NE(Bytes(Path("good.da4")), good);
    EXPECT_EQ(dialogs_->errors.size(), 1);
}

// Rows of the top view where the parts' centre-of-gravity bar crosses the column 5
// pixels right of the centre line, in black (the y axis, black across the whole
// picture, left out).
std::vector<int> PartsMarkRows(const QImage& top_view) {
    std::vector<int> rows;
    for (int y = 0; y < top_view.height(); ++y) {
        if (top_view.pixel(313, y) == qRgb(0, 0, 0) && top_view.pixel(5, y) != qRgb(0, 0, 0)) {
            rows.push_back(y);
        }
    }
    return rows;
}

TEST_F(FileCommandsTest, NewStartsAfreshAndRecentFilesForgetWhatIsGone) {
    form_->findChild<QLineEdit*>("Edit4")->setText("280");
    SaveAs(Path("plane"));
    QMenu* recent = Control<QMenu>(*form_, "Recent1");
    ASSERT_FALSE(recent->actions().isEmpty());
    EXPECT_EQ(testing_support::Shown(recent->actions().first()->text()), "1 plane.da4");

    form_->findChild<QLineEdit*>("Edit4")->setText("270");
    dialogs_->save_choices.push_back(SaveChoice::kDiscard);
    Control<QAction>(*form_, "New1")->trigger();
    EXPECT_TRUE(dialogs_->asked.contains("changes plane.da4"));
    EXPECT_EQ(Text("Edit4"), "310");
    EXPECT_FALSE(Control<QAction>(*form_, "Undo1")->isEnabled());
    EXPECT_FALSE(form_->windowTitle().contains("plane"));

    QFile::remove(Path("plane.da4"));
    recent->actions().first()->trigger();
    ASSERT_EQ(dialogs_->errors.size(), 1);
    EXPECT_TRUE(dialogs_->errors.front().contains(Path("plane.da4")));
    for (const QAction* item : recent->actions()) {
        EXPECT_NE(item->toolTip(), Path("plane.da4"));
    }
}

TEST_F(FileCommandsTest, BalanceFollowsEveryKeystrokeAndTravelsWithTheDesign) {
    Control<QPushButton>(*form_, "Button4")->click();
    Control<QAction>(*form_, "Balance1")->trigger();
    auto* balance = Control<BalanceWindow>(*form_, "BalanceWindow");
    const QImage& top_view = Control<ImageControl>(*form_, "Image2")->image();
    EXPECT_TRUE(PartsMarkRows(top_view).empty());
    // Five parts of 808 g at x_cg = 59280 / 808 = 73.37 mm, behind 71.55 mm (8 %).
    balance->PasteRows(
        "part\tmass_g\tx_mm\nmotor\t110\t-60\nbattery\t150\t-20\n"
        "receiver\t10\t20\nservo\t18\t60\nairframe\t520\t130\n");
    const auto verdict = [&] { return Control<QLabel>(*balance, "BalanceVerdict")->text(); };
    EXPECT_EQ(verdict(), "Tail-heavy by 1.8 mm (recommended 49.8 to 71.5 mm)");
    const std::vector<int> tail_heavy_rows = PartsMarkRows(top_view);
    ASSERT_FALSE(tail_heavy_rows.empty());

    // The battery 60 mm forward, typed: (59280 − 150 · 60) / 808 = 62.23 mm.
    auto* table = Control<QTableView>(*balance, "PartsTable");
    table->setCurrentIndex(table->model()->index(1, 2));
    table->edit(table->currentIndex());
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "-");
    EXPECT_EQ(Control<QLabel>(*balance, "BalanceTotals")->text(), "Row 2: x \"-\" is not a number");
    EXPECT_TRUE(PartsMarkRows(top_view).empty());
    QTest::keyClicks(editor, "80");
    EXPECT_EQ(verdict(), "Inside (recommended 49.8 to 71.5 mm)");
    EXPECT_LT(PartsMarkRows(top_view).front(), tail_heavy_rows.front());

    // Saved with the design in its file, opened again unchanged, saved again to the
    // same bytes.
    SaveAs(Path("plane"));
    const QByteArray saved = Bytes(Path("plane.da4"));
    EXPECT_TRUE(
        saved.contains("\r\n[parts] 5\r\npart,mass_g,x_mm\r\nmotor,110,-60\r\n"
                       "battery,150,-80\r\n"))
        << saved.toStdString();
    // A part added and not saved counts as a change of the design, until it is undone.
    EXPECT_FALSE(form_->windowTitle().endsWith(" *"));
    balance->PasteRows("tail wheel\t5\t900\n");
    EXPECT_TRUE(form_->windowTitle().endsWith(" *"));
    auto* undo = Control<QAction>(*form_, "Undo1");
    EXPECT_EQ(testing_support::Shown(undo->text()), "Undo paste");
    undo->trigger();
    EXPECT_FALSE(form_->windowTitle().endsWith(" *"));
    Control<QAction>(*form_, "Redo1")->trigger();
    EXPECT_TRUE(form_->windowTitle().endsWith(" *"));
    dialogs_->save_choices.push_back(SaveChoice::kDiscard);
    Open(Path("plane.da4"));
    EXPECT_TRUE(dialogs_->asked.contains("changes plane.da4"));
    EXPECT_EQ(table->model()->rowCount(), 5);
    SaveAs(Path("again"));
    EXPECT_EQ(Bytes(Path("again.da4")), saved);
    EXPECT_TRUE(dialogs_->errors.isEmpty());

    // A row that breaks the rules: nothing is saved, and the row is named.
    table->model()->setData(table->model()->index(0, 1), "five");
    Control<QAction>(*form_, "Save3")->trigger();
    ASSERT_EQ(dialogs_->errors.size(), 1);
    EXPECT_TRUE(dialogs_->errors[0].endsWith("Row 1: mass \"five\" is not a number"))
        << dialogs_->errors[0].toStdString();
    EXPECT_EQ(Bytes(Path("again.da4")), saved);
}

// A part's cell in inches and ounces: what is typed, the mm or g text the design
// keeps (and its file holds), and what the cell shows again.
struct PartCellCase {
    int column;
    const char* typed;
    const char* stored;
    const char* shown;
};

class PartCellsInInches : public ::testing::TestWithParam<PartCellCase> {};

TEST_P(PartCellsInInches, RoundTripThroughTheDesign) {
    const PartCellCase& c = GetParam();
    TForm1 form;
    Control<QAction>(form, "Inches1")->trigger();
    Control<QAction>(form, "Ounces1")->trigger();
    Control<QAction>(form, "Balance1")->trigger();
    auto* balance = Control<BalanceWindow>(form, "BalanceWindow");
    QAbstractItemModel* table = Control<QTableView>(*balance, "PartsTable")->model();
    EXPECT_EQ(table->headerData(1, Qt::Horizontal).toString(), "Mass (oz)");
    EXPECT_EQ(table->headerData(2, Qt::Horizontal).toString(), "x (in, aft +)");
    balance->PasteRows("motor\t4\t-2\n");
    table->setData(table->index(0, c.column), c.typed);
    const PartCells& stored = form.workbench().design().parts().row(0);
    EXPECT_EQ(CellAt(stored, c.column), c.stored);
    EXPECT_EQ(table->index(0, c.column).data().toString(), c.shown);
    // The setting outlives the window: the next one starts in mm and g again.
    Control<QAction>(form, "Millimetres1")->trigger();
    Control<QAction>(form, "Grams1")->trigger();
    EXPECT_EQ(table->index(0, c.column).data().toString(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Window, PartCellsInInches,
                         ::testing::Values(PartCellCase{2, "12.25", "311.15", "12.25"},
                                           PartCellCase{2, "12,25", "311.15", "12.25"},
                                           PartCellCase{2, "-3.5", "-88.9", "-3.5"},
                                           PartCellCase{2, "0.0001", "0.00254", "0.0001"},
                                           PartCellCase{1, "3.5", "99.223331", "3.5"},
                                           PartCellCase{1, "0.425", "12.048547", "0.425"},
                                           PartCellCase{1, "1/2", "1/2", "1/2"}));

}  // namespace
}  // namespace kalvesta
