// The design's parts table as a Qt item model, so that the balance window's view
// shows any number of rows without copying them: what is typed into a cell goes
// into the design, and the view follows the design's changes. The design keeps
// masses in g and x in mm; the table shows and takes them in the units chosen.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <string>

#include "model/design.h"
#include "model/display_units.h"

namespace kalvesta {

// The table's columns: the name, the mass, the x.
inline constexpr int kNameColumn = 0;
inline constexpr int kMassColumn = 1;
inline constexpr int kXColumn = 2;

// A number cell as shown in a unit of `per_unit` stored units (25.4 mm to the inch):
// the stored number divided by it, with at most four decimals and no trailing zeros.
// A cell that is no number, and every cell in the stored unit (1), shows as stored.
std::string ShownCell(const std::string& stored, double per_unit);
// What is stored for `typed` in that unit: the number times `per_unit`, with at
// most six decimals (far finer than four decimals of an inch or an ounce, so the
// number shows back as typed). Text that is no number, and any text in the stored
// unit, is kept as typed.
std::string StoredCell(const std::string& typed, double per_unit);

class PartsTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    PartsTableModel(Design& design, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The design's parts changed: rows that came or went reset the view, texts
    // changed in place only repaint it.
    void Follow();
    void SetHeaders(const QStringList& headers);
    // The masses and x shown and typed in `units`.
    void SetUnits(const DisplayUnits& units);
    // Stored units per unit shown of column `column` (1 for the name).
    double PerUnit(int column) const;

private:
    Design& design_;
    DisplayUnits units_;
    int shown_rows_ = 0;
    QStringList headers_;
};

}  // namespace kalvesta
