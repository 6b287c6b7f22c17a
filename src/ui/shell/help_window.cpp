// The help text.
#include "ui/shell/help_window.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Содержание");
  resize(560, 480);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QTextBrowser(this);
  text->setHtml(
      "<h3>Просмотр результатов контроля</h3>"
      "<p>Программа показывает файлы результатов установки ультразвукового контроля.</p>"
      "<ul>"
      "<li><b>.DTM</b> (толщиномер-автомат): объемная диаграмма толщин по четырем датчикам, "
      "таблица всех значений, таблица толщин ниже порога (двойной щелчок по таблице), "
      "легенда цветов. В режиме «Вид спереди» под указателем мыши показываются координата и толщина.</li>"
      "<li><b>.DAU</b> (дефектоскоп-автомат): карта дефектов по слоям с линейкой. "
      "Окно-маркер перетаскивается мышью, расстояние от маркера показывается при движении мыши.</li>"
      "<li><b>.DHN</b>, <b>.DHT</b> (ручной дефектоскоп и толщиномер): копия экрана прибора "
      "с разверткой, стробами и параметрами.</li>"
      "</ul>"
      "<p>Кнопка «Заполнить отчет» открывает протокол (номер, объект, дефектоскопист, заключение); "
      "он сохраняется рядом с файлом данных. «Предварительный просмотр» показывает отчет текстом, "
      "«Печать» печатает его, «Сохранить в PDF...» записывает его в файл.</p>"
      "<h4>Клавиши</h4>"
      "<ul>"
      "<li>Ctrl+O — открыть файл; Alt+X — выход; F1 — эта справка.</li>"
      "<li>В поле имени файла: выбор из списка или ввод имени и Enter открывает файл.</li>"
      "<li>В окне порога толщины: Enter — показать таблицу.</li>"
      "</ul>");
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace ui
