// Printing, PDF export and the text preview of the current file.
#include "ui/printing/print_controller.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "core/printing/preview_text.h"
#include "core/printing/report_header.h"
#include "core/text/refusal.h"
#include "qt/qt_printer.h"
#include "ui/host/view.h"
#include "ui/host/view_host.h"
#include "ui/printing/print_mode_dialog.h"
#include "ui/printing/view_form.h"

namespace ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

PrintController::PrintController(ViewHost& host) : host_(host) {}
PrintController::~PrintController() = default;

TForm4* PrintController::Form4() {
  if (!form4_) form4_ = new TForm4(host_.hostWindow());
  return form4_;
}

TViewForm* PrintController::ViewForm() {
  if (!viewForm_) {
    viewForm_ = new TViewForm(host_);
    connect(viewForm_, &TViewForm::closed, this, [this] { syncViewButton(); });
  }
  return viewForm_;
}

void PrintController::APrntExecute() { run(Target::Printer); }
void PrintController::APdfExecute() { run(Target::Pdf); }

std::optional<printing::PrintMode> PrintController::askMode() {
  const datafiles::LoadedFile& file = host_.file();
  if (!file.DtmOpen() && !file.DauOpen()) return std::nullopt;
  TForm4& dialog = *Form4();
  // The chart or the table on screen preselects; a map keeps the last choice.
  View* view = host_.fileView();
  const PrintPreselection shown = view ? view->printPreselection() : PrintPreselection{};
  dialog.FormShow(shown.chart, shown.table);
  const int result = runMode_ ? runMode_(dialog) : dialog.exec();
  if (result == TForm4::kGraphic) return printing::PrintMode::Graphic;
  if (result == TForm4::kText) return printing::PrintMode::Text;
  return std::nullopt;
}

printing::PrintSources PrintController::sources() {
  printing::PrintSources s;
  s.protocol = protocol_;
  s.nf = host_.numberFormat();
  s.localeId = host_.appSettings().localeId;
  s.flawColors = host_.appSettings().FlawColors;
  if (View* view = host_.fileView()) view->addPrintSources(s);
  return s;
}

printing::PrintStatus PrintController::printOn(gfx::Printer& printer, printing::PrintMode mode) {
  host_.setPrinting(true);
  const printing::PrintStatus status = printing::printFile(printer, host_.file(), mode, sources());
  host_.setPrinting(false);
  if (View* view = host_.fileView()) view->printed();
  return status;
}

void PrintController::run(Target target) {
  const datafiles::LoadedFile& file = host_.file();
  if (file.kind == datafiles::FileKind::None) return;
  protocol_ = host_.reloadProtocol();

  printing::PrintMode mode = printing::PrintMode::Graphic;
  if (file.DtmOpen() || file.DauOpen()) {
    const auto chosen = askMode();
    if (!chosen) return;
    mode = *chosen;
    // A map print that finds a job still running ends here.
    if (file.DauOpen() && host_.printing()) return;
  }

  if (target == Target::Pdf) {
    const QFileInfo info(host_.currentFileName());
    const QString suggested = QDir::current().filePath(info.completeBaseName() + ".pdf");
    const QString pdf = host_.dialogs().saveFile("Сохранить в PDF", "PDF (*.pdf)", suggested, "pdf");
    if (pdf.isEmpty()) return;
    qtx::QtPrinter printer(pdf);
    if (printOn(printer, mode) != printing::PrintStatus::Printed)
      host_.dialogs().warning(qs(text::notOpenText(pdf.toStdString()) + "\n" + printer.error()));
    return;
  }

  QPrinter device(QPrinter::HighResolution);
  device.setDocName("View Tervik files");
  if (!host_.dialogs().print(device)) return;
  if (printerOverride_) {
    if (gfx::Printer* p = printerOverride_()) printOn(*p, mode);
    return;
  }
  qtx::QtPrinter printer(device);
  printOn(printer, mode);
}

std::vector<std::string> PrintController::BuildPreviewText() {
  const datafiles::LoadedFile& file = host_.file();
  printing::PrintSources shown;
  if (View* view = host_.fileView()) view->addPrintSources(shown);
  printing::PreviewSources s;
  s.protocol = host_.reloadProtocol();
  const std::uint16_t threshold = file.DtmOpen() ? shown.thkThreshold : 0;
  s.table = shown.table;
  s.map = shown.map;
  s.fileName = host_.currentFileName().toStdString();
  s.header = printing::BuildReportHeader(file, s.protocol, threshold, host_.numberFormat());
  return printing::BuildPreviewText(file, s);
}

void PrintController::AViewExecute() {
  const datafiles::LoadedFile& file = host_.file();
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
  host_.viewActions().AView->setChecked(shown);
}

}  // namespace ui
