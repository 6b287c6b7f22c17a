// The list of opened files in FileNameBox: opening, switching and closing, with the protocol question.
#pragma once

#include <QString>
#include <functional>

#include "core/datafiles/loaded_file.h"
#include "core/settings/settings.h"

class QComboBox;

namespace ui {

class Dialogs;
class ProtocolPanel;

class FileSession {
 public:
  // What the window does with the outcome.
  struct Hooks {
    // An accepted file to swap in and show; opened is true for the open dialog, false for a switch or close.
    std::function<void(datafiles::LoadedFile&& file, bool opened)> show;
    // The last file was closed: nothing is shown any more.
    std::function<void()> showNothing;
    // A name picked in the box could not be opened: the header and a thickness view go.
    std::function<void()> switchFailed;
    // A file was opened (not switched to): once per file, the one left on screen last.
    std::function<void(const QString& name)> opened;
  };

  FileSession(QComboBox& box, Dialogs& dialogs, settings::Settings& settings, ProtocolPanel& protocol, Hooks hooks);

  // The full name of the current file: the text of FileNameBox.
  QString currentFileName() const { return current_; }

  // AFileOpenExecute: the save question, the open dialog, then the chosen file.
  void openWithDialog();
  // Opens a file as the open dialog would have; false when refused (or the name is empty).
  bool openFile(const QString& name);
  // Files named on the command line, dropped on the window or picked from the recent files: the
  // save question of the open dialog, then each file in turn as the dialog would open it. All accepted
  // ones enter the list in their order and the first of them is shown; gives how many were accepted.
  int openFiles(const QStringList& names);
  // FileNameBoxChange: a name picked from the list or entered with Enter.
  void switchTo(const QString& name);
  // The next (+1) or previous (-1) entry of the list, as if picked from it; the list wraps round.
  void step(int direction);
  // ACloseFileExecute: the current entry leaves the list and its neighbour is shown.
  void closeCurrent();

 private:
  // Opens and checks a file; on refusal shows the reader's messages and the shell's
  // "Открыть невозможно" message (with beforeNotOpen between the name and it).
  bool load(const QString& name, const QString& beforeNotOpen, datafiles::LoadedFile& file);
  // DataDir follows the directory of an opened file.
  void followDirectory(const QString& name);
  // "Сохранить заключение ?" when the protocol panel is open, before another file replaces it.
  void offerProtocolSave();
  // An accepted file's entry at the end of the list.
  void append(const QString& name);
  // The opened file at the current entry becomes the current file and is shown.
  void showOpened(const QString& name, datafiles::LoadedFile&& file);
  int currentIndex() const;

  QComboBox& box_;
  Dialogs& dialogs_;
  settings::Settings& settings_;
  ProtocolPanel& protocol_;
  Hooks hooks_;
  QString current_;
};

}  // namespace ui
