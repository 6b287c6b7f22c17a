// The thickness chart AutoChrt with its positions, zoom, read-out, sensor choice and legend window.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QScrollArea>
#include <array>
#include <cstdint>
#include <functional>

#include "core/gfx/color.h"
#include "core/thickness/chart3d.h"
#include "core/thickness/readings.h"

class QWidget;

namespace ui {

class ViewHost;
class ChartWidget;
class TForm1;
class TLegendForm;

class ThicknessChart : public QObject {
  Q_OBJECT

 public:
  // extremes: those of the all-values table, for the chart title.
  ThicknessChart(ViewHost& host, std::function<thickness::ThkExtremes()> extremes);
  ~ThicknessChart() override;

  // AutoChrt inside its ScrollBox1; the thickness controller places it in DtmPanel.
  QWidget* widget();
  // Builds the chart of the loaded .DTM file (the chart part of ShowDtmDat).
  void load();
  void setLegendVisible(bool visible);
  bool legendVisible() const;
  // The chart as shown, drawn anew at any size (no cross-hair).
  QImage pictureAt(QSize size) const;
  // Scrolls a zoomed chart so that the position shows, and reads the sensors there in the status line.
  void showPosition(int mm);
  // ApplyChartColors.
  void applyColors();

  // The chart build with the extremes of the all-values table (also the colour commands).
  void buildChart();

  // The commands (connected to the main window's actions; public for tests).
  void AShowGraphExecute();
  void ABeginPositionExecute();
  void AFrPosExecute();
  // A click on FrPosBtn: the button has toggled its down state; then AFrPos.
  void FrPosBtnClick();
  void AUpPosExecute();
  void AIncreaseExecute();
  void ADecreaseExecute();
  void AShowSechExecute();
  void AShowLegendExecute();
  // "Цифры" (4), "Текст" (5), "Сетка" (6): a colour of ThicknessColors from the colour dialog.
  void chooseColor(int slot);
  // Mouse events of AutoChrt, in chart pixels.
  void AutoChrtMouseMove(int x, int y);
  void AutoChrtClick(int x, int y);

  // How the sensor dialog is run: exec() by default; tests answer it instead.
  void setSensorDialogRunner(std::function<int(TForm1&)> runner) { runSensorDialog_ = std::move(runner); }

  thickness::Chart3D& chart() { return chart_; }
  ChartWidget* autoChrt() const { return autoChrt_; }
  QScrollArea* scrollBox() const { return scrollBox_; }
  TForm1* sensorDialog();
  TLegendForm* legendForm() const { return legend_; }
  bool chartShown() const;
  bool ThkAxesZoomedOut() const { return zoomedOut_; }
  int CursorX() const { return cursorX_; }
  int CursorY() const { return cursorY_; }
  gfx::Color CursorColor() const { return cursorColor_; }
  const std::array<std::int16_t, 4>& SensorChosen() const { return sensorChosen_; }

 private:
  bool active() const;
  bool frPosDown() const;
  void connectActions();
  void placeChart();
  void scaleChart(int num, int den);
  void setReadoutLabelsVisible(bool visible);
  void fitToViewport();
  // The status line's read-out: the position and the four sensors' readings there.
  QString readingsAt(double positionMm) const;

  ViewHost& host_;
  std::function<thickness::ThkExtremes()> extremes_;
  thickness::Chart3D chart_;
  QPointer<QScrollArea> scrollBox_;
  ChartWidget* autoChrt_ = nullptr;
  TForm1* sensorDialog_ = nullptr;  // owned; made at first use
  TLegendForm* legend_ = nullptr;   // owned
  std::function<int(TForm1&)> runSensorDialog_;
  bool zoomedOut_ = false;  // ThkAxesZoomedOut
  bool scaled_ = false;
  bool legendPlaced_ = false;  // the chart has its own size since the first zoom step
  int cursorX_ = -1;
  int cursorY_ = -1;
  gfx::Color cursorColor_ = gfx::kBlack;
  std::array<std::int16_t, 4> sensorChosen_{1, 1, 1, 1};

  friend class ChartViewportFilter;
};

}  // namespace ui
