// The data-transfer program is looked up where the unit's software puts it and started detached.
#include "ui/shell/data_transfer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ui {

QString findDataTransferProgram(const QString& viewerDir) {
  for (const QString& name : {QStringLiteral("datpump.exe"), QStringLiteral("datpump")}) {
    for (const QString& dir : {viewerDir, QDir::currentPath()}) {
      const QFileInfo fi(QDir(dir).filePath(name));
      if (fi.isFile() && fi.isExecutable()) return fi.absoluteFilePath();
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty()) return onPath;
  }
  return {};
}

bool startDataTransfer(const QString& viewerDir) {
  const QString program = findDataTransferProgram(viewerDir);
  if (program.isEmpty()) return false;
  // Any other outcome of the start is not reported.
  QProcess::startDetached(program, {});
  return true;
}

}  // namespace ui
