// The balance window's controls, texts in English and Russian, and the table's
// reading, editing and pasting.
#include "ui/balance_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <set>
#include <string>

#include "files/parts_csv.h"
#include "ui/message_text.h"

namespace kalvesta {
namespace {

constexpr int kNameColumn = 0;
constexpr int kMassColumn = 1;
constexpr int kXColumn = 2;
constexpr int kColumnCount = 3;

// Cells are edited in a line edit that hands every keystroke to the table, so the
// figures follow the typing rather than the end of an edit.
class KeystrokeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<KeystrokeDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self,
                    [self, line] { emit self->commitData(line); });
        }
        return editor;
    }
};

void Colour(QLabel* label, QColor color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

constexpr QColor kInsideColour(0, 128, 0);
constexpr QColor kOutsideColour(192, 96, 0);
constexpr QColor kWrongColour(255, 0, 0);

}  // namespace

QString DescribeRowProblem(const TableRowProblem& problem, bool english) {
    // The fields are named as the table's columns are.
    const PartFieldNames columns{english ? "mass" : "масса", "x"};
    const std::string what =
        DescribePartRowProblem(problem.problem, problem.mass_text.toStdString(),
                               problem.x_text.toStdString(), english, columns);
    return InLanguage(english, "Row %1: %2", "Строка %1: %2")
        .arg(problem.row)
        .arg(QString::fromStdString(what));
}

BalanceWindow::BalanceWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("BalanceWindow");
    Build();
    ApplyLanguage(true);
}

