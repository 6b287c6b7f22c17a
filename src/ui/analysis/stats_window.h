// "Статистика": the figures of the shown file, its thin zones or indication runs, each row leading to the view.
#pragma once

#include <QWidget>
#include <vector>

#include "core/analysis/map_stats.h"
#include "core/analysis/thin_zones.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class ViewHost;
class TextTableView;

class StatsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit StatsWindow(ViewHost& host);

  // Shows the window with the figures of the shown file.
  void showFor();
  // Another file is on screen (or none): an open window follows it.
  void fileShown();

  // The zones at the threshold the field holds; a wrong entry is said and changes nothing.
  void findZones();
  // The tables' rows as a click on them: a zone or a run into view, a class's runs listed.
  void chooseSummaryRow(int row);
  void chooseDetailRow(int row);
  // Both tables as one CSV file beside the data file.
  void exportCsv();

  TextTableView* summary() const { return summary_; }
  TextTableView* detail() const { return detail_; }
  QLineEdit* thresholdField() const { return threshold_; }
  QLabel* detailTitle() const { return detailTitle_; }

 private:
  void fill();
  void showZones(std::uint16_t thresholdTenths);

  ViewHost& host_;
  QLabel* title_ = nullptr;
  TextTableView* summary_ = nullptr;
  QLabel* detailTitle_ = nullptr;
  QWidget* thresholdRow_ = nullptr;
  QLineEdit* threshold_ = nullptr;
  TextTableView* detail_ = nullptr;

  // What the detail rows stand for: the zones, or the runs of the chosen class.
  std::vector<analysis::ThinZone> zones_;
  analysis::MapStats map_;
  std::vector<analysis::MapRun> runs_;
};

}  // namespace ui
