// The balance window's controls and texts, and the table's editing and pasting.
#include "ui/balance_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <string>

#include "files/parts_csv.h"
#include "ui/design_boxes.h"
#include "ui/message_text.h"
#include "ui/parts_table_model.h"
#include "ui/table_editing.h"
#include "ui/window_language.h"

namespace kalvesta {
namespace {

// What the paste key does in a cell's editor: rows go to the table (PasteRows), a
// single field into the cell as typed text.
bool IsRows(const QString& text) {
    return text.trimmed().contains('\n') || text.contains('\t') || text.contains(';');
}

// Cells are edited in a line edit that hands every keystroke to the table, so the
// figures follow the typing rather than the end of an edit. Leaving the cell
// finishes the design's step; the undo keys undo the design's steps; rows pasted
// into an editor go to the table.
class KeystrokeDelegate : public QStyledItemDelegate {
public:
    KeystrokeDelegate(Design& design, BalanceWindow& window, QObject* parent)
        : QStyledItemDelegate(parent), design_(design), window_(window) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<KeystrokeDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self,
                    [self, line] { emit self->commitData(line); });
            connect(line, &QLineEdit::editingFinished, self,
                    [self] { self->design_.FinishEdit(); });
            RouteUndoKeys(line);
            line->installEventFilter(self);
        }
        return editor;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            const QString text = QGuiApplication::clipboard()->text();
            if (IsRows(text)) {
                auto* editor = static_cast<QWidget*>(watched);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                window_.PasteRows(text);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    Design& design_;
    BalanceWindow& window_;
};

// The fields of a pasted line: between tabs, else between ";", trimmed.
std::vector<std::string> PastedFields(QString line) {
    line.remove('\r');
    std::vector<std::string> fields;
    for (const QString& field : line.split(line.contains('\t') ? '\t' : ';')) {
        fields.push_back(field.trimmed().toStdString());
    }
    return fields;
}

void Colour(QLabel* label, QColor color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

constexpr QColor kInsideColour(0, 128, 0);
constexpr QColor kOutsideColour(192, 96, 0);
constexpr QColor kWrongColour(255, 0, 0);

}  // namespace

QString DescribeRowProblem(const PartsProblem& problem, const Catalogue& texts,
                           const DisplayUnits& units) {
    // The fields are named and their texts shown as in the table's columns.
    const std::string mass = texts.Text(TextId::kBalanceMassColumn);
    const std::string x = texts.Text(TextId::kBalanceXColumn);
    const Message what =
        DescribePartRowProblem(problem.problem, ShownCell(problem.mass_g, GramsPerUnit(units.mass)),
                               ShownCell(problem.x_mm, MmPerUnit(units.length)), {mass, x});
    return QText(texts, TextId::kBalanceRowProblem,
                 {{"row", std::to_string(problem.row)}, {"problem", texts.Text(what)}});
}

BalanceWindow::BalanceWindow(QWidget* owner, Design& design)
    : QWidget(owner, Qt::Window), design_(design) {
    setObjectName("BalanceWindow");
    Build();
    ApplyLanguage(texts_);
}

void BalanceWindow::Build() {
    axis_note_ = new QLabel(this);
    axis_note_->setWordWrap(true);

    model_ = new PartsTableModel(design_, this);
    table_ = new QTableView(this);
    table_->setObjectName("PartsTable");
    table_->setModel(model_);
    table_->setItemDelegate(new KeystrokeDelegate(design_, *this, table_));
    table_->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(kMassColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(kXColumn, QHeaderView::ResizeToContents);
    // A long list is measured by its first rows, not read whole at every change.
    table_->horizontalHeader()->setResizeContentsPrecision(200);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Not on a mere change of the current cell: a selected cell takes Ctrl+V for rows.
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    PasteClipboardInto(table_, [this](const QString& text) { PasteRows(text); });
    // The design's undo and redo from this window too.
    auto* undo = new QAction(this);
    undo->setShortcuts(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, [this] { design_.Undo(); });
    auto* redo = new QAction(this);
    redo->setShortcuts(QKeySequence::keyBindings(QKeySequence::Redo) << QKeySequence("Ctrl+Y"));
    connect(redo, &QAction::triggered, this, [this] { design_.Redo(); });
    addActions({undo, redo});

    const RowButtons buttons = MakeRowButtons(
        this, "AddPartButton", "DeletePartsButton", [this] { AddRow(); }, [this] { DeleteRows(); });
    add_button_ = buttons.add;
    delete_button_ = buttons.remove;

    totals_label_ = new QLabel(this);
    totals_label_->setObjectName("BalanceTotals");
    verdict_label_ = new QLabel(this);
    verdict_label_->setObjectName("BalanceVerdict");
    verdict_label_->setWordWrap(true);
    QFont bold = verdict_label_->font();
    bold.setBold(true);
    verdict_label_->setFont(bold);
    // Room for two lines always, so that nothing moves when the verdict wraps.
    verdict_label_->setMinimumHeight(2 * QFontMetrics(bold).lineSpacing());

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
    connect(target_box_, &QLineEdit::textEdited, this, &BalanceWindow::QuestionChanged);
    connect(ballast_box_, &QLineEdit::textEdited, this, &BalanceWindow::QuestionChanged);
    connect(move_choice_, &QComboBox::currentIndexChanged, this, &BalanceWindow::QuestionChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(axis_note_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons.row);
    layout->addWidget(totals_label_);
    layout->addWidget(verdict_label_);
    layout->addLayout(corrections);
    resize(540, 460);
}

QString BalanceWindow::Text(TextId id, std::initializer_list<TextValue> values) const {
    return QText(texts_, id, values);
}

std::string BalanceWindow::LengthName() const {
    return texts_.Text(units_.length == LengthUnit::kInch ? TextId::kUnitsInch
                                                          : TextId::kUnitsMillimetre);
}

std::string BalanceWindow::MassName() const {
    return texts_.Text(units_.mass == MassUnit::kOunce ? TextId::kUnitsOunce : TextId::kUnitsGram);
}

std::string BalanceWindow::Length(double mm) const {
    return texts_.Text(TextId::kBalanceQuantity,
                       {{"value", units_.Length(mm, 1)}, {"unit", LengthName()}});
}

std::string BalanceWindow::Mass(double g) const {
    return texts_.Text(TextId::kBalanceQuantity, {{"value", units_.Mass(g)}, {"unit", MassName()}});
}

void BalanceWindow::SetUnits(const DisplayUnits& units) {
    // The ballast's x stays where it was, now in the new unit.
    const std::string ballast_mm =
        StoredCell(ballast_box_->text().toStdString(), model_->PerUnit(kXColumn));
    units_ = units;
    model_->SetUnits(units);
    ballast_box_->setText(QString::fromStdString(ShownCell(ballast_mm, model_->PerUnit(kXColumn))));
    ApplyLanguage(texts_);
}

void BalanceWindow::ApplyLanguage(const Catalogue& texts) {
    texts_ = texts;
    setWindowTitle(Text(TextId::kBalanceTitle));
    axis_note_->setText(Text(TextId::kBalanceAxisNote));
    model_->SetHeaders({Text(TextId::kBalancePartHeader),
                        Text(TextId::kBalanceMassHeader, {{"unit", MassName()}}),
                        Text(TextId::kBalanceXHeader, {{"unit", LengthName()}})});
    add_button_->setText(Text(TextId::kBalanceAddRow));
    delete_button_->setText(Text(TextId::kBalanceDeleteRows));
    target_caption_->setText(Text(TextId::kBalanceTargetMargin));
    move_caption_->setText(Text(TextId::kBalanceMovePart));
    ballast_caption_->setText(Text(TextId::kBalanceBallastAt, {{"unit", LengthName()}}));
    move_choice_->setItemText(0, Text(TextId::kBalanceNoPart));
}

void BalanceWindow::ShowParts() {
    model_->Follow();
    OfferParts();
}

BalanceQuestion BalanceWindow::Question() const {
    BalanceQuestion question;
    question.target_margin_percent = ReadPartNumber(target_box_->text().toStdString(), true);
    if (move_choice_->currentIndex() > 0) {
        question.move_part = move_choice_->currentText().toStdString();
    }
    if (const std::optional<double> ballast_x =
            ReadPartNumber(ballast_box_->text().toStdString(), true)) {
        question.ballast_x_mm = *ballast_x * MmPerUnit(units_.length);
    }
    return question;
}

void BalanceWindow::OfferParts() {
    const QSignalBlocker quiet(move_choice_);
    const QString chosen = move_choice_->currentIndex() > 0 ? move_choice_->currentText() : "";
    QStringList names = {Text(TextId::kBalanceNoPart)};
    std::set<std::string> offered;
    for (const Part& part : design_.parts().reading().parts) {
        if (offered.insert(part.name).second) {
            names << QString::fromStdString(part.name);
        }
    }
    // In one go: a long list item by item would take the model's notices each time.
    move_choice_->clear();
    move_choice_->addItems(names);
    move_choice_->setCurrentIndex(std::max(0, move_choice_->findText(chosen)));
    if (!chosen.isEmpty() && move_choice_->currentIndex() == 0) {
        // The part chosen to move is gone: the question no longer names it.
        emit QuestionChanged();
    }
}

void BalanceWindow::AddRow() {
    const int row = design_.parts().row_count();
    design_.SpliceParts(StepKind::kPartsAdd, row, 0, {PartCells{}});
    // Typing goes on in the new row's name.
    table_->setFocus();
    table_->setCurrentIndex(model_->index(row, kNameColumn));
}

void BalanceWindow::DeleteRows() {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    if (rows.empty() && table_->currentIndex().isValid()) {
        rows.insert(table_->currentIndex().row());
    }
    design_.DeleteParts({rows.begin(), rows.end()});
}

void BalanceWindow::PasteRows(const QString& text) {
    QStringList lines = text.split('\n');
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
        lines.removeLast();
    }
    std::vector<std::vector<std::string>> pasted;
    for (const QString& line : lines) {
        std::vector<std::string> fields = PastedFields(line);
        if (pasted.empty() && IsPartsHeader(fields)) {
            continue;
        }
        pasted.push_back(std::move(fields));
    }
    if (pasted.empty()) {
        return;
    }
    const size_t width =
        std::max_element(pasted.begin(), pasted.end(), [](const auto& a, const auto& b) {
            return a.size() < b.size();
        })->size();
    // A selected block of the pasted shape takes the fields cell by cell.
    const QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    int top = model_->rowCount();
    int left = kPartColumnCount;
    int bottom = -1;
    int right = -1;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    const int block_rows = bottom - top + 1;
    const int block_columns = right - left + 1;
    const bool replaces_block =
        !selected.isEmpty() && selected.size() == block_rows * block_columns &&
        block_rows == static_cast<int>(pasted.size()) && block_columns == static_cast<int>(width);
    std::vector<PartCells> rows;
    int first = 0;
    int count = 0;
    int column = kNameColumn;
    if (replaces_block) {
        first = top;
        count = block_rows;
        column = left;
        for (int row = top; row <= bottom; ++row) {
            rows.push_back(design_.parts().row(row));
        }
    } else {
        // Below the current row (into it while it is still empty, as after "Add
        // row"), or at the end; the fields from the name on.
        const QModelIndex current = table_->currentIndex();
        first = current.isValid() ? current.row() + 1 : model_->rowCount();
        if (current.isValid() && design_.parts().row(current.row()) == PartCells{}) {
            first = current.row();
            count = 1;
        }
        rows.resize(pasted.size());
    }
    for (size_t r = 0; r < pasted.size(); ++r) {
        for (size_t f = 0; f < pasted[r].size() && column + static_cast<int>(f) < kPartColumnCount;
             ++f) {
            const int at = column + static_cast<int>(f);
            CellAt(rows[r], at) = StoredCell(pasted[r][f], model_->PerUnit(at));
        }
    }
    design_.SpliceParts(StepKind::kPartsPaste, first, count, std::move(rows));
    table_->setCurrentIndex(model_->index(first, column));
    table_->selectionModel()->select(
        QItemSelection(model_->index(first, column),
                       model_->index(first + static_cast<int>(pasted.size()) - 1,
                                     replaces_block ? right : kPartColumnCount - 1)),
        QItemSelectionModel::ClearAndSelect);
}

void BalanceWindow::ShowBalance(const Balance& balance,
                                const std::optional<PartsProblem>& problem) {
    for (QLabel* answer : {target_answer_, move_answer_, ballast_answer_}) {
        answer->clear();
    }
    verdict_label_->clear();
    Colour(totals_label_, palette().color(QPalette::WindowText));
    if (problem) {
        totals_label_->setText(DescribeRowProblem(*problem, texts_, units_));
        Colour(totals_label_, kWrongColour);
        return;
    }
    switch (balance.status) {
        case BalanceStatus::kNoParts:
            totals_label_->setText(
                Text(TextId::kBalanceNoParts, {{"mass", MassName()}, {"length", LengthName()}}));
            return;
        case BalanceStatus::kBeyondRange:
            totals_label_->setText(Text(TextId::kBalanceBeyondRange));
            Colour(totals_label_, kWrongColour);
            return;
        case BalanceStatus::kNoNeutralPoint:
        case BalanceStatus::kComplete:
            break;
    }
    QString totals = Text(TextId::kBalanceTotals,
                          {{"mass", Mass(balance.mass_g)}, {"x_cg", Length(balance.x_cg_mm)}});
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
            ? texts_.Text(TextId::kBalanceRecommended, {{"x", Length(balance.front_x_mm)}})
            : texts_.Text(TextId::kBalanceRecommendedRange,
                          {{"front", units_.Length(balance.front_x_mm, 1)},
                           {"aft", Length(balance.aft_x_mm)}});
    const std::string off_by = Length(balance.off_by_mm);
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
    target_answer_->setText(Text(TextId::kBalanceTarget, {{"x", Length(balance.target_x_cg_mm)}}));
    if (const std::optional<PartMove>& move = balance.move) {
        move_answer_->setText(move->status == MoveStatus::kOk
                                  ? Text(TextId::kBalanceMoveTo, {{"to", Length(move->to_x_mm)},
                                                                  {"by", Length(move->by_mm)}})
                                  : Text(TextId::kBalanceSharedName));
    }
    if (const std::optional<Ballast>& ballast = balance.ballast) {
        switch (ballast->status) {
            case BallastStatus::kOk:
                ballast_answer_->setText(QString::fromStdString(Mass(ballast->mass_g)));
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
