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
      "<table cellspacing='2'>"
      "<tr><td>Ctrl+O</td><td>открыть файл</td></tr>"
      "<tr><td>Ctrl+W</td><td>закрыть файл</td></tr>"
      "<tr><td>Ctrl+PgDown, Ctrl+PgUp</td><td>следующий и предыдущий открытый файл</td></tr>"
      "<tr><td>Ctrl+P</td><td>печать</td></tr>"
      "<tr><td>Ctrl+Shift+S</td><td>сохранить отчет в PDF</td></tr>"
      "<tr><td>Ctrl+Shift+P</td><td>предварительный просмотр отчета</td></tr>"
      "<tr><td>Ctrl+E</td><td>экспорт данных файла в CSV</td></tr>"
      "<tr><td>Ctrl+I</td><td>статистика: толщины, тонкие участки, индикации</td></tr>"
      "<tr><td>+, Ctrl++ / −, Ctrl+−</td><td>увеличить / уменьшить (также Ctrl и колесо мыши)</td></tr>"
      "<tr><td>Ctrl+0</td><td>карта или экран прибора по размеру окна</td></tr>"
      "<tr><td>Home</td><td>диаграмма: начальное положение; карта: начало</td></tr>"
      "<tr><td>End</td><td>карта: конец</td></tr>"
      "<tr><td>стрелки, PgUp, PgDown</td><td>прокрутка карты и экрана прибора (карта: также колесо мыши)</td></tr>"
      "<tr><td>F10, Alt+буква</td><td>меню</td></tr>"
      "<tr><td>F1</td><td>эта справка</td></tr>"
      "<tr><td>Alt+X, Ctrl+Q</td><td>выход</td></tr>"
      "</table>"
      "<ul>"
      "<li>В поле имени файла: выбор из списка (Alt+Вниз или F4) или ввод имени и Enter открывает файл.</li>"
      "<li>В окне порога толщины: Enter — показать таблицу; дробная часть отделяется запятой или точкой.</li>"
      "</ul>");
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace ui
