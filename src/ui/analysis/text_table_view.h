// A read-only grid of a statistics table that copies as tab-separated text (Ctrl+C).
#pragma once

#include <QTableWidget>

#include "core/analysis/stats_tables.h"

namespace ui {

class TextTableView : public QTableWidget {
  Q_OBJECT

 public:
  explicit TextTableView(QWidget* parent = nullptr);

  void setTable(analysis::TextTable table);
  const analysis::TextTable& table() const { return table_; }
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
  analysis::TextTable table_;
};

}  // namespace ui