void BalanceWindow::Build() {
    axis_note_ = new QLabel(this);
    axis_note_->setWordWrap(true);

    table_ = new QTableWidget(0, kColumnCount, this);
    table_->setObjectName("PartsTable");
    table_->setItemDelegate(new KeystrokeDelegate(table_));
    table_->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(kMassColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(kXColumn, QHeaderView::ResizeToContents);
    // Not on a mere change of the current cell: a selected cell takes Ctrl+V for rows.
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    auto* paste = new QAction(table_);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(paste);
    connect(paste, &QAction::triggered, this,
            [this] { PasteRows(QGuiApplication::clipboard()->text()); });
    connect(table_, &QTableWidget::itemChanged, this,
            [this](const QTableWidgetItem* item) { OnCellChanged(item->row(), item->column()); });

    add_button_ = new QPushButton(this);
    add_button_->setObjectName("AddPartButton");
    delete_button_ = new QPushButton(this);
    delete_button_->setObjectName("DeletePartsButton");
    connect(add_button_, &QPushButton::clicked, this, &BalanceWindow::AddRow);
    connect(delete_button_, &QPushButton::clicked, this, &BalanceWindow::DeleteRows);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_button_);
    buttons->addWidget(delete_button_);
    buttons->addStretch();

    totals_label_ = new QLabel(this);
    totals_label_->setObjectName("BalanceTotals");
    verdict_label_ = new QLabel(this);
    verdict_label_->setObjectName("BalanceVerdict");
    verdict_label_->setWordWrap(true);
    QFont bold = verdict_label_->font();
    bold.setBold(true);
    verdict_label_->setFont(bold);

    auto* corrections = new QGridLayout;
    auto row = [this, corrections](int at, QLabel*& caption, QWidget* input, QLabel*& answer,
                                   const char* answer_name) {
        caption = new QLabel(this);
        answer = new QLabel(this);
        answer->setObjectName(answer_name);
        corrections->addWidget(caption, at, 0);
        corrections->addWidget(input, at, 1);
        corrections->addWidget(answer, at, 2);
    };
    target_box_ = new QLineEdit(this);
    target_box_->setObjectName("TargetMarginBox");
    move_choice_ = new QComboBox(this);
    move_choice_->setObjectName("MovePartChoice");
    ballast_box_ = new QLineEdit(this);
    ballast_box_->setObjectName("BallastXBox");
    row(0, target_caption_, target_box_, target_answer_, "TargetAnswer");
    row(1, move_caption_, move_choice_, move_answer_, "MoveAnswer");
    row(2, ballast_caption_, ballast_box_, ballast_answer_, "BallastAnswer");
    corrections->setColumnStretch(2, 1);
    connect(target_box_, &QLineEdit::textEdited, this, &BalanceWindow::Edited);
    connect(ballast_box_, &QLineEdit::textEdited, this, &BalanceWindow::Edited);
    connect(move_choice_, &QComboBox::currentIndexChanged, this, &BalanceWindow::Edited);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(axis_note_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    layout->addWidget(totals_label_);
    layout->addWidget(verdict_label_);
    layout->addLayout(corrections);
    resize(540, 460);
}

QString BalanceWindow::Text(const char* english, const char* russian) const {
    return InLanguage(english_, english, russian);
}

void BalanceWindow::ApplyLanguage(bool english) {
    english_ = english;
    setWindowTitle(Text("Balance", "Центровка"));
    axis_note_->setText(
        Text("Each part: its mass, and the x of its own centre of gravity measured as on the top "
             "view: from x = 0, positive towards the tail. Rows copied from a spreadsheet are "
             "pasted with Ctrl+V.",
             "Для каждой детали: масса и x её собственного центра тяжести, как на виде сверху: "
             "от x = 0, положительно к хвосту. Строки из электронной таблицы вставляются по "
             "Ctrl+V."));
    table_->setHorizontalHeaderLabels({Text("Part", "Деталь"), Text("Mass (g)", "Масса (г)"),
                                       Text("x (mm, aft +)", "x (мм, к хвосту +)")});
    add_button_->setText(Text("Add row", "Добавить строку"));
    delete_button_->setText(Text("Delete rows", "Удалить строки"));
    target_caption_->setText(Text("Target margin (%):", "Целевой запас (%):"));
    move_caption_->setText(Text("Move part:", "Сдвинуть деталь:"));
    ballast_caption_->setText(Text("Ballast at x (mm):", "Балласт в x (мм):"));
    move_choice_->setItemText(0, Text("(none)", "(нет)"));
}

void BalanceWindow::SetParts(const std::vector<Part>& parts) {
    {
        const QSignalBlocker quiet(table_);
        table_->setRowCount(0);
        table_->setRowCount(static_cast<int>(parts.size()));
        for (int row = 0; row < table_->rowCount(); ++row) {
            const Part& part = parts[static_cast<size_t>(row)];
            const std::array<std::string, kColumnCount> cells = {
                part.name, FormatShortest(part.mass_g), FormatShortest(part.x_mm)};
            for (int column = 0; column < kColumnCount; ++column) {
                table_->setItem(row, column,
                                new QTableWidgetItem(
                                    QString::fromStdString(cells[static_cast<size_t>(column)])));
            }
        }
    }
    ReadAllRows();
}

BalanceWindow::RowReading BalanceWindow::ReadRow(int row) const {
    std::array<QString, kColumnCount> cells;
    for (int column = 0; column < kColumnCount; ++column) {
        const QTableWidgetItem* item = table_->item(row, column);
        cells[static_cast<size_t>(column)] = item != nullptr ? item->text() : QString();
    }
    RowReading reading;
    reading.empty = cells[0].trimmed().isEmpty() && cells[1].trimmed().isEmpty() &&
                    cells[2].trimmed().isEmpty();
    if (!reading.empty) {
        reading.read = ReadPartRow(cells[0].toStdString(), cells[1].toStdString(),
                                   cells[2].toStdString(), true);
    }
    if (reading.read.problem != PartRowProblem::kNone) {
        reading.mass_text = cells[1];
        reading.x_text = cells[2];
    }
    return reading;
}

void BalanceWindow::ReadAllRows() {
    rows_.clear();
    for (int row = 0; row < table_->rowCount(); ++row) {
        rows_.push_back(ReadRow(row));
    }
    Collect();
    OfferParts();
}

void BalanceWindow::OnCellChanged(int row, int column) {
    rows_[static_cast<size_t>(row)] = ReadRow(row);
    Collect();
    if (column == kNameColumn) {
        OfferParts();
    }
    emit Edited();
}

void BalanceWindow::Collect() {
    reading_ = TableReading{};
    for (size_t row = 0; row < rows_.size(); ++row) {
        const RowReading& cells = rows_[row];
        if (cells.empty) {
            continue;
        }
        if (cells.read.problem != PartRowProblem::kNone) {
            reading_.parts.clear();
            reading_.problem = TableRowProblem{static_cast<int>(row) + 1, cells.read.problem,
                                               cells.mass_text, cells.x_text};
            return;
        }
        reading_.parts.push_back(cells.read.part);
    }
}

BalanceQuestion BalanceWindow::Question(bool manual_margin) const {
    BalanceQuestion question;
    question.manual_margin = manual_margin;
    question.target_margin_percent = ReadPartNumber(target_box_->text().toStdString(), true);
    if (move_choice_->currentIndex() > 0) {
        question.move_part = move_choice_->currentText().toStdString();
    }
    question.ballast_x_mm = ReadPartNumber(ballast_box_->text().toStdString(), true);
    return question;
}

void BalanceWindow::OfferParts() {
    const QSignalBlocker quiet(move_choice_);
    const QString chosen = move_choice_->currentIndex() > 0 ? move_choice_->currentText() : "";
    QStringList names = {Text("(none)", "(нет)")};
    std::set<std::string> offered;
    for (const Part& part : reading_.parts) {
        if (offered.insert(part.name).second) {
            names << QString::fromStdString(part.name);
        }
    }
    // In one go: a long list item by item would take the model's notices each time.
    move_choice_->clear();
    move_choice_->addItems(names);
    move_choice_->setCurrentIndex(std::max(0, move_choice_->findText(chosen)));
}

void BalanceWindow::AddRow() {
    table_->insertRow(table_->rowCount());
    table_->setCurrentCell(table_->rowCount() - 1, kNameColumn);
    rows_.emplace_back();
    emit Edited();
}

void BalanceWindow::DeleteRows() {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    if (rows.empty() && table_->currentRow() >= 0) {
        rows.insert(table_->currentRow());
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        table_->removeRow(*row);
    }
    ReadAllRows();
    emit Edited();
}

void BalanceWindow::PasteRows(const QString& text) {
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
        lines.removeLast();
    }
    int row = table_->currentRow() >= 0 ? table_->currentRow() : table_->rowCount();
    const int column = std::max(0, table_->currentColumn());
    {
        const QSignalBlocker quiet(table_);
        for (int i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            line.remove('\r');
            const QStringList fields = line.split(line.contains('\t') ? '\t' : ';');
            std::vector<std::string> names;
            for (const QString& field : fields) {
                names.push_back(field.toStdString());
            }
            if (i == 0 && IsPartsHeader(names)) {
                continue;
            }
            if (row >= table_->rowCount()) {
                table_->insertRow(row);
            }
            for (int f = 0; f < fields.size() && column + f < kColumnCount; ++f) {
                table_->setItem(row, column + f, new QTableWidgetItem(fields[f].trimmed()));
            }
            ++row;
        }
    }
    ReadAllRows();
    emit Edited();
}

