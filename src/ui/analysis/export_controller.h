// "Экспорт в CSV..." and "Сохранить изображение...": the shown file's data and picture, saved beside it.
#pragma once

class QImage;

namespace ui {

class ViewHost;

class ExportController {
 public:
  explicit ExportController(ViewHost& host) : host_(host) {}

  // The file's readings, indications or samples as tervtool csv writes them.
  void exportCsv();
  // The view on screen as PNG, at the size shown or one the operator gives.
  void saveImage();

 private:
  ViewHost& host_;
};

}  // namespace ui
