// The comparison window: fields, chart and table wired to the core comparison; printing through the printer path.
#include "ui/compare/compare_window.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/compare/compare_print.h"
#include "core/compare/compare_text.h"
#include "core/printing/report_header.h"
#include "core/text/refusal.h"
#include "qt/qt_printer.h"
#include "ui/compare/loss_chart_widget.h"
#include "ui/host/view.h"
#include "ui/host/view_host.h"

namespace ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QString joined(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& l : lines) out << qs(l);
  return out.join('\n');
}

}  // namespace

CompareWindow::CompareWindow(ViewHost& host) : QWidget(host.hostWindow(), Qt::Window), host_(host) {
  setObjectName("CompareForm");
  setWindowTitle(compare::caption::kWindowTitle);
  resize(1100, 820);
  buildControls();
}

void CompareWindow::buildControls() {
  auto* layout = new QVBoxLayout(this);
  FilesLb = new QLabel(this);
  FilesLb->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(FilesLb);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(compare::caption::kOffset, this));
  OffsetEdt = new QSpinBox(this);
  OffsetEdt->setObjectName("OffsetEdt");
  OffsetEdt->setRange(-60000, 60000);
  OffsetEdt->setSingleStep(compare::kSampleMm);
  OffsetEdt->setKeyboardTracking(false);
  row->addWidget(OffsetEdt);
  ApplyBtn = new QPushButton(compare::caption::kApplyOffset, this);
  row->addWidget(ApplyBtn);
  FindBtn = new QPushButton(compare::caption::kAutoOffset, this);
  row->addWidget(FindBtn);
  row->addSpacing(24);
  row->addWidget(new QLabel(compare::caption::kTmin, this));
  TminEdt = new QDoubleSpinBox(this);
  TminEdt->setObjectName("TminEdt");
  TminEdt->setDecimals(2);
  TminEdt->setSingleStep(0.1);
  TminEdt->setKeyboardTracking(false);
  row->addWidget(TminEdt);
  row->addStretch(1);
  WholeBtn = new QPushButton(compare::caption::kWhole, this);
  PrintBtn = new QPushButton(compare::caption::kPrint, this);
  PdfBtn = new QPushButton(compare::caption::kSavePdf, this);
  for (QPushButton* b : {WholeBtn, PrintBtn, PdfBtn}) row->addWidget(b);
  layout->addLayout(row);

  MatchLb = new QLabel(this);
  MatchLb->setObjectName("MatchLb");
  MatchLb->setWordWrap(true);
  MatchLb->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(MatchLb);
  WarningsLb = new QLabel(this);
  WarningsLb->setObjectName("WarningsLb");
  WarningsLb->setWordWrap(true);
  WarningsLb->setStyleSheet("color: #a00000");
  layout->addWidget(WarningsLb);

  auto* split = new QSplitter(Qt::Vertical, this);
  Chart = new LossChartWidget(split);
  auto* tablePane = new QWidget(split);
  auto* tableLayout = new QVBoxLayout(tablePane);
  tableLayout->setContentsMargins(0, 0, 0, 0);
  tableLayout->addWidget(new QLabel(compare::caption::kWorstTitle, tablePane));
  WorstTbl = new QTableWidget(tablePane);
  WorstTbl->setObjectName("WorstTbl");
  WorstTbl->setEditTriggers(QAbstractItemView::NoEditTriggers);
  WorstTbl->setSelectionBehavior(QAbstractItemView::SelectRows);
  WorstTbl->setSelectionMode(QAbstractItemView::SingleSelection);
  WorstTbl->verticalHeader()->setVisible(false);
  WorstTbl->verticalHeader()->setDefaultSectionSize(WorstTbl->fontMetrics().height() + 6);
  QStringList heads;
  for (const std::string& h : compare::worstHeader()) heads << qs(h);
  WorstTbl->setColumnCount(int(heads.size()));
  WorstTbl->setHorizontalHeaderLabels(heads);
  tableLayout->addWidget(WorstTbl);
  split->addWidget(Chart);
  split->addWidget(tablePane);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  layout->addWidget(split, 1);

  connect(OffsetEdt, &QSpinBox::valueChanged, this, [this](int v) {
    if (!updating_) setOffset(v);
  });
  connect(TminEdt, &QDoubleSpinBox::valueChanged, this, [this](double v) {
    if (!updating_) setTmin(v);
  });
  connect(ApplyBtn, &QPushButton::clicked, this, [this] { setOffset(OffsetEdt->value()); });
  connect(FindBtn, &QPushButton::clicked, this, [this] { searchOffset(); });
  connect(WholeBtn, &QPushButton::clicked, this, [this] { showWhole(); });
  connect(PrintBtn, &QPushButton::clicked, this, [this] { printReport(); });
  connect(PdfBtn, &QPushButton::clicked, this, [this] { saveReportPdf(); });
  connect(WorstTbl, &QTableWidget::cellClicked, this, [this](int r, int) { showRow(r); });
  connect(WorstTbl, &QTableWidget::currentCellChanged, this, [this](int r, int, int, int) { showRow(r); });
  connect(Chart, &LossChartWidget::positionClicked, this, [this](int mm) {
    window_.markMm = mm;
    Chart->show(&comparison_, window_, host_.numberFormat());
  });
}

void CompareWindow::setRuns(datafiles::LoadedFile earlier, const QString& earlierName, datafiles::LoadedFile later,
                            const QString& laterName) {
  earlier_ = std::move(earlier);
  later_ = std::move(later);
  earlierName_ = earlierName;
  laterName_ = laterName;
  FilesLb->setText(compare::caption::kEarlierRun + earlierName_ + "\n" + compare::caption::kLaterRun + laterName_);
  updating_ = true;
  const double nominalMm = later_.thk.NominalThickness * 0.1;
  TminEdt->setRange(0.0, std::max(nominalMm, 0.1));
  TminEdt->setValue(later_.thk.NominalThickness * 0.05);
  updating_ = false;
  recompute(true);
}

