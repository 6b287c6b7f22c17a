// The statistics window: tables from the core's analysis, filled for the kind of the shown file.
#include "ui/analysis/stats_window.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/analysis/gate_peaks.h"
#include "core/analysis/stats_tables.h"
#include "core/analysis/thickness_stats.h"
#include "core/thickness/threshold_input.h"
#include "ui/analysis/text_table_view.h"
#include "ui/host/dialogs.h"
#include "ui/host/file_names.h"
#include "ui/host/save_file.h"
#include "ui/host/view.h"
#include "ui/host/view_host.h"

namespace ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

StatsWindow::StatsWindow(ViewHost& host) : QWidget(host.hostWindow(), Qt::Window), host_(host) {
  setObjectName("StatsWindow");
  resize(1150, 620);
  auto* layout = new QVBoxLayout(this);

  auto* bar = new QToolBar(this);
  QAction* copy = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), "Копировать");
  copy->setToolTip("Копировать выделенные строки таблицы (Ctrl+C)");
  connect(copy, &QAction::triggered, this, [this] { (detail_->hasFocus() ? detail_ : summary_)->copy(); });
  QAction* csv = bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), "Экспорт в CSV...");
  csv->setObjectName("StatsCsv");
  connect(csv, &QAction::triggered, this, [this] { exportCsv(); });
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  layout->addWidget(bar);

  title_ = new QLabel(this);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  layout->addWidget(title_);
  summary_ = new TextTableView(this);
  summary_->setObjectName("StatsSummary");
  layout->addWidget(summary_);

  auto* detailHead = new QHBoxLayout;
  detailTitle_ = new QLabel(this);
  detailTitle_->setFont(bold);
  detailHead->addWidget(detailTitle_);
  detailHead->addStretch(1);
  thresholdRow_ = new QWidget(this);
  auto* row = new QHBoxLayout(thresholdRow_);
  row->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel("&Порог, мм:", thresholdRow_);
  threshold_ = new QLineEdit(thresholdRow_);
  threshold_->setObjectName("ZoneThreshold");
  threshold_->setMaximumWidth(90);
  label->setBuddy(threshold_);
  auto* find = new QPushButton("Показать", thresholdRow_);
  row->addWidget(label);
  row->addWidget(threshold_);
  row->addWidget(find);
  connect(threshold_, &QLineEdit::returnPressed, this, [this] { findZones(); });
  connect(find, &QPushButton::clicked, this, [this] { findZones(); });
  detailHead->addWidget(thresholdRow_);
  layout->addLayout(detailHead);
  detail_ = new TextTableView(this);
  detail_->setObjectName("StatsDetail");
  layout->addWidget(detail_, 1);
  layout->addStretch(0);  // takes the room when a record has no list

  connect(summary_, &TextTableView::rowChosen, this, [this](int r) { chooseSummaryRow(r); });
  connect(detail_, &TextTableView::rowChosen, this, [this](int r) { chooseDetailRow(r); });
}

void StatsWindow::showFor() {
  if (host_.shownKind() == datafiles::FileKind::None) return;
  fill();
  show();
  raise();
  activateWindow();
  summary_->setFocus();
}

void StatsWindow::fileShown() {
  if (isHidden()) return;
  if (host_.shownKind() == datafiles::FileKind::None) {
    hide();
    return;
  }
  fill();
}

void StatsWindow::fill() {
  const datafiles::LoadedFile& file = host_.file();
  const text::NumberFormat& nf = host_.numberFormat();
  const QString name = QFileInfo(host_.currentFileName()).fileName();
  setWindowTitle("Статистика — " + name);
  zones_.clear();
  runs_.clear();
  map_ = {};
  detail_->setTable({});
  thresholdRow_->setVisible(file.kind == datafiles::FileKind::Dtm);
  detailTitle_->clear();
  switch (file.kind) {
    case datafiles::FileKind::Dtm: {
      title_->setText("Толщины по датчикам");
      // Fourteen figures for five columns of sensors: read down the window, not across it.
      summary_->setTable(
          analysis::transposed(analysis::thicknessStatsTable(analysis::thicknessStats(file), nf), "Показатель"));
      const std::uint16_t tenths = analysis::defaultZoneThreshold(file.thk.NominalThickness);
      threshold_->setText(qs(thickness::thresholdText(tenths, nf)));
      showZones(tenths);
      break;
    }
    case datafiles::FileKind::Dau:
      title_->setText("Индикации по слоям и классам (щелчок по строке — список индикаций)");
      map_ = analysis::mapStats(file);
      summary_->setTable(analysis::mapStatsTable(map_, nf));
      detailTitle_->setText("Индикации класса");
      break;
    case datafiles::FileKind::Dhn:
    case datafiles::FileKind::Dht:
      title_->setText("Пики в стробах");
      summary_->setTable(analysis::gatePeaksTable(analysis::gatePeaks(file), nf));
      break;
    case datafiles::FileKind::None:
      summary_->setTable({});
      break;
  }
  detail_->setVisible(file.kind == datafiles::FileKind::Dtm || file.kind == datafiles::FileKind::Dau);
  // The figures whole, up to a dozen rows; the list below takes the rest.
  summary_->setFixedHeight(summary_->heightForRows(std::min(summary_->rowCount(), 14)));
}

