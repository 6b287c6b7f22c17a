// gfx::Printer over QPrinter (the print dialog's printer) and over QPdfWriter (PDF files, 600 dpi, A4).
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <memory>
#include <string>

#include "core/gfx/printer.h"
#include "qt/qt_canvas.h"

class QFile;
class QPrinter;
class QPdfWriter;

namespace io {
class StagedFile;
}

namespace qtx {

class QtPrinter : public gfx::Printer {
 public:
  // A printer set up by the print dialog (high resolution).
  explicit QtPrinter(QPrinter& printer);
  // A PDF file at 600 dpi on A4, written to a temporary file beside it that replaces it only
  // when the document ended with every byte written (see io::StagedFile).
  explicit QtPrinter(const QString& pdfPath);
  ~QtPrinter() override;

  int pageWidth() const override;
  int pageHeight() const override;
  int dpi() const override;
  bool beginDoc(const std::string& title) override;
  void newPage() override;
  bool endDoc() override;
  bool printing() const override { return printing_; }
  int pageNumber() const override { return page_; }
  gfx::Canvas& canvas() override { return *canvas_; }

  // Why the PDF could not be written (the system's words), once beginDoc or endDoc failed.
  const std::string& error() const { return error_; }

 private:
  QPagedPaintDevice* device_ = nullptr;
  QPrinter* printer_ = nullptr;
  std::unique_ptr<io::StagedFile> staged_;
  std::unique_ptr<QFile> file_;
  std::unique_ptr<QPdfWriter> pdf_;
  std::string error_;
  QPainter painter_;
  std::unique_ptr<QtCanvas> canvas_;
  int width_ = 0;
  int height_ = 0;
  int dpi_ = 0;
  bool printing_ = false;
  int page_ = 0;
};

}  // namespace qtx