void CompareWindow::setOffset(int offsetMm) {
  updating_ = true;
  OffsetEdt->setValue(offsetMm / compare::kSampleMm * compare::kSampleMm);
  updating_ = false;
  recompute(false);
}

void CompareWindow::searchOffset() { recompute(true); }

void CompareWindow::setTmin(double mm) {
  updating_ = true;
  TminEdt->setValue(mm);
  updating_ = false;
  // The offset stays as it came, found or the operator's: the losses alone are taken again.
  compare::CompareOptions o;
  o.alignment = comparison_.alignment;
  o.tminUm = int(std::lround(mm * 1000.0));
  compareRuns(o, false);
}

void CompareWindow::recompute(bool search) {
  compare::CompareOptions o;
  if (!search) o.offsetMm = OffsetEdt->value();
  o.tminUm = int(std::lround(TminEdt->value() * 1000.0));
  compareRuns(o, true);
}

void CompareWindow::compareRuns(const compare::CompareOptions& options, bool wholeOverlap) {
  comparison_ = compare::compareRuns(earlier_, later_, options);
  if (wholeOverlap) window_ = compare::wholeOverlap(comparison_);
  worst_ = compare::worstPositions(comparison_);
  showState();
}

void CompareWindow::showState() {
  const text::NumberFormat& nf = host_.numberFormat();
  updating_ = true;
  OffsetEdt->setValue(comparison_.offsetMm());
  updating_ = false;
  MatchLb->setText(comparison_.compared()
                       ? qs(compare::matchLine(comparison_, nf) + "\n" + compare::periodLine(comparison_, nf))
                       : joined(compare::refusalText(comparison_, nf)));
  std::vector<std::string> warnings;
  for (compare::Warning w : comparison_.warnings) warnings.push_back(compare::warningText(w));
  WarningsLb->setText(joined(warnings));
  WarningsLb->setVisible(!warnings.empty());
  for (QPushButton* b : {WholeBtn, PrintBtn, PdfBtn}) b->setEnabled(comparison_.compared());
  fillTable();
  Chart->show(&comparison_, window_, nf);
}

void CompareWindow::fillTable() {
  const QSignalBlocker quiet(WorstTbl);
  WorstTbl->clearContents();
  WorstTbl->setRowCount(int(worst_.size()));
  for (std::size_t r = 0; r < worst_.size(); ++r) {
    const std::vector<std::string> cells = compare::worstRow(comparison_, worst_[r], host_.numberFormat());
    for (std::size_t c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(qs(cells[c]));
      item->setTextAlignment(c == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter));
      WorstTbl->setItem(int(r), int(c), item);
    }
  }
  WorstTbl->resizeColumnsToContents();
}

void CompareWindow::showRow(int row) {
  if (row < 0 || std::size_t(row) >= worst_.size()) return;
  const int mm = worst_[std::size_t(row)].positionMm;
  window_ = compare::around(comparison_, mm);
  Chart->show(&comparison_, window_, host_.numberFormat());
  // The main window follows while it shows the later run.
  View* view = host_.fileView();
  if (view && host_.shownKind() == datafiles::FileKind::Dtm && host_.currentFileName() == laterName_)
    view->showPosition(mm);
}

void CompareWindow::showWhole() {
  window_ = compare::wholeOverlap(comparison_);
  Chart->show(&comparison_, window_, host_.numberFormat());
}

printing::PrintStatus CompareWindow::printOn(gfx::Printer& printer) {
  compare::CompareReport r;
  // The protocol belongs to the later run only while it is the main window's current file.
  const protocol::ProtocolFields protocol =
      host_.currentFileName() == laterName_ ? host_.reloadProtocol() : protocol::ProtocolFields{};
  // The header's viewing thickness is the nominal, as a run's own printout shows before any threshold query.
  r.header = printing::BuildReportHeader(later_, protocol, later_.thk.NominalThickness, host_.numberFormat());
  r.earlierName = earlierName_.toStdString();
  r.laterName = laterName_.toStdString();
  r.window = window_;
  r.nf = host_.numberFormat();
  return compare::printComparison(printer, comparison_, r);
}

void CompareWindow::printReport() {
  if (!comparison_.compared()) return;
  const DialogParentScope over(host_.dialogs(), this);
  QPrinter device(QPrinter::HighResolution);
  device.setDocName(compare::caption::kPrintTitle);
  if (!host_.dialogs().print(device)) return;
  if (printerOverride_) {
    if (gfx::Printer* p = printerOverride_()) printOn(*p);
    return;
  }
  qtx::QtPrinter printer(device);
  printOn(printer);
}

void CompareWindow::saveReportPdf() {
  if (!comparison_.compared()) return;
  const DialogParentScope over(host_.dialogs(), this);
  const QFileInfo later(laterName_);
  const QString suggested = later.dir().filePath(later.completeBaseName() + compare::caption::kPdfSuffix);
  const QString pdf = host_.dialogs().saveFile(compare::caption::kSavePdfTitle, "PDF (*.pdf)", suggested, "pdf");
  if (pdf.isEmpty()) return;
  qtx::QtPrinter printer(pdf);
  if (printOn(printer) != printing::PrintStatus::Printed)
    host_.dialogs().warning(qs(text::notOpenText(pdf.toStdString()) + "\n" + printer.error()));
}

}  // namespace ui
