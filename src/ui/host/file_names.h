// Names the viewer proposes for what it saves: beside the data file, after its name.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace ui {

// DIR/NAME.suffix for the data file DIR/NAME.EXT; the current directory when no file is named.
inline QString besideDataFile(const QString& dataFile, const QString& suffix) {
  const QFileInfo data(dataFile);
  if (data.fileName().isEmpty()) return QDir::currentPath();
  return data.dir().filePath(data.completeBaseName() + "." + suffix);
}

}  // namespace ui
