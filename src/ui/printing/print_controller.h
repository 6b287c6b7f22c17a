// Printing, PDF export and the text preview of the current file.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/printing/print_file.h"

namespace gfx {
class Printer;
}

namespace ui {

class ViewHost;
class TForm4;
class TViewForm;

class PrintController : public QObject {
  Q_OBJECT

 public:
  explicit PrintController(ViewHost& host);
  ~PrintController() override;

  // "Печать": the protocol reloaded, the print-mode dialog for maps and thickness files,
  // the print dialog, then the printout of the file's kind. Nothing is printed on cancel.
  void APrntExecute();
  // "Сохранить в PDF...": the same printout into a PDF file chosen with a save dialog.
  void APdfExecute();
  // "Предварительный просмотр": shows (with a fresh text) or hides the preview window.
  void AViewExecute();

  // The preview lines of the current file, the protocol reloaded first (BuildPreviewText).
  std::vector<std::string> BuildPreviewText();

  TForm4* Form4();
  TViewForm* ViewForm();

  // How the print-mode dialog is run: FormShow then exec() by default; tests answer it.
  void setModeRunner(std::function<int(TForm4&)> runner) { runMode_ = std::move(runner); }
  // Where a print job goes instead of the print dialog's printer (tests: a recording printer).
  // Called after the print dialog was confirmed.
  void setPrinterOverride(std::function<gfx::Printer*()> printer) { printerOverride_ = std::move(printer); }

 private:
  enum class Target { Printer, Pdf };
  void run(Target target);
  // The print-mode choice for .DTM and .DAU files; nothing for other kinds.
  std::optional<printing::PrintMode> askMode();
  printing::PrintSources sources();
  // Runs the job with the view handlers held off; redraws what a print touches.
  printing::PrintStatus printOn(gfx::Printer& printer, printing::PrintMode mode);
  void syncViewButton();

  ViewHost& host_;
  QPointer<TForm4> form4_;
  QPointer<TViewForm> viewForm_;
  std::function<int(TForm4&)> runMode_;
  std::function<gfx::Printer*()> printerOverride_;
  protocol::ProtocolFields protocol_;  // as reloaded when the job began
};

}  // namespace ui
