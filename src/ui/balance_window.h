// The balance window: the model's parts in an editable table, their total mass,
// centre of gravity, static margin and verdict, and where a part must go or how
// much ballast a place needs for a target margin. It shows what it is given and
// signals every keystroke; it computes nothing.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "analysis/balance.h"
#include "model/parts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kalvesta {

// The first row of the table that breaks the row rules, numbered from 1 as shown.
struct TableRowProblem {
    int row = 0;
    PartRowProblem problem = PartRowProblem::kNone;
    QString mass_text;
    QString x_text;
};

// "Row 3: mass "abc" is not a number", in English or Russian.
QString DescribeRowProblem(const TableRowProblem& problem, bool english);

// The table's parts; rows with nothing in them are left out.
struct TableReading {
    std::vector<Part> parts;
    std::optional<TableRowProblem> problem;  // then parts is empty: nothing half read
};

class BalanceWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own over `owner`, which it does not block.
    explicit BalanceWindow(QWidget* owner);

    void SetParts(const std::vector<Part>& parts);
    TableReading ReadTable() const;
    // The target margin, the part to move and the ballast place typed; text that is
    // no number asks nothing (and says so beside its box).
    BalanceQuestion Question(bool manual_margin) const;

    // Shows the figures of `balance` (its status says how far they go) or, when the
    // table has a bad row, that row's problem.
    void ShowBalance(const Balance& balance, const std::optional<TableRowProblem>& problem);
    void ApplyLanguage(bool english);

    // Rows copied from a spreadsheet (fields between tabs, or ";"), written from the
    // current cell on, with rows added as needed; a header line is skipped.
    void PasteRows(const QString& text);

signals:
    // Any keystroke in the table or the boxes, a row added or deleted, a part chosen.
    void Edited();

private:
    void Build();
    void AddRow();
    void DeleteRows();
    // The part choice offers the names of the table's parts, keeping the choice.
    void OfferParts(const std::vector<Part>& parts);
    QString Text(const char* english, const char* russian) const;

    bool english_ = true;
    QLabel* axis_note_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* add_button_ = nullptr;
    QPushButton* delete_button_ = nullptr;
    QLabel* totals_label_ = nullptr;
    QLabel* verdict_label_ = nullptr;
    QLabel* target_caption_ = nullptr;
    QLineEdit* target_box_ = nullptr;
    QLabel* target_answer_ = nullptr;
    QLabel* move_caption_ = nullptr;
    QComboBox* move_choice_ = nullptr;
    QLabel* move_answer_ = nullptr;
    QLabel* ballast_caption_ = nullptr;
    QLineEdit* ballast_box_ = nullptr;
    QLabel* ballast_answer_ = nullptr;
};

}  // namespace kalvesta
