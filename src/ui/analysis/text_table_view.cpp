// The statistics grid: cells from the core's text table, copied as the spreadsheet pastes them.
#include "ui/analysis/text_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace ui {

TextTableView::TextTableView(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setAlternatingRowColors(true);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit rowChosen(row); });
}

void TextTableView::setTable(analysis::TextTable table) {
  table_ = std::move(table);
  clearSelection();
  setColumnCount(int(table_.header.size()));
  setRowCount(int(table_.rows.size()));
  QStringList header;
  for (const std::string& h : table_.header) header << QString::fromStdString(h);
  setHorizontalHeaderLabels(header);
  for (int r = 0; r < rowCount(); ++r) {
    const auto& row = table_.rows[std::size_t(r)];
    for (int c = 0; c < columnCount() && std::size_t(c) < row.size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(row[std::size_t(c)]));
      // Numbers stand right as in the value table; names left.
      const bool number =
          !row[std::size_t(c)].empty() &&
          (std::isdigit(static_cast<unsigned char>(row[std::size_t(c)][0])) || row[std::size_t(c)][0] == '-');
      item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      setItem(r, c, item);
    }
  }
  resizeColumnsToContents();
}

int TextTableView::heightForRows(int rows) const {
  return horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() +
         horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
}

analysis::TextTable TextTableView::selection() const {
  QList<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows << index.row();
  if (rows.isEmpty()) return table_;
  std::sort(rows.begin(), rows.end());
  analysis::TextTable t;
  t.header = table_.header;
  for (int r : rows) t.rows.push_back(table_.rows[std::size_t(r)]);
  return t;
}

void TextTableView::copy() const {
  QApplication::clipboard()->setText(QString::fromStdString(analysis::tabSeparated(selection())));
}

void TextTableView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copy();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
    emit rowChosen(currentRow());
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace ui
