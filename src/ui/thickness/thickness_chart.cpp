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
#include "ui/shell/main_form.h"
#include "ui/thickness/chart_widget.h"
#include "ui/thickness/legend_form.h"
#include "ui/thickness/sensor_dialog.h"
#include "ui/thickness/thickness_controller.h"

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

ThicknessChart::ThicknessChart(TMainForm& form) : form_(form) {
  thickness::setupThicknessChart(chart_);
  chart_.numberFormat = form_.numberFormat();

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

  legend_ = new TLegendForm(&form_);
  legend_->PaletImg->numberFormat = form_.numberFormat();
  legend_->PaletImg->nominal = [this]() -> std::uint16_t {
    return form_.file().kind == datafiles::FileKind::Dtm ? form_.file().thk.NominalThickness : 0;
  };
  connect(legend_, &TLegendForm::closedByUser, this, [this] {
    if (form_.AShowLegend) form_.AShowLegend->setChecked(false);
  });
  runSensorDialog_ = [](TForm1& d) { return d.exec(); };

  auto on = [this](QAction* a, void (ThicknessChart::*handler)()) {
    if (a) connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  on(form_.AShowGraph, &ThicknessChart::AShowGraphExecute);
  on(form_.ABeginPosition, &ThicknessChart::ABeginPositionExecute);
  on(form_.AFrPos, &ThicknessChart::AFrPosExecute);
  on(form_.AUpPos, &ThicknessChart::AUpPosExecute);
  on(form_.AIncrease, &ThicknessChart::AIncreaseExecute);
  on(form_.ADecrease, &ThicknessChart::ADecreaseExecute);
  on(form_.AShowSech, &ThicknessChart::AShowSechExecute);
  on(form_.AShowLegend, &ThicknessChart::AShowLegendExecute);
  if (form_.FrPosBtn) connect(form_.FrPosBtn, &QToolButton::clicked, this, [this] { FrPosBtnClick(); });
  connectColorItems();
}

ThicknessChart::~ThicknessChart() {
  if (scrollBox_) static_cast<ScrollBox*>(scrollBox_.data())->onResize = nullptr;
  delete sensorDialog_;
  delete legend_;
}

QWidget* ThicknessChart::widget() { return scrollBox_; }

bool ThicknessChart::active() const { return form_.file().kind == datafiles::FileKind::Dtm && !form_.printing(); }

bool ThicknessChart::frPosDown() const { return form_.FrPosBtn && form_.FrPosBtn->isChecked(); }

bool ThicknessChart::chartShown() const { return !scrollBox_->isHidden() && !autoChrt_->isHidden(); }

TForm1* ThicknessChart::sensorDialog() {
  if (!sensorDialog_) sensorDialog_ = new TForm1(&form_);
  return sensorDialog_;
}

void ThicknessChart::setReadoutLabelsVisible(bool visible) {
  if (form_.KoorLb) form_.KoorLb->setVisible(visible);
  if (form_.KYLb) form_.KYLb->setVisible(visible);
}

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
  const datafiles::LoadedFile& f = form_.file();
  if (f.kind != datafiles::FileKind::Dtm) return;
  thickness::ThkExtremes extremes{0.0f, 0.0f};
  if (ThicknessController* t = form_.thickness())
    extremes = t->extremes();
  else
    extremes = thickness::fillAllValues(f, form_.numberFormat()).extremes;
  chart_.numberFormat = form_.numberFormat();
  cursorColor_ =
      thickness::buildThicknessChart(chart_, f, extremes, form_.appSettings().ThicknessColors, form_.numberFormat());
  autoChrt_->redraw();
}

void ThicknessChart::connectColorItems() {
  // The colour menus may be built after the views: connect once they exist.
  if (colorItemsConnected_ || !form_.HDChnItems[1]) return;
  colorItemsConnected_ = true;
  // "Сетка" (1), "Цифры" (3), "Текст" (5) of the flaw-detector colour menus.
  const std::pair<int, int> items[] = {{3, settings::kMarks}, {5, settings::kText}, {1, settings::kGrid}};
  for (const auto& [item, slot] : items) {
    for (QAction* a : {form_.HDChnItems[std::size_t(item)], form_.HDPopupItems[std::size_t(item)]}) {
      if (a) connect(a, &QAction::triggered, this, [this, slot = slot] { chooseColor(slot); });
    }
  }
}

