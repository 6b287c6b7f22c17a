// The Qt model of SGTab: cells of the value table turned into text only when the view asks.
#include "ui/thickness/value_table_model.h"

#include <QColor>
#include <limits>

#include "qt/convert.h"

namespace ui {

ValueTableModel::ValueTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ValueTableModel::setTable(thickness::ValueTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  const std::size_t rows = table_.rowCount();
  return rows <= 1 ? 0 : int(std::min<std::size_t>(rows - 1, std::numeric_limits<int>::max()));
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : thickness::ValueTable::kColumns;
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return qtx::qs(table_.cell(std::size_t(index.row()) + 1, index.column()));
    case Qt::BackgroundRole:
      return qtx::toQColor(thickness::kInactiveCaptionText);
    case Qt::ForegroundRole:
      return QColor(Qt::black);  // clMenuText
    case Qt::TextAlignmentRole:
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  switch (role) {
    case Qt::DisplayRole:
      return qtx::qs(table_.cell(0, section));
    case Qt::BackgroundRole:
      return qtx::toQColor(table_.fixedRowColor());
    case Qt::ForegroundRole:
      return QColor(Qt::black);
    case Qt::TextAlignmentRole:
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

Qt::ItemFlags ValueTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace ui
