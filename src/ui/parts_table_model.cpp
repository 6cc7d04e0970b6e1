// The parts table as an item model over the design.
#include "ui/parts_table_model.h"

namespace kalvesta {

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
    return QString::fromStdString(CellAt(design_.parts().row(index.row()), index.column()));
}

bool PartsTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    design_.SetPartCell(index.row(), index.column(), value.toString().toStdString());
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
