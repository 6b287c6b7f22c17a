// Reads tervview's command line with QCommandLineParser; the help text is our own, in Russian.
#include "ui/shell/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include "ui/shell/main_form.h"

namespace ui {

namespace {

const char* const kHelp =
    "Использование: tervview [ПАРАМЕТР]... [ФАЙЛ]...\n"
    "Просмотр файлов результатов контроля УИУ «Вертан»: .DTM (толщиномер-автомат),\n"
    ".DAU (дефектоскоп-автомат), .DHN (ручной дефектоскоп), .DHT (ручной толщиномер).\n"
    "\n"
    "Каждый названный файл открывается так же, как из окна «Открыть Файл Данных»;\n"
    "на экране остается первый из открытых, остальные доступны в списке файлов.\n"
    "\n"
    "Параметры:\n"
    "  -h, --help     показать эту справку и выйти\n"
    "  -v, --version  показать версию и выйти\n";

struct Parser {
  QCommandLineParser parser;
  QCommandLineOption help{{"h", "help", "?"}};
  QCommandLineOption version{{"v", "version"}};

  Parser() {
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument("files", "ФАЙЛ...");
  }
};

class OpenAtFirstPaint : public QObject {
 public:
  OpenAtFirstPaint(TMainForm& form, QStringList files) : QObject(&form), form_(form), files_(std::move(files)) {
    form.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      form_.removeEventFilter(this);
      // After the paint: a refusal's message box is not opened from inside it.
      QTimer::singleShot(0, this, [this] {
        form_.openFiles(files_);
        deleteLater();
      });
    }
    return false;
  }

 private:
  TMainForm& form_;
  QStringList files_;
};

}  // namespace

void openAtFirstPaint(TMainForm& form, const QStringList& files) {
  if (!files.isEmpty()) new OpenAtFirstPaint(form, files);
}

bool asksNoWindow(const QStringList& args) {
  Parser p;
  p.parser.parse(args);  // an unknown option may be one of Qt's own: not an error here
  return p.parser.isSet(p.help) || p.parser.isSet(p.version);
}

CommandLine parseCommandLine(const QStringList& args, const QString& currentDir, const QString& version) {
  CommandLine c;
  Parser p;
  const bool ok = p.parser.parse(args);
  if (p.parser.isSet(p.help)) {
    c.finished = true;
    c.out = kHelp;
    return c;
  }
  if (p.parser.isSet(p.version)) {
    c.finished = true;
    c.out = "tervview " + version + "\n";
    return c;
  }
  if (!ok) {
    c.finished = true;
    c.exitCode = 1;
    c.err = "tervview: " + p.parser.errorText() + "\nПодробнее: tervview --help\n";
    return c;
  }
  const QDir dir(currentDir);
  for (const QString& name : p.parser.positionalArguments()) {
    if (!name.isEmpty()) c.files << QDir::cleanPath(dir.absoluteFilePath(name));
  }
  return c;
}

}  // namespace ui