void ThicknessChart::load() {
  if (form_.file().kind != datafiles::FileKind::Dtm) return;
  connectColorItems();
  setReadoutLabelsVisible(frPosDown());
  if (form_.DViewMn) form_.DViewMn->setEnabled(true);
  buildChart();
  if (form_.AShowLegend) form_.AShowLegend->setChecked(true);
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
      const QRect g = form_.geometry();
      legend_->move(g.right() - legend_->width() - 24, g.top() + 120);
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
  const settings::ChartColors cc = settings::ApplyChartColors(form_.appSettings());
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
  if (form_.AShowSech && !form_.AShowSech->isEnabled()) form_.AShowSech->setEnabled(true);
  scrollBox_->show();
  autoChrt_->show();
  if (form_.AShowGraph && form_.AShowGraph->isCheckable()) form_.AShowGraph->setChecked(chartShown());
  autoChrt_->setFocus();
  for (QAction* a : {form_.ABeginPosition, form_.AUpPos, form_.AFrPos})
    if (a) a->setVisible(true);
}

void ThicknessChart::ABeginPositionExecute() {
  if (!active()) return;
  setReadoutLabelsVisible(false);
  thickness::setBeginPosition(chart_);
  placeChart();
  autoChrt_->show();
  if (frPosDown()) form_.FrPosBtn->setChecked(false);
  autoChrt_->redraw();
}

void ThicknessChart::AFrPosExecute() {
  if (!active()) return;
  if (form_.KYLb && form_.KYLb->isHidden()) setReadoutLabelsVisible(true);
  thickness::setFrontPosition(chart_);
  placeChart();
  autoChrt_->show();
  autoChrt_->redraw();
}

void ThicknessChart::FrPosBtnClick() { AFrPosExecute(); }

void ThicknessChart::AUpPosExecute() {
  if (!active()) return;
  if (frPosDown()) {
    form_.FrPosBtn->setChecked(false);
    setReadoutLabelsVisible(false);
  }
  thickness::setUpPosition(chart_);
  placeChart();
  autoChrt_->redraw();
}

void ThicknessChart::AIncreaseExecute() {
  if (!active() || !chartShown()) return;
  if (autoChrt_->width() < form_.width() + 200) {
    if (zoomedOut_) {
      chart_.undoZoom();
      placeChart();
      zoomedOut_ = false;
      if (form_.ADecrease && !form_.ADecrease->isEnabled()) form_.ADecrease->setEnabled(true);
    } else {
      scaleChart(125, 100);
    }
    placeChart();
    autoChrt_->redraw();
  } else if (form_.AIncrease) {
    form_.AIncrease->setEnabled(false);
  }
}

void ThicknessChart::ADecreaseExecute() {
  if (!active() || !chartShown()) return;
  if (autoChrt_->width() > ChartWidget::kMinWidth) {
    scaleChart(100, 125);
    placeChart();
    autoChrt_->redraw();
    if (form_.AIncrease && !form_.AIncrease->isEnabled()) form_.AIncrease->setEnabled(true);
  } else {
    chart_.zoomAxes(75);
    autoChrt_->redraw();
    zoomedOut_ = true;
    if (form_.ADecrease) form_.ADecrease->setEnabled(false);
  }
}

void ThicknessChart::AShowSechExecute() {
  if (!active()) return;
  if (!chartShown()) {
    if (form_.AShowSech) form_.AShowSech->setEnabled(false);
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
  if (form_.file().kind != datafiles::FileKind::Dtm || form_.printing()) return;
  setLegendVisible(!legendVisible());
  if (form_.AShowLegend) form_.AShowLegend->setChecked(legendVisible());
}

void ThicknessChart::chooseColor(int slot) {
  if (!active()) return;
  auto& colors = form_.appSettings().ThicknessColors;
  const std::optional<QColor> chosen = form_.dialogs().chooseColor(qtx::toQColor(colors[std::size_t(slot)]));
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
  if (form_.KoorLb)
    form_.KoorLb->setText(m(Msg::coord) + ": " + QString::number(static_cast<long long>(std::trunc(xv))));
  if (form_.KYLb) form_.KYLb->setText(m(Msg::tolval) + qtx::qs(text::formatDouble(yv, "##0.0", form_.numberFormat())));
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
  const text::NumberFormat& nf = form_.numberFormat();
  const std::string xs = text::formatDouble(chart_.bottomValueAt(x), chart_.bottomAxis().labelPattern, nf);
  const std::string ys = text::formatDouble(chart_.leftValueAt(y), chart_.leftAxis().labelPattern, nf);
  const QString message = qtx::qs(chart_.series(index).title) + "\n" + m(Msg::coord) + " Х: " + qtx::qs(xs) + "\n" +
                          m(Msg::tol) + ": " + qtx::qs(ys);
  form_.dialogs().message(message);
  autoChrt_->redraw();
}

}  // namespace ui