void BalanceWindow::ShowBalance(const Balance& balance,
                                const std::optional<TableRowProblem>& problem) {
    const auto mm = [this](double value) { return Fixed(value, 1) + Text(" mm", " мм"); };
    for (QLabel* answer : {target_answer_, move_answer_, ballast_answer_}) {
        answer->clear();
    }
    verdict_label_->clear();
    Colour(totals_label_, palette().color(QPalette::WindowText));
    if (problem) {
        totals_label_->setText(DescribeRowProblem(*problem, english_));
        Colour(totals_label_, kWrongColour);
        return;
    }
    switch (balance.status) {
        case BalanceStatus::kNoParts:
            totals_label_->setText(Text("Enter the parts: name, mass in g, x in mm.",
                                        "Введите детали: название, массу в г, x в мм."));
            return;
        case BalanceStatus::kBeyondRange:
            totals_label_->setText(Text("The masses and positions are too large to add up.",
                                        "Массы и положения слишком велики для суммирования."));
            Colour(totals_label_, kWrongColour);
            return;
        case BalanceStatus::kNoNeutralPoint:
        case BalanceStatus::kComplete:
            break;
    }
    QString totals = Text("Total mass: %1 g    x_cg: %2", "Общая масса: %1 г    x_ЦТ: %2")
                         .arg(Fixed(balance.mass_g, 1), mm(balance.x_cg_mm));
    if (balance.status == BalanceStatus::kNoNeutralPoint) {
        totals_label_->setText(totals);
        verdict_label_->setText(Text("The margin needs a neutral point: press \"Calculate\".",
                                     "Для запаса нужна нейтральная точка: нажмите «Рассчитать»."));
        Colour(verdict_label_, palette().color(QPalette::WindowText));
        return;
    }
    totals += Text("    static margin: %1 %", "    запас устойчивости: %1 %")
                  .arg(Fixed(balance.static_margin_percent, 1));
    totals_label_->setText(totals);

    const QString range =
        balance.front_x_mm == balance.aft_x_mm
            ? Text("recommended %1", "рекомендуется %1").arg(mm(balance.front_x_mm))
            : Text("recommended %1 to %2", "рекомендуется %1 – %2")
                  .arg(Fixed(balance.front_x_mm, 1), mm(balance.aft_x_mm));
    const QString off_by = mm(balance.off_by_mm);
    switch (balance.verdict) {
        case Verdict::kInside:
            verdict_label_->setText(Text("Inside (%1)", "В норме (%1)").arg(range));
            Colour(verdict_label_, kInsideColour);
            break;
        case Verdict::kNoseHeavy:
            verdict_label_->setText(
                Text("Nose-heavy by %1 (%2)", "Перетяжелён нос: на %1 (%2)").arg(off_by, range));
            Colour(verdict_label_, kOutsideColour);
            break;
        case Verdict::kTailHeavy:
            verdict_label_->setText(
                Text("Tail-heavy by %1 (%2)", "Перетяжелён хвост: на %1 (%2)").arg(off_by, range));
            Colour(verdict_label_, kOutsideColour);
            break;
        case Verdict::kUnstable:
            verdict_label_->setText(
                Text("Unstable: behind the neutral point, tail-heavy by %1 (%2)",
                     "Неустойчив: ЦТ позади нейтральной точки, хвост тяжелее на %1 (%2)")
                    .arg(off_by, range));
            Colour(verdict_label_, kWrongColour);
            break;
    }

    const QString not_a_number = Text("not a number", "не число");
    target_box_->setPlaceholderText(Fixed(balance.target_margin_percent, 1));
    const bool target_unread = !target_box_->text().trimmed().isEmpty() &&
                               !ReadPartNumber(target_box_->text().toStdString(), true);
    if (target_unread) {
        // The corrections would aim at the default target, not at the one being typed.
        target_answer_->setText(not_a_number);
        return;
    }
    target_answer_->setText(
        Text("target x_cg = %1", "целевой x_ЦТ = %1").arg(mm(balance.target_x_cg_mm)));
    if (const std::optional<PartMove>& move = balance.move) {
        move_answer_->setText(
            move->status == MoveStatus::kOk
                ? Text("to x = %1 (by %2)", "в x = %1 (на %2)")
                      .arg(mm(move->to_x_mm), mm(move->by_mm))
                : Text("several parts have this name", "это название у нескольких деталей"));
    }
    if (const std::optional<Ballast>& ballast = balance.ballast) {
        switch (ballast->status) {
            case BallastStatus::kOk:
                ballast_answer_->setText(Fixed(ballast->mass_g, 1) + Text(" g", " г"));
                break;
            case BallastStatus::kAtTarget:
                ballast_answer_->setText(
                    Text("cannot help: it lies at the target", "не поможет: он в целевой точке"));
                break;
            case BallastStatus::kWrongSide:
                ballast_answer_->setText(Text("cannot help: on the wrong side of the target",
                                              "не поможет: не с той стороны от цели"));
                break;
        }
    } else if (!ballast_box_->text().trimmed().isEmpty()) {
        ballast_answer_->setText(not_a_number);
    }
}

}  // namespace kalvesta
