// The parts table as an item model over the design.
#include "ui/parts_table_model.h"

#include "model/number_format.h"

namespace kalvesta {

namespace {

// `value` with `decimals` decimals, without trailing zeros ("-0" as "0").
std::string TrimmedFixed(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

}  // namespace

std::string ShownCell(const std::string& stored, double per_unit) {
    const std::optional<double> value = ReadPartNumber(stored, true);
    return per_unit == 1.0 || !value ? stored : TrimmedFixed(*value / per_unit, 4);
}

std::string StoredCell(const std::string& typed, double per_unit) {
    const std::optional<double> value = ReadPartNumber(typed, true);
    return per_unit == 1.0 || !value ? typed : TrimmedFixed(*value * per_unit, 6);
}

PartsTableModel::PartsTableModel(Design& design, QObject* parent)
    : QAbstractTableModel(parent), design_(design), shown_rows_(design.parts().row_count()) {}

int PartsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : design_.parts().row_count();
}

int PartsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPartColumnCount;
}

QVariant PartsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const std::string& stored = CellAt(design_.parts().row(index.row()), index.column());
    return QString::fromStdString(ShownCell(stored, PerUnit(index.column())));
}

bool PartsTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    design_.SetPartCell(index.row(), index.column(),
                        StoredCell(value.toString().toStdString(), PerUnit(index.column())));
    return true;
}

Qt::ItemFlags PartsTableModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant PartsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < headers_.size()) {
        return headers_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void PartsTableModel::SetHeaders(const QStringList& headers) {
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, kPartColumnCount - 1);
}

void PartsTableModel::SetUnits(const DisplayUnits& units) {
    units_ = units;
    if (rowCount() > 0) {
        emit dataChanged(index(0, kMassColumn), index(rowCount() - 1, kXColumn));
    }
}

double PartsTableModel::PerUnit(int column) const {
    switch (column) {
        case kMassColumn:
            return GramsPerUnit(units_.mass);
        case kXColumn:
            return MmPerUnit(units_.length);
        default:
            return 1.0;
    }
}

void PartsTableModel::Follow() {
    const int rows = design_.parts().row_count();
    if (rows != shown_rows_) {
        beginResetModel();
        shown_rows_ = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, kPartColumnCount - 1));
    }
}

}  // namespace kalvesta
