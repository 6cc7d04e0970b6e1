// The balance window's controls and texts, and the table's reading, editing and
// pasting.
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
#include "ui/window_language.h"

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

QString DescribeRowProblem(const TableRowProblem& problem, const Catalogue& texts) {
    // The fields are named as the table's columns are.
    const std::string mass = texts.Text(TextId::kBalanceMassColumn);
    const std::string x = texts.Text(TextId::kBalanceXColumn);
    const Message what =
        DescribePartRowProblem(problem.problem, problem.mass_text.toStdString(),
                               problem.x_text.toStdString(), PartFieldNames{mass, x});
    return QText(texts, TextId::kBalanceRowProblem,
                 {{"row", std::to_string(problem.row)}, {"problem", texts.Text(what)}});
}

BalanceWindow::BalanceWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("BalanceWindow");
    Build();
    ApplyLanguage(texts_);
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

QString BalanceWindow::Text(TextId id, std::initializer_list<TextValue> values) const {
    return QText(texts_, id, values);
}

void BalanceWindow::ApplyLanguage(const Catalogue& texts) {
    texts_ = texts;
    setWindowTitle(Text(TextId::kBalanceTitle));
    axis_note_->setText(Text(TextId::kBalanceAxisNote));
    table_->setHorizontalHeaderLabels({Text(TextId::kBalancePartHeader),
                                       Text(TextId::kBalanceMassHeader),
                                       Text(TextId::kBalanceXHeader)});
    add_button_->setText(Text(TextId::kBalanceAddRow));
    delete_button_->setText(Text(TextId::kBalanceDeleteRows));
    target_caption_->setText(Text(TextId::kBalanceTargetMargin));
    move_caption_->setText(Text(TextId::kBalanceMovePart));
    ballast_caption_->setText(Text(TextId::kBalanceBallastAt));
    move_choice_->setItemText(0, Text(TextId::kBalanceNoPart));
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
    QStringList names = {Text(TextId::kBalanceNoPart)};
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
    const auto mm = [this](double value) {
        return texts_.Text(TextId::kBalanceMm, {{"value", FormatFixed(value, 1)}});
    };
    for (QLabel* answer : {target_answer_, move_answer_, ballast_answer_}) {
        answer->clear();
    }
    verdict_label_->clear();
    Colour(totals_label_, palette().color(QPalette::WindowText));
    if (problem) {
        totals_label_->setText(DescribeRowProblem(*problem, texts_));
        Colour(totals_label_, kWrongColour);
        return;
    }
    switch (balance.status) {
        case BalanceStatus::kNoParts:
            totals_label_->setText(Text(TextId::kBalanceNoParts));
            return;
        case BalanceStatus::kBeyondRange:
            totals_label_->setText(Text(TextId::kBalanceBeyondRange));
            Colour(totals_label_, kWrongColour);
            return;
        case BalanceStatus::kNoNeutralPoint:
        case BalanceStatus::kComplete:
            break;
    }
    QString totals = Text(TextId::kBalanceTotals, {{"mass", FormatFixed(balance.mass_g, 1)},
                                                   {"x_cg", mm(balance.x_cg_mm)}});
    if (balance.status == BalanceStatus::kNoNeutralPoint) {
        totals_label_->setText(totals);
        verdict_label_->setText(Text(TextId::kBalancePressCalculate));
        Colour(verdict_label_, palette().color(QPalette::WindowText));
        return;
    }
    totals += Text(TextId::kBalanceStaticMargin,
                   {{"margin", FormatFixed(balance.static_margin_percent, 1)}});
    totals_label_->setText(totals);

    const std::string range =
        balance.front_x_mm == balance.aft_x_mm
            ? texts_.Text(TextId::kBalanceRecommended, {{"x", mm(balance.front_x_mm)}})
            : texts_.Text(
                  TextId::kBalanceRecommendedRange,
                  {{"front", FormatFixed(balance.front_x_mm, 1)}, {"aft", mm(balance.aft_x_mm)}});
    const std::string off_by = mm(balance.off_by_mm);
    const auto verdict = [&](TextId id, QColor colour) {
        verdict_label_->setText(Text(id, {{"off_by", off_by}, {"range", range}}));
        Colour(verdict_label_, colour);
    };
    switch (balance.verdict) {
        case Verdict::kInside:
            verdict(TextId::kBalanceInside, kInsideColour);
            break;
        case Verdict::kNoseHeavy:
            verdict(TextId::kBalanceNoseHeavy, kOutsideColour);
            break;
        case Verdict::kTailHeavy:
            verdict(TextId::kBalanceTailHeavy, kOutsideColour);
            break;
        case Verdict::kUnstable:
            verdict(TextId::kBalanceUnstable, kWrongColour);
            break;
    }

    const QString not_a_number = Text(TextId::kBalanceNotANumber);
    target_box_->setPlaceholderText(Fixed(balance.target_margin_percent, 1));
    const bool target_unread = !target_box_->text().trimmed().isEmpty() &&
                               !ReadPartNumber(target_box_->text().toStdString(), true);
    if (target_unread) {
        // The corrections would aim at the default target, not at the one being typed.
        target_answer_->setText(not_a_number);
        return;
    }
    target_answer_->setText(Text(TextId::kBalanceTarget, {{"x", mm(balance.target_x_cg_mm)}}));
    if (const std::optional<PartMove>& move = balance.move) {
        move_answer_->setText(
            move->status == MoveStatus::kOk
                ? Text(TextId::kBalanceMoveTo, {{"to", mm(move->to_x_mm)}, {"by", mm(move->by_mm)}})
                : Text(TextId::kBalanceSharedName));
    }
    if (const std::optional<Ballast>& ballast = balance.ballast) {
        switch (ballast->status) {
            case BallastStatus::kOk:
                ballast_answer_->setText(
                    Text(TextId::kBalanceGrams, {{"value", FormatFixed(ballast->mass_g, 1)}}));
                break;
            case BallastStatus::kAtTarget:
                ballast_answer_->setText(Text(TextId::kBalanceBallastAtTarget));
                break;
            case BallastStatus::kWrongSide:
                ballast_answer_->setText(Text(TextId::kBalanceBallastWrongSide));
                break;
        }
    } else if (!ballast_box_->text().trimmed().isEmpty()) {
        ballast_answer_->setText(not_a_number);
    }
}

}  // namespace kalvesta
