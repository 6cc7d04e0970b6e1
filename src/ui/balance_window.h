// The balance window: the design's parts in an editable table, their total mass,
// centre of gravity, static margin and verdict, and where a part must go or how
// much ballast a place needs for a target margin. Typing, adding, deleting and
// pasting rows change the design (each an undoable step); the window shows the
// balance it is given and computes nothing. Masses and lengths are shown and typed
// in the units chosen; the design keeps g and mm.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <vector>

#include "analysis/balance.h"
#include "model/design.h"
#include "model/display_units.h"
#include "texts/catalogue.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kalvesta {

class PartsTableModel;

// "Row 3: mass "abc" is not a number", its numbers in `units`.
QString DescribeRowProblem(const PartsProblem& problem, const Catalogue& texts,
                           const DisplayUnits& units = {});

class BalanceWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own over `owner`, which it does not block, showing the
    // design's parts.
    BalanceWindow(QWidget* owner, Design& design);

    // The target margin, the part to move and the ballast place typed; text that is
    // no number asks nothing (and says so beside its box).
    BalanceQuestion Question() const;

    // The table follows the design's parts.
    void ShowParts();
    // Shows the figures of `balance` (its status says how far they go) or, when the
    // table has a bad row, that row's problem.
    void ShowBalance(const Balance& balance, const std::optional<PartsProblem>& problem);
    // Captions and the texts of the figures from `texts`.
    void ApplyLanguage(const Catalogue& texts);
    // The table, the captions and the ballast's x in `units` (the balance shown
    // next follows them).
    void SetUnits(const DisplayUnits& units);

    // Rows copied from a spreadsheet (fields between tabs, or ";"; a header line
    // skipped): they replace exactly a selected block of their shape, else they are
    // added below the current row. One undoable step; a row that does not read is
    // kept as pasted and named below the table.
    void PasteRows(const QString& text);

signals:
    // The target, the part to move or the ballast place changed.
    void QuestionChanged();

private:
    void Build();
    void AddRow();
    void DeleteRows();
    // The part choice offers the names of the table's parts, keeping the choice.
    void OfferParts();
    QString Text(TextId id, std::initializer_list<TextValue> values = {}) const;
    // "12.5 mm", "0.492 in"; "150.0 g", "5.29 oz".
    std::string Length(double mm) const;
    std::string Mass(double g) const;
    // The name of the unit in the window's language.
    std::string LengthName() const;
    std::string MassName() const;

    Design& design_;
    Catalogue texts_;
    DisplayUnits units_;
    QLabel* axis_note_ = nullptr;
    PartsTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
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
