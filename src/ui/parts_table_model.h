// The design's parts table as a Qt item model, so that the balance window's view
// shows any number of rows without copying them: what is typed into a cell goes
// into the design, and the view follows the design's changes.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "model/design.h"

namespace kalvesta {

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

private:
    Design& design_;
    int shown_rows_ = 0;
    QStringList headers_;
};

}  // namespace kalvesta
