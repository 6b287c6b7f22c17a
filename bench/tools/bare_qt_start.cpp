// The floor of a text command's start-up: a program linked with tervtool's Qt libraries that
// creates a core application object, asks the locale as tervtool does, and exits.
#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QLocale locale = QLocale::system();
  return locale.decimalPoint().isEmpty() ? 1 : 0;
}
