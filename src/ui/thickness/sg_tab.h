// SGTab: the value-table grid of the thickness view (7 columns, fixed header row, bold italic text).
#pragma once

#include <QTableView>

#include "core/thickness/value_table.h"

namespace ui {

class ValueTableModel;

class SGTab : public QTableView {
  Q_OBJECT

 public:
  explicit SGTab(QWidget* parent = nullptr);

  void setTable(thickness::ValueTable table);
  const thickness::ValueTable& table() const;
  ValueTableModel* valueModel() const { return model_; }

 signals:
  // A double click anywhere on the grid: the threshold query.
  void gridDoubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void applyFixedRowColor();
  void fitHeaderTexts();

  ValueTableModel* model_ = nullptr;
};

}  // namespace ui
