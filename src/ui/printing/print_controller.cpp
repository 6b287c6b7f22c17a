// Printing, PDF export and the text preview of the current file.
#include "ui/printing/print_controller.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QToolButton>

#include "core/printing/preview_text.h"
#include "core/printing/report_header.h"
#include "core/text/refusal.h"
#include "qt/qt_printer.h"
#include "ui/defectmap/defect_map_controller.h"
#include "ui/flawdetector/flaw_controller.h"
#include "ui/printing/print_mode_dialog.h"
#include "ui/printing/view_form.h"
#include "ui/protocol/protocol_panel.h"
#include "ui/shell/main_form.h"
#include "ui/thickness/sg_tab.h"
#include "ui/thickness/thickness_chart.h"
#include "ui/thickness/thickness_controller.h"

namespace ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

PrintController::PrintController(TMainForm& form) : form_(form) {}
PrintController::~PrintController() = default;

TForm4* PrintController::Form4() {
  if (!form4_) form4_ = new TForm4(&form_);
  return form4_;
}

TViewForm* PrintController::ViewForm() {
  if (!viewForm_) {
    viewForm_ = new TViewForm(form_);
    connect(viewForm_, &TViewForm::closed, this, [this] { syncViewButton(); });
  }
  return viewForm_;
}

void PrintController::APrntExecute() { run(Target::Printer); }
void PrintController::APdfExecute() { run(Target::Pdf); }

std::optional<printing::PrintMode> PrintController::askMode() {
  const datafiles::LoadedFile& file = form_.file();
  if (!file.DtmOpen() && !file.DauOpen()) return std::nullopt;
  TForm4& dialog = *Form4();
  // The chart or the table on screen preselects; a map keeps the last choice.
  bool chartVisible = false;
  bool tableVisible = false;
  if (file.DtmOpen() && form_.thickness()) {
    ThicknessController& t = *form_.thickness();
    chartVisible = t.chart() && t.chart()->chartShown();
    tableVisible = !chartVisible && t.sgTab() && !t.sgTab()->isHidden();
  }
  dialog.FormShow(chartVisible, tableVisible);
  const int result = runMode_ ? runMode_(dialog) : dialog.exec();
  if (result == TForm4::kGraphic) return printing::PrintMode::Graphic;
  if (result == TForm4::kText) return printing::PrintMode::Text;
  return std::nullopt;
}

printing::PrintSources PrintController::sources() {
  const datafiles::LoadedFile& file = form_.file();
  printing::PrintSources s;
  if (form_.protocol()) s.protocol = form_.protocol()->fields();
  s.nf = form_.numberFormat();
  s.localeId = form_.appSettings().localeId;
  s.flawColors = form_.appSettings().FlawColors;
  if (file.DtmOpen() && form_.thickness()) {
    s.thkThreshold = form_.thickness()->thresholdTenths();
    s.table = &form_.thickness()->table();
    if (form_.thickness()->chart()) s.chart = &form_.thickness()->chart()->chart();
  } else if (file.DauOpen() && form_.defectMap()) {
    s.map = &form_.defectMap()->map();
  }
  return s;
}

printing::PrintStatus PrintController::printOn(gfx::Printer& printer, printing::PrintMode mode) {
  form_.setPrinting(true);
  const printing::PrintStatus status = printing::printFile(printer, form_.file(), mode, sources());
  form_.setPrinting(false);
  // The flaw page is drawn with its own screen object; the view's picture is redrawn as after any print.
  if (form_.file().isFlaw() && form_.flaw()) form_.flaw()->RedrawScreen();
  return status;
}

void PrintController::run(Target target) {
  const datafiles::LoadedFile& file = form_.file();
  if (file.kind == datafiles::FileKind::None) return;
  if (form_.protocol()) form_.protocol()->LoadProtocol(form_.currentFileName());

  printing::PrintMode mode = printing::PrintMode::Graphic;
  if (file.DtmOpen() || file.DauOpen()) {
    const auto chosen = askMode();
    if (!chosen) return;
    mode = *chosen;
    // A map print that finds a job still running ends here.
    if (file.DauOpen() && form_.printing()) return;
  }

  if (target == Target::Pdf) {
    const QFileInfo info(form_.currentFileName());
    const QString suggested = QDir::current().filePath(info.completeBaseName() + ".pdf");
    const QString pdf = form_.dialogs().saveFile("Сохранить в PDF", "PDF (*.pdf)", suggested, "pdf");
    if (pdf.isEmpty()) return;
    qtx::QtPrinter printer(pdf);
    if (printOn(printer, mode) != printing::PrintStatus::Printed)
      form_.dialogs().message(qs(text::notOpenText(pdf.toStdString())));
    return;
  }

  QPrinter device(QPrinter::HighResolution);
  device.setDocName("View Tervik files");
  if (!form_.dialogs().print(device)) return;
  if (printerOverride_) {
    if (gfx::Printer* p = printerOverride_()) printOn(*p, mode);
    return;
  }
  qtx::QtPrinter printer(device);
  printOn(printer, mode);
}

std::vector<std::string> PrintController::BuildPreviewText() {
  const datafiles::LoadedFile& file = form_.file();
  printing::PreviewSources s;
  if (form_.protocol()) {
    form_.protocol()->LoadProtocol(form_.currentFileName());
    s.protocol = form_.protocol()->fields();
  }
  std::uint16_t threshold = 0;
  if (file.DtmOpen() && form_.thickness()) {
    threshold = form_.thickness()->thresholdTenths();
    s.table = &form_.thickness()->table();
  } else if (file.DauOpen() && form_.defectMap()) {
    s.map = &form_.defectMap()->map();
  }
  s.fileName = form_.currentFileName().toStdString();
  s.header = printing::BuildReportHeader(file, s.protocol, threshold, form_.numberFormat());
  return printing::BuildPreviewText(file, s);
}

void PrintController::AViewExecute() {
  const datafiles::LoadedFile& file = form_.file();
  if (file.DtmOpen() || file.DauOpen()) {
    TViewForm& view = *ViewForm();
    if (view.isHidden()) {
      view.setLines(BuildPreviewText());
      view.show();
      view.raise();
    } else {
      view.hide();
    }
  }
  syncViewButton();
}

void PrintController::syncViewButton() {
  const bool shown = viewForm_ && !viewForm_->isHidden();
  if (form_.AView) form_.AView->setChecked(shown);
  if (form_.ViewToolBtn && form_.ViewToolBtn->defaultAction() != form_.AView) form_.ViewToolBtn->setDown(shown);
}

}  // namespace ui