void StatsWindow::showZones(std::uint16_t thresholdTenths) {
  zones_ = analysis::thinZones(host_.file(), thresholdTenths);
  detail_->setTable(analysis::thinZonesTable(zones_, host_.numberFormat()));
  detailTitle_->setText(
      zones_.empty() ? QString("Тонких участков нет")
                     : QString("Тонкие участки: %1 (щелчок — показать на диаграмме и в таблице)").arg(zones_.size()));
}

void StatsWindow::findZones() {
  if (host_.file().kind != datafiles::FileKind::Dtm) return;
  const std::string decimal = host_.numberFormat().decimal;
  const thickness::ThresholdEntry entry =
      thickness::evaluateThreshold(threshold_->text().toStdString(), decimal, host_.file().thk.NominalThickness);
  // A threshold at or above the nominal still finds the zones: every valid reading is one.
  if (!entry.stores()) {
    const DialogParentScope over(host_.dialogs(), this);
    host_.dialogs().warning(qs(thickness::thresholdMessage(entry.verdict, decimal)));
    return;
  }
  showZones(entry.tenths);
}

void StatsWindow::chooseSummaryRow(int row) {
  if (host_.file().kind != datafiles::FileKind::Dau || row < 0) return;
  // The rows of each layer's classes, then one per class over all layers, then the total.
  analysis::ClassStats c;
  if (std::size_t(row) < map_.classes.size()) {
    c = map_.classes[std::size_t(row)];
  } else {
    std::size_t rest = std::size_t(row) - map_.classes.size();
    int slot = 0;
    for (; slot < analysis::kMapClasses; ++slot)
      if (map_.countPerClass[std::size_t(slot)] != 0 && rest-- == 0) break;
    if (slot == analysis::kMapClasses) return;
    c = analysis::classOverLayers(map_, slot);
  }
  runs_ = c.runs;
  detail_->setTable(analysis::mapRunsTable(c));
  const QString layer = c.layer == 0 ? QString("Все слои") : QString("Слой %1").arg(c.layer);
  detailTitle_->setText(QString("%1, %2: индикаций %3 (щелчок — показать на карте)")
                            .arg(layer, qs(summary_->table().rows[std::size_t(row)][1]))
                            .arg(c.runs.size()));
}

void StatsWindow::chooseDetailRow(int row) {
  View* view = host_.fileView();
  if (view == nullptr || row < 0) return;
  if (host_.file().kind == datafiles::FileKind::Dtm && std::size_t(row) < zones_.size())
    view->showPosition(int(zones_[std::size_t(row)].start));
  else if (host_.file().kind == datafiles::FileKind::Dau && std::size_t(row) < runs_.size())
    view->showPosition(int(runs_[std::size_t(row)].start));
}

void StatsWindow::exportCsv() {
  if (host_.shownKind() == datafiles::FileKind::None) return;
  const DialogParentScope over(host_.dialogs(), this);
  const QString name = host_.dialogs().saveFile("Экспорт статистики в CSV", "Таблица CSV (*.csv)",
                                                besideDataFile(host_.currentFileName(), "stats.csv"), "csv");
  if (name.isEmpty()) return;
  std::string csv = analysis::csvText(summary_->table());
  if (!detail_->isHidden() && !detail_->table().header.empty()) csv += "\n" + analysis::csvText(detail_->table());
  saveOrWarn(host_.dialogs(), name, csv);
}

}  // namespace ui
