// The thickness view (.DTM): DtmPanel with the value table SGTab and the chart, and its actions.
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/thickness/readings.h"
#include "core/thickness/value_table.h"
#include "ui/host/view.h"

class QWidget;

namespace ui {

class ViewHost;
class SGTab;
class TForm2;
class ThicknessChart;

class ThicknessController : public QObject, public View {
  Q_OBJECT

 public:
  explicit ThicknessController(ViewHost& host);
  ~ThicknessController() override;

  // View: DtmPanel; the drawing part of ShowDtmDat; the thickness legend window; the
  // threshold, grid and chart a printout shows, and the form on screen preselected.
  QWidget* panel() override;
  void load() override;
  void setLegendVisible(bool visible) override;
  QWidget* focusTarget() override;
  void addPrintSources(printing::PrintSources& sources) override;
  PrintPreselection printPreselection() const override;
  QImage shownPicture() override;
  QImage picture(QSize size) override;
  // The row of the position selected in the table, the position scrolled into a zoomed chart.
  void showPosition(int mm) override;

  bool legendVisible() const;
  // ApplyChartColors: the chart takes the thickness colours of the settings.
  void applyColors();

  // The thickness state the chart and printing read.
  std::uint16_t thresholdTenths() const { return state_.ThkThreshold; }       // ThkThreshold
  std::uint16_t tableRows() const { return state_.ThkTableRows; }             // ThkTableRows
  const thickness::ThkExtremes& extremes() const { return state_.extremes; }  // ThkExtremes
  const thickness::ThicknessState& state() const { return state_; }
  // The table SGTab holds now: the all-values table, or the threshold table (or its
  // no-result form) after a threshold query.
  const thickness::ValueTable& table() const;

  SGTab* sgTab() const { return sgTab_; }
  ThicknessChart* chart() const { return chart_.get(); }

  // The commands (connected to the main window's actions; public for tests).
  void AShowTableExecute();
  void AShowPorogExecute();

  // How the threshold dialog is run: exec() by default; tests type into it instead.
  void setDialogRunner(std::function<int(TForm2&)> runner) { runDialog_ = std::move(runner); }

 private:
  bool active() const;
  void fillAllValues();
  void showTable();
  void hideTable();

  ViewHost& host_;
  QPointer<QWidget> panel_;
  SGTab* sgTab_ = nullptr;
  std::unique_ptr<ThicknessChart> chart_;
  QPointer<TForm2> dialog_;
  std::function<int(TForm2&)> runDialog_;
  thickness::ThicknessState state_;
};

}  // namespace ui
