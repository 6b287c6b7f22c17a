// The thickness view: fills SGTab at every load, switches between table and chart, runs the threshold query.
#include "ui/thickness/thickness_controller.h"

#include <QAction>
#include <QImage>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "core/printing/print_file.h"
#include "ui/host/view_host.h"
#include "ui/thickness/chart_widget.h"
#include "ui/thickness/sg_tab.h"
#include "ui/thickness/thickness_chart.h"
#include "ui/thickness/threshold_dialog.h"

namespace ui {

ThicknessController::ThicknessController(ViewHost& host) : host_(host) {
  panel_ = new QWidget();
  panel_->setObjectName("DtmPanel");
  auto* layout = new QVBoxLayout(panel_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  sgTab_ = new SGTab(panel_);
  sgTab_->hide();
  layout->addWidget(sgTab_);

  chart_ = std::make_unique<ThicknessChart>(host_, [this] { return state_.extremes; });
  if (QWidget* w = chart_->widget()) layout->addWidget(w);

  runDialog_ = [](TForm2& d) { return d.exec(); };

  const ViewActions& a = host_.viewActions();
  connect(sgTab_, &SGTab::gridDoubleClicked, a.AShowPorog, &QAction::trigger);
  connect(a.AShowTable, &QAction::triggered, this, [this] { AShowTableExecute(); });
  connect(a.AShowPorog, &QAction::triggered, this, [this] { AShowPorogExecute(); });
  // The chart's own handler shows the chart; the table only has to step aside.
  connect(a.AShowGraph, &QAction::triggered, this, [this] {
    if (active()) hideTable();
  });
}

ThicknessController::~ThicknessController() {
  delete dialog_.data();
  // The chart's widget lives in the panel; let the chart go first, then the panel.
  chart_.reset();
  delete panel_.data();
}

QWidget* ThicknessController::panel() { return panel_; }

bool ThicknessController::active() const {
  // The file stays loaded after the last one is closed; the shown kind tells whether it is on screen.
  return host_.file().kind == datafiles::FileKind::Dtm && host_.shownKind() == datafiles::FileKind::Dtm &&
         !host_.printing();
}

const thickness::ValueTable& ThicknessController::table() const { return sgTab_->table(); }

void ThicknessController::fillAllValues() {
  thickness::AllValues all = thickness::fillAllValues(host_.file(), host_.numberFormat());
  state_.extremes = all.extremes;
  sgTab_->setTable(std::move(all.table));
}

void ThicknessController::load() {
  if (host_.file().kind != datafiles::FileKind::Dtm) return;
  // The table is filled at every load, hidden: its extremes feed the chart title and
  // its rows are what the threshold search scans and what printing lists.
  fillAllValues();
  state_.ThkThreshold = host_.file().thk.NominalThickness;
  state_.ThkTableRows = std::uint16_t(table().rowCount() - 1);
  hideTable();
  chart_->load();
  if (QWidget* w = chart_->widget()) w->show();
}

void ThicknessController::showTable() {
  if (QWidget* w = chart_->widget()) w->hide();
  sgTab_->show();
  const ViewActions& a = host_.viewActions();
  for (QAction* position : {a.ABeginPosition, a.AUpPos, a.AFrPos}) position->setVisible(false);
  sgTab_->setFocus();
}

void ThicknessController::hideTable() { sgTab_->hide(); }

void ThicknessController::AShowTableExecute() {
  if (!active()) return;
  fillAllValues();
  state_.ThkThreshold = host_.file().thk.NominalThickness;
  showTable();
}

void ThicknessController::AShowPorogExecute() {
  if (!active()) return;
  if (!dialog_) dialog_ = new TForm2(host_.dialogs(), host_.numberFormat(), host_.hostWindow());
  dialog_->bind(&state_.ThkThreshold, host_.file().thk.NominalThickness);
  if (runDialog_(*dialog_) != TForm2::kAccepted) return;
  const std::vector<std::uint16_t> found =
      thickness::thresholdSearch(host_.file(), state_.ThkTableRows, state_.ThkThreshold);
  sgTab_->setTable(thickness::fillThreshold(host_.file(), found, host_.numberFormat()));
}

void ThicknessController::addPrintSources(printing::PrintSources& s) {
  s.thkThreshold = thresholdTenths();
  s.table = &table();
  s.chart = &chart_->chart();
}

QWidget* ThicknessController::focusTarget() {
  return sgTab_->isHidden() ? static_cast<QWidget*>(chart_->autoChrt()) : sgTab_;
}

QImage ThicknessController::shownPicture() {
  return chart_->chartShown() ? chart_->pictureAt(chart_->autoChrt()->size()) : View::shownPicture();
}

QImage ThicknessController::picture(QSize size) {
  return chart_->chartShown() ? chart_->pictureAt(size) : View::picture(size);
}

void ThicknessController::showPosition(int mm) {
  if (!active() || mm < 0) return;
  const auto& rows = table().rows();
  const auto row =
      std::lower_bound(rows.begin(), rows.end(), std::uint32_t(mm / 2),
                       [](const thickness::ValueRow& r, std::uint32_t sample) { return r.sample < sample; });
  if (row != rows.end() && !sgTab_->isHidden()) {
    const QModelIndex index = sgTab_->model()->index(int(row - rows.begin()), 0);
    sgTab_->setCurrentIndex(index);
    sgTab_->scrollTo(index, QAbstractItemView::PositionAtCenter);
  }
  chart_->showPosition(mm);
}

PrintPreselection ThicknessController::printPreselection() const {
  PrintPreselection p;
  p.chart = chart_->chartShown();
  p.table = !p.chart && !sgTab_->isHidden();
  return p;
}

void ThicknessController::setLegendVisible(bool visible) { chart_->setLegendVisible(visible); }
bool ThicknessController::legendVisible() const { return chart_->legendVisible(); }
void ThicknessController::applyColors() { chart_->applyColors(); }

}  // namespace ui
