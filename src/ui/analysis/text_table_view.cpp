// The statistics grid: cells from the core's text table, copied as the spreadsheet pastes them.
#include "ui/analysis/text_table_view.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace ui {

class TextTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setTable(analysis::TextTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
  }
  const analysis::TextTable& table() const { return table_; }

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(table_.rows.size()); }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : int(table_.header.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || std::size_t(index.row()) >= table_.rows.size()) return {};
    const auto& row = table_.rows[std::size_t(index.row())];
    if (std::size_t(index.column()) >= row.size()) return {};
    const std::string& cell = row[std::size_t(index.column())];
    if (role == Qt::DisplayRole) return QString::fromStdString(cell);
    if (role == Qt::TextAlignmentRole) {
      // Numbers stand right as in the value table; names left.
      const bool number = !cell.empty() && (std::isdigit(static_cast<unsigned char>(cell[0])) || cell[0] == '-');
      return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        std::size_t(section) >= table_.header.size())
      return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(table_.header[std::size_t(section)]);
  }

 private:
  analysis::TextTable table_;
};

TextTableView::TextTableView(QWidget* parent) : QTableView(parent), model_(new TextTableModel(this)) {
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setAlternatingRowColors(true);
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Column widths from the first rows only: measuring every row of a long list would stall.
  horizontalHeader()->setResizeContentsPrecision(200);
  connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) { emit rowChosen(index.row()); });
}

void TextTableView::setTable(analysis::TextTable table) {
  model_->setTable(std::move(table));
  resizeColumnsToContents();
}

const analysis::TextTable& TextTableView::table() const { return model_->table(); }

analysis::TextTable TextTableView::selection() const {
  QList<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows << index.row();
  if (rows.isEmpty()) return table();
  std::sort(rows.begin(), rows.end());
  analysis::TextTable t;
  t.header = table().header;
  for (int r : rows) t.rows.push_back(table().rows[std::size_t(r)]);
  return t;
}

void TextTableView::copy() const {
  QApplication::clipboard()->setText(QString::fromStdString(analysis::tabSeparated(selection())));
}

int TextTableView::heightForRows(int rows) const {
  return horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() +
         horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
}

void TextTableView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copy();
    return;
  }
  const int row = currentIndex().row();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && row >= 0) {
    emit rowChosen(row);
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace ui
