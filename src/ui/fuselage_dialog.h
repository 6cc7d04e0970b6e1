// Edit > "Fuselage…": the fuselage's outline seen from above as a table of stations
// (x on the aircraft's axis and the width there, in mm, nose to tail), typed, pasted
// from a spreadsheet, or rows added and deleted. The first row at fault, or what is
// wrong with the whole outline, shows under the table and "OK" stays disabled until
// it is mended; "OK" replaces the design's fuselage in one undoable step, and an
// empty table takes the fuselage away.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "model/design.h"
#include "texts/catalogue.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kalvesta {

// One row of the table as typed: the x and the width.
struct StationTexts {
    std::string x_mm;
    std::string width_mm;
};

// The outline the rows describe, rows without any text left out; or, for the first
// row at fault (numbered from 1 as the table shows them) or the outline as a whole,
// what is wrong in words, the fields named as the table's columns.
struct OutlineReading {
    Fuselage outline;
    QString problem;  // empty for a usable outline
};
OutlineReading ReadOutlineRows(const std::vector<StationTexts>& rows, const Catalogue& texts);

// The rows of text copied from a spreadsheet: fields between tabs, else between ";",
// else between ","; blank lines and a first line of two fields that are no numbers
// (a header) left out.
std::vector<StationTexts> PastedStationRows(const QString& text);

class FuselageDialog : public QDialog {
    Q_OBJECT

public:
    // The table filled with `outline`'s stations.
    FuselageDialog(QWidget* parent, const Fuselage& outline, const Catalogue& texts);

    // Rows pasted below the current row (into it while it is empty), or at the end.
    void PasteRows(const QString& text);
    // The usable outline the table holds; checked whenever a cell changes.
    const OutlineReading& reading() const { return reading_; }

    // Opens the dialog on the design's fuselage; "OK" sets the outline as one step
    // when it differs.
    static void Edit(QWidget* parent, Design& design, const Catalogue& texts);

private:
    void AddRow();
    void DeleteRows();
    void InsertRows(int at, const std::vector<StationTexts>& rows);
    void Check();

    Catalogue texts_;
    QTableWidget* table_ = nullptr;
    QPushButton* add_button_ = nullptr;
    QPushButton* delete_button_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* ok_ = nullptr;
    OutlineReading reading_;
};

}  // namespace kalvesta
