// The comparison window: the offset and its match, the minimum thickness, the loss chart, the worst positions.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "core/compare/comparison.h"
#include "core/compare/loss_chart.h"
#include "core/datafiles/loaded_file.h"
#include "core/printing/print_status.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QDoubleSpinBox;
class QTableWidget;

namespace gfx {
class Printer;
}

namespace ui {

class ViewHost;
class LossChartWidget;

class CompareWindow : public QWidget {
  Q_OBJECT

 public:
  // An owned window of the host's main window; never above every other window.
  explicit CompareWindow(ViewHost& host);

  // The pair to compare; the offset searched, the minimum half the later nominal.
  void setRuns(datafiles::LoadedFile earlier, const QString& earlierName, datafiles::LoadedFile later,
               const QString& laterName);
  const compare::Comparison& comparison() const { return comparison_; }

  // The operator's offset (mm, a multiple of 2) in the offset box; "Найти" searches again.
  void setOffset(int offsetMm);
  void searchOffset();
  // The minimum allowed thickness in mm.
  void setTmin(double mm);
  // A row of the worst positions: the chart shows the stretch round it, the position marked; the
  // main window's view brings it into view while it shows the later run.
  void showRow(int row);
  // "Весь участок": the chart over the whole overlap.
  void showWhole();

  // "Печать" and "Сохранить в PDF...": the page of printComparison.
  void printReport();
  void saveReportPdf();
  // Where a print job goes instead of the print dialog's printer (tests: a recording printer).
  void setPrinterOverride(std::function<gfx::Printer*()> printer) { printerOverride_ = std::move(printer); }

  QLabel* FilesLb = nullptr;
  QLabel* MatchLb = nullptr;
  QLabel* WarningsLb = nullptr;
  QSpinBox* OffsetEdt = nullptr;
  QPushButton* ApplyBtn = nullptr;  // the offset in the box as it stands, also one the search proposed
  QPushButton* FindBtn = nullptr;
  QDoubleSpinBox* TminEdt = nullptr;
  QPushButton* WholeBtn = nullptr;
  QPushButton* PrintBtn = nullptr;
  QPushButton* PdfBtn = nullptr;
  LossChartWidget* Chart = nullptr;
  QTableWidget* WorstTbl = nullptr;

 private:
  void buildControls();
  void recompute(bool search);
  // The pair compared with these options, the chart on the whole overlap or where it was.
  void compareRuns(const compare::CompareOptions& options, bool wholeOverlap);
  void fillTable();
  void showState();
  printing::PrintStatus printOn(gfx::Printer& printer);

  ViewHost& host_;
  datafiles::LoadedFile earlier_, later_;
  QString earlierName_, laterName_;
  compare::Comparison comparison_;
  compare::ChartWindow window_;
  std::vector<compare::Spot> worst_;
  bool updating_ = false;  // fields set by the program, not the operator
  std::function<gfx::Printer*()> printerOverride_;
};

}  // namespace ui
