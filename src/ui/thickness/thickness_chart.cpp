// The thickness chart: build, viewing positions, zoom steps, cross-hair read-out, band clicks, sensors, legend.
#include "ui/thickness/thickness_chart.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRect>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <cmath>

#include "core/settings/chart_colors.h"
#include "core/text/messages.h"
#include "core/thickness/chart_build.h"
#include "core/thickness/value_table.h"
#include "qt/convert.h"
#include "qt/qt_canvas.h"
#include "ui/host/view_host.h"
#include "ui/thickness/chart_widget.h"
#include "ui/thickness/legend_form.h"
#include "ui/thickness/sensor_dialog.h"

namespace ui {

namespace {

using text::Msg;

// ScrollBox1: tells the chart when its visible area changes size.
class ScrollBox : public QScrollArea {
 public:
  std::function<void()> onResize;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QScrollArea::resizeEvent(event);
    if (onResize) onResize();
  }
};

QString m(Msg id) { return qtx::qs(text::msg(id)); }

}  // namespace

ThicknessChart::ThicknessChart(ViewHost& host, std::function<thickness::ThkExtremes()> extremes)
    : host_(host), extremes_(std::move(extremes)) {
  thickness::setupThicknessChart(chart_);
  chart_.numberFormat = host_.numberFormat();

  auto* box = new ScrollBox();
  box->setObjectName("ScrollBox1");
  box->setWidgetResizable(false);
  box->setFrameShape(QFrame::NoFrame);
  box->setBackgroundRole(QPalette::Base);
  autoChrt_ = new ChartWidget(chart_);
  box->setWidget(autoChrt_);
  box->onResize = [this] { fitToViewport(); };
  scrollBox_ = box;

  connect(autoChrt_, &ChartWidget::redrawn, this, [this] { cursorX_ = cursorY_ = -1; });
  connect(autoChrt_, &ChartWidget::mouseMoved, this, &ThicknessChart::AutoChrtMouseMove);
  connect(autoChrt_, &ChartWidget::clicked, this, &ThicknessChart::AutoChrtClick);
  connect(autoChrt_, &ChartWidget::zoomStep, this, [this](int direction) {
    (direction > 0 ? host_.viewActions().AIncrease : host_.viewActions().ADecrease)->trigger();
  });
  connect(autoChrt_, &ChartWidget::homePressed, host_.viewActions().ABeginPosition, &QAction::trigger);

  legend_ = new TLegendForm(host_.hostWindow());
  legend_->PaletImg->numberFormat = host_.numberFormat();
  legend_->PaletImg->nominal = [this]() -> std::uint16_t {
    return host_.file().kind == datafiles::FileKind::Dtm ? host_.file().thk.NominalThickness : 0;
  };
  connect(legend_, &TLegendForm::closedByUser, host_.viewActions().AShowLegend,
          [this] { host_.viewActions().AShowLegend->setChecked(false); });
  runSensorDialog_ = [](TForm1& d) { return d.exec(); };

  connectActions();
}

ThicknessChart::~ThicknessChart() {
  if (scrollBox_) static_cast<ScrollBox*>(scrollBox_.data())->onResize = nullptr;
  delete sensorDialog_;
  delete legend_;
}

QWidget* ThicknessChart::widget() { return scrollBox_; }

bool ThicknessChart::active() const { return host_.file().kind == datafiles::FileKind::Dtm && !host_.printing(); }

bool ThicknessChart::frPosDown() const { return host_.viewActions().FrPosAction->isChecked(); }

bool ThicknessChart::chartShown() const { return !scrollBox_->isHidden() && !autoChrt_->isHidden(); }

TForm1* ThicknessChart::sensorDialog() {
  if (!sensorDialog_) sensorDialog_ = new TForm1(host_.hostWindow());
  return sensorDialog_;
}

void ThicknessChart::setReadoutLabelsVisible(bool visible) { host_.setReadoutVisible(visible); }

void ThicknessChart::fitToViewport() {
  if (scaled_ || !scrollBox_) return;
  const QSize vs = scrollBox_->viewport()->size();
  autoChrt_->resize(std::max(vs.width(), ChartWidget::kMinWidth), std::max(vs.height(), ChartWidget::kMinHeight));
}

