// The thickness view: fills SGTab at every load, switches between table and chart, runs the threshold query.
#include "ui/thickness/thickness_controller.h"

#include <QAction>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/shell/main_form.h"
#include "ui/thickness/sg_tab.h"
#include "ui/thickness/thickness_chart.h"
#include "ui/thickness/threshold_dialog.h"

namespace ui {

ThicknessController::ThicknessController(TMainForm& form) : form_(form) {
  panel_ = new QWidget();
  panel_->setObjectName("DtmPanel");
  auto* layout = new QVBoxLayout(panel_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  sgTab_ = new SGTab(panel_);
  sgTab_->hide();
  layout->addWidget(sgTab_);

  chart_ = std::make_unique<ThicknessChart>(form_);
  if (QWidget* w = chart_->widget()) layout->addWidget(w);

  runDialog_ = [](TForm2& d) { return d.exec(); };

  connect(sgTab_, &SGTab::gridDoubleClicked, this, [this] {
    if (form_.AShowPorog)
      form_.AShowPorog->trigger();
    else
      AShowPorogExecute();
  });
  if (form_.AShowTable) connect(form_.AShowTable, &QAction::triggered, this, [this] { AShowTableExecute(); });
  if (form_.AShowPorog) connect(form_.AShowPorog, &QAction::triggered, this, [this] { AShowPorogExecute(); });
  // The chart's own handler shows the chart; the table only has to step aside.
  if (form_.AShowGraph)
    connect(form_.AShowGraph, &QAction::triggered, this, [this] {
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
  return form_.file().kind == datafiles::FileKind::Dtm && form_.shownKind() == datafiles::FileKind::Dtm &&
         !form_.printing();
}

const thickness::ValueTable& ThicknessController::table() const { return sgTab_->table(); }

void ThicknessController::fillAllValues() {
  thickness::AllValues all = thickness::fillAllValues(form_.file(), form_.numberFormat());
  state_.extremes = all.extremes;
  sgTab_->setTable(std::move(all.table));
}

void ThicknessController::load() {
  if (form_.file().kind != datafiles::FileKind::Dtm) return;
  // The table is filled at every load, hidden: its extremes feed the chart title and
  // its rows are what the threshold search scans and what printing lists.
  fillAllValues();
  state_.ThkThreshold = form_.file().thk.NominalThickness;
  state_.ThkTableRows = std::uint16_t(table().rowCount() - 1);
  hideTable();
  chart_->load();
  if (QWidget* w = chart_->widget()) w->show();
}

void ThicknessController::showTable() {
  if (QWidget* w = chart_->widget()) w->hide();
  sgTab_->show();
  for (QAction* a : {form_.ABeginPosition, form_.AUpPos, form_.AFrPos})
    if (a) a->setVisible(false);
  sgTab_->setFocus();
  if (form_.AShowTable && form_.AShowTable->isCheckable()) form_.AShowTable->setChecked(true);
  if (form_.AShowGraph && form_.AShowGraph->isCheckable()) form_.AShowGraph->setChecked(false);
}

void ThicknessController::hideTable() {
  sgTab_->hide();
  if (form_.AShowTable && form_.AShowTable->isCheckable()) form_.AShowTable->setChecked(false);
}

void ThicknessController::AShowTableExecute() {
  if (!active()) return;
  fillAllValues();
  state_.ThkThreshold = form_.file().thk.NominalThickness;
  showTable();
}

void ThicknessController::AShowPorogExecute() {
  if (!active()) return;
  if (!dialog_) dialog_ = new TForm2(form_.dialogs(), form_.numberFormat(), &form_);
  dialog_->bind(&state_.ThkThreshold, form_.file().thk.NominalThickness);
  if (runDialog_(*dialog_) != TForm2::kAccepted) return;
  const std::vector<std::uint16_t> found =
      thickness::thresholdSearch(form_.file(), state_.ThkTableRows, state_.ThkThreshold);
  sgTab_->setTable(thickness::fillThreshold(form_.file(), found, form_.numberFormat()));
}

void ThicknessController::setLegendVisible(bool visible) { chart_->setLegendVisible(visible); }
bool ThicknessController::legendVisible() const { return chart_->legendVisible(); }
void ThicknessController::applyColors() { chart_->applyColors(); }

}  // namespace ui
