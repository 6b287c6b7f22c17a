// Opening a comparison from the main window: the pick, the checks told through the dialogs, the window.
#include "ui/compare/compare_controller.h"

#include <QFileInfo>

#include "core/compare/compare_text.h"
#include "core/datafiles/reader.h"
#include "ui/compare/compare_window.h"
#include "ui/host/view_host.h"

namespace ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CompareController::CompareController(ViewHost& host) : host_(host) {}

CompareController::~CompareController() { delete window_.data(); }

CompareWindow* CompareController::window() { return window_.data(); }

void CompareController::ACompareExecute() {
  if (host_.shownKind() != datafiles::FileKind::Dtm) return;
  const QString dir = QFileInfo(host_.currentFileName()).absolutePath();
  const QStringList names =
      host_.dialogs().openFiles(compare::caption::kPickEarlier, compare::caption::kPickFilter, dir);
  if (!names.isEmpty()) compareWith(names.first());
}

bool CompareController::compareWith(const QString& earlierName) {
  if (host_.shownKind() != datafiles::FileKind::Dtm) return false;
  const QString title = compare::caption::kWindowTitle;
  const datafiles::OpenResult opened = datafiles::loadDataFile(earlierName.toStdString());
  if (!opened.ok) {
    for (const std::string& m : datafiles::openRefusal(opened, earlierName.toStdString()).messages)
      host_.dialogs().warning(qs(m));
    return false;
  }
  if (opened.file.kind != datafiles::FileKind::Dtm) {
    compare::Comparison none;
    none.refusal = compare::Refusal::NotThickness;
    host_.dialogs().warning(qs(compare::refusalText(none, host_.numberFormat())[0]), title);
    return false;
  }
  if (!window_) window_ = new CompareWindow(host_);
  window_->setRuns(opened.file, earlierName, host_.file(), host_.currentFileName());
  const compare::Comparison& c = window_->comparison();
  QStringList said;
  for (compare::Warning w : c.warnings) said << qs(compare::warningText(w));
  for (const std::string& m : compare::refusalText(c, host_.numberFormat())) said << qs(m);
  window_->show();
  window_->raise();
  // Told above the window, which stays open so that the operator can give the offset.
  if (!said.isEmpty()) {
    const DialogParentScope over(host_.dialogs(), window_);
    host_.dialogs().warning(said.join('\n'), title);
  }
  return true;
}

}  // namespace ui
