// Opening, switching and closing files through the open dialog and FileNameBox.
#include "ui/shell/file_session.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/datafiles/reader.h"
#include "core/text/messages.h"
#include "qt/convert.h"
#include "ui/host/dialogs.h"
#include "ui/protocol/protocol_panel.h"

namespace ui {

using qtx::qs;
using text::Msg;

namespace {

// Arrow and page keys and the wheel would step the box to another file by themselves; the
// operator picks a file from the opened list (Alt+Down, F4 or a click) or types it with Enter.
class BoxStepGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Wheel) return true;
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool step = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
                        key->key() == Qt::Key_PageDown;
      if (step && !(key->modifiers() & Qt::AltModifier)) return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

FileSession::FileSession(QComboBox& box, Dialogs& dialogs, settings::Settings& settings, ProtocolPanel& protocol,
                         Hooks hooks)
    : box_(box), dialogs_(dialogs), settings_(settings), protocol_(protocol), hooks_(std::move(hooks)) {
  // A name is opened when it is picked from the list or confirmed with Enter, not at every keystroke.
  QObject::connect(&box_, qOverload<int>(&QComboBox::activated), &box_,
                   [this](int index) { switchTo(box_.itemText(index)); });
  QObject::connect(box_.lineEdit(), &QLineEdit::returnPressed, &box_, [this] { switchTo(box_.currentText()); });
  auto* guard = new BoxStepGuard(&box_);
  box_.installEventFilter(guard);
  box_.lineEdit()->installEventFilter(guard);
}

void FileSession::followDirectory(const QString& name) {
  QString dir = QFileInfo(name).absolutePath();
  while (dir.size() > 1 && dir.endsWith('/')) dir.chop(1);
  if (dir != qs(settings_.dataDir)) {
    QDir::setCurrent(dir);
    settings_.dataDir = qtx::ss(dir);
  }
}

bool FileSession::load(const QString& name, const QString& beforeNotOpen, datafiles::LoadedFile& file) {
  datafiles::OpenResult r = datafiles::loadDataFile(qtx::ss(name));
  if (r.ok) {
    file = std::move(r.file);
    return true;
  }
  // The reader's own message first, then the shell's.
  for (const auto& msg : datafiles::openRefusal(r, qtx::ss(name), qtx::ss(beforeNotOpen)).messages)
    dialogs_.warning(qs(msg));
  return false;
}

bool FileSession::openFile(const QString& name) {
  // An empty name (a cancelled dialog) is refused without a message.
  if (name.isEmpty()) return false;
  datafiles::LoadedFile file;
  if (!load(name, "\n", file)) return false;
  append(name);
  showOpened(name, std::move(file));
  return true;
}

int FileSession::openFiles(const QStringList& names) {
  offerProtocolSave();
  int accepted = 0;
  int first = -1;  // the entry of the first accepted file
  datafiles::LoadedFile shown;
  for (const QString& name : names) {
    datafiles::LoadedFile file;
    if (name.isEmpty() || !load(name, "\n", file)) continue;
    append(name);
    ++accepted;
    if (first < 0) {
      first = box_.count() - 1;
      shown = std::move(file);
    } else if (hooks_.opened) {
      hooks_.opened(name);
    }
  }
  if (first >= 0) {
    {
      const QSignalBlocker block(&box_);
      box_.setCurrentIndex(first);
    }
    showOpened(box_.itemText(first), std::move(shown));
  }
  return accepted;
}

void FileSession::append(const QString& name) {
  const QSignalBlocker block(&box_);
  box_.addItem(name);
  box_.setCurrentIndex(box_.count() - 1);
}

void FileSession::showOpened(const QString& name, datafiles::LoadedFile&& file) {
  followDirectory(name);
  current_ = name;
  if (hooks_.opened) hooks_.opened(name);
  hooks_.show(std::move(file), true);
}

void FileSession::offerProtocolSave() {
  if (protocol_.isOpen() && dialogs_.askYesNo(qs(text::msg(Msg::savezakl)), qs(text::msg(Msg::saving))))
    protocol_.SaveProtocol(current_);
}

void FileSession::openWithDialog() {
  offerProtocolSave();
  // All four kinds first, then each kind in the unit's order. The reader takes an extension in
  // upper or in lower case only, so the patterns name exactly those two forms.
  const QString filter =
      "Все файлы результатов (*.dtm *.DTM *.dau *.DAU *.dhn *.DHN *.dht *.DHT);;"
      "Ручной дефектоскоп (*.dhn *.DHN);;Ручной толщиномер (*.dht *.DHT);;"
      "Дефектоскоп-автомат (*.dau *.DAU);;Толщиномер-автомат (*.dtm *.DTM)";
  const QStringList chosen = dialogs_.openFiles("Открыть Файл Данных", filter, qs(settings_.dataDir));
  // A cancelled dialog keeps the current file current, so that closing still works.
  if (chosen.isEmpty()) return;
  openFile(chosen.first());
}

void FileSession::switchTo(const QString& name) {
  protocol_.offerSave(current_);
  datafiles::LoadedFile file;
  if (!load(name, "", file)) {
    hooks_.switchFailed();
    // The box shows the file that is still on screen.
    box_.setEditText(current_);
    return;
  }
  current_ = name;
  followDirectory(name);
  hooks_.show(std::move(file), false);
}

void FileSession::step(int direction) {
  const int count = box_.count();
  const int i = currentIndex();
  if (count < 2 || i < 0) return;
  const int next = ((i + direction) % count + count) % count;
  {
    const QSignalBlocker block(&box_);
    box_.setCurrentIndex(next);
  }
  switchTo(box_.itemText(next));
}

int FileSession::currentIndex() const {
  for (int k = 0; k < box_.count(); ++k)
    if (box_.itemText(k).compare(current_, Qt::CaseInsensitive) == 0) return k;
  return box_.currentIndex();
}

void FileSession::closeCurrent() {
  if (current_.isEmpty()) return;
  const int i = currentIndex();
  int next = -1;
  {
    const QSignalBlocker block(&box_);
    if (i >= 0) {
      box_.removeItem(i);
      // The entry that followed moves into place i; after the last one, the one before it.
      next = i < box_.count() ? i : box_.count() - 1;
    }
    box_.setCurrentIndex(next);
    box_.setEditText(next >= 0 ? box_.itemText(next) : QString());
  }
  current_ = box_.currentText();
  if (current_.isEmpty()) {
    hooks_.showNothing();
    return;
  }
  datafiles::LoadedFile file;
  if (load(current_, "", file)) hooks_.show(std::move(file), false);
}

}  // namespace ui
