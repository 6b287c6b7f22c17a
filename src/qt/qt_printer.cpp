// Printing through QPainter on a printer or a PDF writer.
#include "qt/qt_printer.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

namespace qtx {

QtPrinter::QtPrinter(QPrinter& printer) : device_(&printer), printer_(&printer) {}

QtPrinter::QtPrinter(const QString& pdfPath) : pdfPath_(pdfPath) {
  pdf_ = std::make_unique<QPdfWriter>(pdfPath);
  pdf_->setResolution(600);
  pdf_->setPageSize(QPageSize(QPageSize::A4));
  pdf_->setPageMargins(QMarginsF(0, 0, 0, 0));
  device_ = pdf_.get();
}

QtPrinter::~QtPrinter() {
  if (printing_) endDoc();
}

int QtPrinter::pageWidth() const { return device_ ? device_->width() : width_; }
int QtPrinter::pageHeight() const { return device_ ? device_->height() : height_; }
int QtPrinter::dpi() const { return device_ ? device_->logicalDpiX() : dpi_; }

bool QtPrinter::beginDoc(const std::string& title) {
  if (!device_) return false;
  if (printer_) printer_->setDocName(QString::fromStdString(title));
  if (pdf_) pdf_->setTitle(QString::fromStdString(title));
  if (!painter_.begin(device_)) return false;
  canvas_ = std::make_unique<QtCanvas>(painter_, pageWidth(), pageHeight());
  printing_ = true;
  page_ = 1;
  return true;
}

void QtPrinter::newPage() {
  if (!printing_ || !device_) return;
  device_->newPage();
  ++page_;
}

bool QtPrinter::endDoc() {
  if (!printing_) return false;
  printing_ = false;
  canvas_.reset();
  const bool ok = painter_.end();
  if (pdf_) {
    // The page geometry stays readable after the writer is gone.
    width_ = device_->width();
    height_ = device_->height();
    dpi_ = device_->logicalDpiX();
    device_ = nullptr;
    pdf_.reset();  // flushes the file
    return ok && QFile::exists(pdfPath_) && QFile(pdfPath_).size() > 0;
  }
  return ok;
}

}  // namespace qtx
