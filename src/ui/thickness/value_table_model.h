// The Qt model of SGTab over a thickness value table: row 0 is the header, cells formatted when shown.
#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "core/thickness/value_table.h"

namespace ui {

class ValueTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ValueTableModel(QObject* parent = nullptr);

  // Replaces the table shown (the all-values or the threshold table).
  void setTable(thickness::ValueTable table);
  const thickness::ValueTable& table() const { return table_; }

  // Data rows are table rows 1 .. RowCount - 1; row 0 is the horizontal header.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  thickness::ValueTable table_;
};

}  // namespace ui
