// Printing through QPainter on a printer or a PDF writer.
#include "qt/qt_printer.h"

#include <sys/stat.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

#include "core/io/atomic_file.h"

namespace qtx {

QtPrinter::QtPrinter(QPrinter& printer) : device_(&printer), printer_(&printer) {}

QtPrinter::QtPrinter(const QString& pdfPath) {
  staged_ = std::make_unique<io::StagedFile>(pdfPath.toStdString());
  if (!staged_->ok()) {
    error_ = staged_->reason();
    return;
  }
  // The writer streams into the temporary file's descriptor; the file keeps it open.
  file_ = std::make_unique<QFile>();
  if (!file_->open(staged_->fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
    error_ = file_->errorString().toStdString();
    return;
  }
  pdf_ = std::make_unique<QPdfWriter>(file_.get());
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
  if (!painter_.begin(device_)) {
    if (staged_ && error_.empty())
      error_ =
          file_->error() != QFileDevice::NoError ? file_->errorString().toStdString() : "the PDF writer did not start";
    return false;
  }
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
  const bool ok = painter_.end();  // the PDF writer writes its trailer here
  if (!pdf_) return ok;

  // The page geometry stays readable after the writer is gone.
  width_ = device_->width();
  height_ = device_->height();
  dpi_ = device_->logicalDpiX();
  device_ = nullptr;
  pdf_.reset();
  // A failed write shows on the file: an error, or fewer bytes than were handed to it.
  const qint64 written = file_->pos();
  const bool flushed = file_->flush();
  if (file_->error() != QFileDevice::NoError) {
    staged_->fail(file_->errorString().toStdString());
  } else if (!ok || !flushed) {
    staged_->fail("the PDF writer could not finish the document");
  } else if (!staged_->direct()) {
    struct stat st {};
    if (::fstat(staged_->fd(), &st) != 0 || st.st_size <= 0 || st.st_size != written)
      staged_->fail("the PDF file does not hold what was written to it");
  }
  file_->close();
  const io::WriteResult committed = staged_->commit(io::Durability::Flush);
  if (!committed.ok) error_ = committed.reason;
  return committed.ok;
}

}  // namespace qtx
