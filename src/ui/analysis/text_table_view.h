// A read-only grid of a statistics table that copies as tab-separated text (Ctrl+C).
#pragma once

#include <QTableView>

#include "core/analysis/stats_tables.h"

namespace ui {

class TextTableModel;

// The rows are shown through a model that makes each cell when it is painted: a map's class may
// hold tens of thousands of runs, and the grid costs what it shows.
class TextTableView : public QTableView {
  Q_OBJECT

 public:
  explicit TextTableView(QWidget* parent = nullptr);

  void setTable(analysis::TextTable table);
  const analysis::TextTable& table() const;
  int rowCount() const { return int(table().rows.size()); }
  // The selected rows with the header, or the whole table when nothing is selected.
  analysis::TextTable selection() const;
  // selection() as tab-separated text on the clipboard.
  void copy() const;
  // The height that shows the header and so many rows without scrolling.
  int heightForRows(int rows) const;

 signals:
  // A data row was clicked or chosen with Enter (0 = first data row).
  void rowChosen(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TextTableModel* model_ = nullptr;
};

}  // namespace ui