void ThicknessChart::placeChart() {
  scrollBox_->horizontalScrollBar()->setValue(0);
  scrollBox_->verticalScrollBar()->setValue(0);
}

void ThicknessChart::scaleChart(int num, int den) {
  auto scaled = [num, den](int v) { return int(std::lround(double(v) * num / den)); };
  scaled_ = true;
  autoChrt_->resize(scaled(autoChrt_->width()), scaled(autoChrt_->height()));
}

void ThicknessChart::buildChart() {
  const datafiles::LoadedFile& f = host_.file();
  if (f.kind != datafiles::FileKind::Dtm) return;
  const thickness::ThkExtremes extremes = extremes_();
  chart_.numberFormat = host_.numberFormat();
  cursorColor_ =
      thickness::buildThicknessChart(chart_, f, extremes, host_.appSettings().ThicknessColors, host_.numberFormat());
  autoChrt_->redraw();
}

void ThicknessChart::connectActions() {
  const ViewActions& a = host_.viewActions();
  auto on = [this](QAction* action, void (ThicknessChart::*handler)()) {
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  on(a.AShowGraph, &ThicknessChart::AShowGraphExecute);
  on(a.ABeginPosition, &ThicknessChart::ABeginPositionExecute);
  on(a.AFrPos, &ThicknessChart::AFrPosExecute);
  on(a.AUpPos, &ThicknessChart::AUpPosExecute);
  on(a.AIncrease, &ThicknessChart::AIncreaseExecute);
  on(a.ADecrease, &ThicknessChart::ADecreaseExecute);
  on(a.AShowSech, &ThicknessChart::AShowSechExecute);
  on(a.AShowLegend, &ThicknessChart::AShowLegendExecute);
  on(a.FrPosAction, &ThicknessChart::FrPosBtnClick);
  // "Сетка" (1), "Цифры" (3), "Текст" (5) of the flaw-detector colour menus.
  const std::pair<int, int> items[] = {{3, settings::kMarks}, {5, settings::kText}, {1, settings::kGrid}};
  for (const auto& [item, slot] : items) {
    for (QAction* menuItem : {a.HDChnItems[std::size_t(item)], a.HDPopupItems[std::size_t(item)]})
      connect(menuItem, &QAction::triggered, this, [this, slot = slot] { chooseColor(slot); });
  }
}

void ThicknessChart::load() {
  if (host_.file().kind != datafiles::FileKind::Dtm) return;
  setReadoutLabelsVisible(frPosDown());
  buildChart();
  host_.viewActions().AShowLegend->setChecked(true);
  setLegendVisible(true);
  placeChart();
  scrollBox_->show();
  autoChrt_->show();
}

void ThicknessChart::setLegendVisible(bool visible) {
  if (!legend_) return;
  if (visible) {
    if (!legendPlaced_) {
      // First showing: beside the right edge of the work area, clear of the chart's middle.
      legendPlaced_ = true;
      const QRect g = host_.hostWindow()->geometry();
      // Whole inside the window when the window is tall enough for it.
      const int top = std::max(g.top(), std::min(g.top() + 120, g.bottom() - legend_->height() - 48));
      legend_->move(g.right() - legend_->width() - 24, top);
    }
    legend_->show();
    legend_->PaletImg->update();
  } else {
    legend_->hide();
  }
}

bool ThicknessChart::legendVisible() const { return legend_ && !legend_->isHidden(); }

void ThicknessChart::applyColors() {
  // Series i is sensor i + 1 whatever place clicks have moved it to.
  const settings::ChartColors cc = settings::ApplyChartColors(host_.appSettings());
  for (int i = 0; i < thickness::Chart3D::kSeriesCount; ++i) chart_.series(i).color = cc.band[std::size_t(i)];
  chart_.bottomAxis().labelColor = cc.marks;
  chart_.topAxis().labelColor = cc.marks;
  chart_.leftAxis().labelColor = cc.marks;
  chart_.depthAxis().labelColor = cc.text;
  chart_.titleFont.color = cc.text;
  cursorColor_ = cc.grid;
  autoChrt_->redraw();
}

void ThicknessChart::AShowGraphExecute() {
  if (!active()) return;
  host_.viewActions().AShowSech->setEnabled(true);
  scrollBox_->show();
  autoChrt_->show();
  autoChrt_->setFocus();
  const ViewActions& a = host_.viewActions();
  for (QAction* position : {a.ABeginPosition, a.AUpPos, a.AFrPos}) position->setVisible(true);
}

void ThicknessChart::ABeginPositionExecute() {
  if (!active()) return;
  setReadoutLabelsVisible(false);
  thickness::setBeginPosition(chart_);
  placeChart();
  autoChrt_->show();
  host_.viewActions().FrPosAction->setChecked(false);
  autoChrt_->redraw();
}

void ThicknessChart::AFrPosExecute() {
  if (!active()) return;
  if (!host_.readoutVisible()) setReadoutLabelsVisible(true);
  thickness::setFrontPosition(chart_);
  placeChart();
  autoChrt_->show();
  autoChrt_->redraw();
}

void ThicknessChart::FrPosBtnClick() { AFrPosExecute(); }

void ThicknessChart::AUpPosExecute() {
  if (!active()) return;
  if (frPosDown()) {
    host_.viewActions().FrPosAction->setChecked(false);
    setReadoutLabelsVisible(false);
  }
  thickness::setUpPosition(chart_);
  placeChart();
  autoChrt_->redraw();
}

void ThicknessChart::AIncreaseExecute() {
  if (!active() || !chartShown()) return;
  if (autoChrt_->width() < host_.hostWindow()->width() + 200) {
    if (zoomedOut_) {
      chart_.undoZoom();
      placeChart();
      zoomedOut_ = false;
      host_.viewActions().ADecrease->setEnabled(true);
    } else {
      scaleChart(125, 100);
    }
    placeChart();
    autoChrt_->redraw();
  } else {
    host_.viewActions().AIncrease->setEnabled(false);
  }
}

void ThicknessChart::ADecreaseExecute() {
  if (!active() || !chartShown()) return;
  if (autoChrt_->width() > ChartWidget::kMinWidth) {
    scaleChart(100, 125);
    placeChart();
    autoChrt_->redraw();
    host_.viewActions().AIncrease->setEnabled(true);
  } else {
    chart_.zoomAxes(75);
    autoChrt_->redraw();
    zoomedOut_ = true;
    host_.viewActions().ADecrease->setEnabled(false);
  }
}

void ThicknessChart::AShowSechExecute() {
  if (!active()) return;
  if (!chartShown()) {
    host_.viewActions().AShowSech->setEnabled(false);
    return;
  }
  TForm1& dialog = *sensorDialog();
  const int result = runSensorDialog_(dialog);
  if (result == TForm1::kChosen) {
    sensorChosen_ = dialog.SensorChosen();
    for (int i = 0; i < 4; ++i) chart_.series(chart_.seriesAtPlace(i + 1)).active = sensorChosen_[std::size_t(i)] == 1;
  } else {
    for (int i = 0; i < 4; ++i) chart_.series(i).active = true;
  }
  scrollBox_->show();
  autoChrt_->show();
  autoChrt_->setFocus();
  autoChrt_->redraw();
}

void ThicknessChart::AShowLegendExecute() {
  if (host_.file().kind != datafiles::FileKind::Dtm || host_.printing()) return;
  setLegendVisible(!legendVisible());
  host_.viewActions().AShowLegend->setChecked(legendVisible());
}

void ThicknessChart::chooseColor(int slot) {
  if (!active()) return;
  auto& colors = host_.appSettings().ThicknessColors;
  const std::optional<QColor> chosen = host_.dialogs().chooseColor(qtx::toQColor(colors[std::size_t(slot)]));
  if (!chosen) return;
  colors[std::size_t(slot)] = qtx::fromQColor(*chosen);
  buildChart();
}

void ThicknessChart::AutoChrtMouseMove(int x, int y) {
  if (!active() || !frPosDown()) return;
  if (cursorX_ != -1) {
    autoChrt_->crossHair(cursorX_, cursorY_, cursorColor_);
    cursorX_ = cursorY_ = -1;
  }
  if (!thickness::readoutHit(chart_, x, y)) return;
  const double xv = chart_.bottomValueAt(x);
  const double yv = chart_.leftValueAt(y);
  autoChrt_->crossHair(x, y, cursorColor_);
  cursorX_ = x;
  cursorY_ = y;
  host_.setReadout(m(Msg::coord) + ": " + QString::number(static_cast<long long>(std::trunc(xv))),
                   m(Msg::tolval) + qtx::qs(text::formatDouble(yv, "##0.0", host_.numberFormat())));
  host_.showStatus(readingsAt(xv));
}

QImage ThicknessChart::pictureAt(QSize size) const {
  QImage image(size, QImage::Format_RGB32);
  thickness::Chart3D copy = chart_;  // the read-out keeps the layout of the chart on screen
  qtx::QtCanvas canvas(image);
  copy.draw(canvas, gfx::Rect{0, 0, size.width(), size.height()});
  return image;
}

void ThicknessChart::showPosition(int mm) {
  if (!active() || !chartShown()) return;
  if (autoChrt_->stale()) autoChrt_->redrawNow();
  const int x = chart_.bottomPixelOf(mm);
  scrollBox_->ensureVisible(x, autoChrt_->height() / 2, scrollBox_->viewport()->width() / 3, 0);
  // In the front view the read-out's cross-hair marks the place, as if the mouse stood there.
  if (frPosDown()) {
    if (cursorX_ != -1) autoChrt_->crossHair(cursorX_, cursorY_, cursorColor_);
    cursorX_ = x;
    cursorY_ = chart_.plotRect().top + chart_.plotRect().height() / 2;
    autoChrt_->crossHair(cursorX_, cursorY_, cursorColor_);
  }
  host_.showStatus(readingsAt(mm));
}

QString ThicknessChart::readingsAt(double positionMm) const {
  const text::NumberFormat& nf = host_.numberFormat();
  QString text = "Позиция " + qtx::qs(text::formatDouble(std::trunc(positionMm), "#,##0", nf)) + " мм:";
  const auto sample =
      positionMm < 0 ? std::nullopt : thickness::readSample(host_.file(), std::size_t(positionMm / 2.0));
  const std::uint16_t nominal = host_.file().thk.NominalThickness;
  for (std::size_t s = 0; s < 4; ++s) {
    text += QString("   Д%1 ").arg(s + 1);
    if (!sample) {
      text += "—";
      continue;
    }
    switch (thickness::classify((*sample)[s], nominal)) {
      case thickness::ReadingClass::ContactLost:
        text += "нет контакта";
        break;
      case thickness::ReadingClass::SpeedExceeded:
        text += "скорость";
        break;
      case thickness::ReadingClass::ThicknessExceeded:
      case thickness::ReadingClass::Valid:
        text += qtx::qs(text::formatDouble(thickness::tenths((*sample)[s]) / 10.0, "##0.0", nf)) + " мм";
        break;
    }
  }
  return text;
}

void ThicknessChart::AutoChrtClick(int x, int y) {
  if (!active()) return;
  const int index = chart_.seriesAt(x, y);
  if (index < 0) {
    autoChrt_->redraw();  // a plain click repaints the chart
    return;
  }
  if (!frPosDown()) {
    // In depth order: the clicked band goes one step back; the last one stays.
    if (chart_.moveBack(index)) autoChrt_->redraw();
    return;
  }
  chart_.bottomAxis().labelPattern = "##0.#";
  chart_.leftAxis().labelPattern = "#0.#";
  const text::NumberFormat& nf = host_.numberFormat();
  const std::string xs = text::formatDouble(chart_.bottomValueAt(x), chart_.bottomAxis().labelPattern, nf);
  const std::string ys = text::formatDouble(chart_.leftValueAt(y), chart_.leftAxis().labelPattern, nf);
  const QString message = qtx::qs(chart_.series(index).title) + "\n" + m(Msg::coord) + " Х: " + qtx::qs(xs) + "\n" +
                          m(Msg::tol) + ": " + qtx::qs(ys);
  host_.dialogs().message(message);
  autoChrt_->redraw();
}

}  // namespace ui
