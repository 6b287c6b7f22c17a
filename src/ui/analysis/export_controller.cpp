// The window's exports: the same CSV as tervtool's, and the view's picture as PNG.
#include "ui/analysis/export_controller.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "core/printing/csv_export.h"
#include "ui/host/dialogs.h"
#include "ui/host/file_names.h"
#include "ui/host/save_file.h"
#include "ui/host/view.h"
#include "ui/host/view_host.h"

namespace ui {

void ExportController::exportCsv() {
  if (host_.shownKind() == datafiles::FileKind::None) return;
  const QString name = host_.dialogs().saveFile("Экспорт в CSV", "Таблица CSV (*.csv)",
                                                besideDataFile(host_.currentFileName(), "csv"), "csv");
  if (name.isEmpty()) return;
  saveOrWarn(host_.dialogs(), name,
             [this](std::ostream& out) { printing::csvOfFile(out, host_.file(), host_.numberFormat()); });
}

void ExportController::saveImage() {
  View* view = host_.shownKind() != datafiles::FileKind::None ? host_.fileView() : nullptr;
  if (view == nullptr) return;
  const QImage shown = view->shownPicture();
  const std::optional<QSize> size = host_.dialogs().imageSize(shown.size());
  if (!size) return;
  const QString name = host_.dialogs().saveFile("Сохранить изображение", "Рисунок PNG (*.png)",
                                                besideDataFile(host_.currentFileName(), "png"), "png");
  if (name.isEmpty()) return;
  const QImage image = *size == shown.size() ? shown : view->picture(*size);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  saveOrWarn(host_.dialogs(), name, std::string_view(png.constData(), std::size_t(png.size())));
}

}  // namespace ui
