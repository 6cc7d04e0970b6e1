// The balance window: the model's parts in an editable table, their total mass,
// centre of gravity, static margin and verdict, and where a part must go or how
// much ballast a place needs for a target margin. It shows what it is given and
// signals every keystroke; it computes nothing.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <vector>

#include "analysis/balance.h"
#include "model/parts.h"
#include "texts/catalogue.h"

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

// "Row 3: mass "abc" is not a number".
QString DescribeRowProblem(const TableRowProblem& problem, const Catalogue& texts);

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
    // The table as it reads now (kept up to date at every change).
    const TableReading& reading() const { return reading_; }
    // The target margin, the part to move and the ballast place typed; text that is
    // no number asks nothing (and says so beside its box).
    BalanceQuestion Question(bool manual_margin) const;

    // Shows the figures of `balance` (its status says how far they go) or, when the
    // table has a bad row, that row's problem.
    void ShowBalance(const Balance& balance, const std::optional<TableRowProblem>& problem);
    // Captions and the texts of the figures from `texts`.
    void ApplyLanguage(const Catalogue& texts);

    // Rows copied from a spreadsheet (fields between tabs, or ";"), written from the
    // current cell on, with rows added as needed; a header line is skipped.
    void PasteRows(const QString& text);

signals:
    // Any keystroke in the table or the boxes, a row added or deleted, a part chosen.
    void Edited();

private:
    // One row of the table as read by the row rules.
    struct RowReading {
        bool empty = true;  // nothing in any cell: left out
        PartRow read;
        QString mass_text;  // kept for the description of a problem
        QString x_text;
    };

    void Build();
    void AddRow();
    void DeleteRows();
    // A cell changed: its row is read again (a long list is not read whole at every
    // keystroke), the names offered again when a name changed.
    void OnCellChanged(int row, int column);
    // Every row read again, after rows came or went.
    void ReadAllRows();
    RowReading ReadRow(int row) const;
    // reading_ from the rows' readings, in table order.
    void Collect();
    // The part choice offers the names of the table's parts, keeping the choice.
    void OfferParts();
    QString Text(TextId id, std::initializer_list<TextValue> values = {}) const;

    std::vector<RowReading> rows_;
    TableReading reading_;
    Catalogue texts_;
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
