// TMainForm: the main window. It hosts the views, applies the window state of each file kind and
// serves the views through ViewHost; its parts are built in main_form_parts, the file list in file_session.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "core/datafiles/loaded_file.h"
#include "core/settings/settings.h"
#include "core/text/numfmt.h"
#include "ui/host/dialogs.h"
#include "ui/host/view_host.h"
#include "ui/shell/main_form_parts.h"
#include "ui/shell/window_state.h"

class QLabel;
class QStackedWidget;

namespace ui {

class ThicknessController;
class DefectMapController;
class FlawController;
class ProtocolPanel;
class PrintController;
class ExportController;
class StatsWindow;
class CompareController;
class FileSession;
class WindowMemory;
class RecentFiles;

// What the main window needs from its surroundings: where it started, the locale, the dialogs.
struct StartUp {
  QString startDir;  // the directory terv.ini lives in
  QString programPath;
  QString localeId;  // "00000419" for Russian
  text::NumberFormat numberFormat;
  Dialogs* dialogs = nullptr;  // not owned; QtDialogs when null
  // The user's remembered window, views and recent files (window_memory.h); empty: nothing is remembered.
  QString stateFile;
};

class TMainForm : public QMainWindow, public ViewHost, public MainFormParts {
  Q_OBJECT

 public:
  explicit TMainForm(const StartUp& startUp, QWidget* parent = nullptr);
  ~TMainForm() override;

  // ViewHost.
  const datafiles::LoadedFile& file() const override { return file_; }
  datafiles::FileKind shownKind() const override { return shownKind_; }
  QString currentFileName() const override;
  const text::NumberFormat& numberFormat() const override { return numberFormat_; }
  settings::Settings& appSettings() override { return settings_; }
  Dialogs& dialogs() override { return *dialogs_; }
  const ViewActions& viewActions() const override { return *this; }
  QWidget* hostWindow() override { return this; }
  bool printing() const override { return printing_; }
  void setPrinting(bool on) override { printing_ = on; }
  void setReadoutVisible(bool visible) override;
  bool readoutVisible() const override;
  void setReadout(const QString& coordinate, const QString& value) override;
  void showStatus(const QString& text) override;
  View* fileView() override;
  protocol::ProtocolFields reloadProtocol() override;

  // Window states.
  void ResetView();
  void applyState(const WindowState& state);

  // Opening and closing (also driven by tests).
  void AFileOpenExecute();
  void ACloseFileExecute();
  // A name picked from the list or entered with Enter in FileNameBox.
  void FileNameBoxChange(const QString& text);
  void AReceive_datExecute();
  // Opens a file as the open dialog would have, without the dialog.
  bool openFile(const QString& name);
  // Files named on the command line, dropped on the window or picked from "Последние файлы".
  int openFiles(const QStringList& names);
  // Shows the window where and as large as the last run left it; maximized on a first start.
  void showRemembered();
  RecentFiles* recentFiles() { return recent_; }

  // Saves the settings; the work FormClose does.
  void FormClose();

  // The views.
  ThicknessController* thickness() { return thickness_.get(); }
  DefectMapController* defectMap() { return defectMap_.get(); }
  FlawController* flaw() { return flaw_.get(); }
  ProtocolPanel* protocol() { return protocol_.get(); }
  PrintController* printer() { return print_.get(); }
  ExportController* exports() { return exports_.get(); }
  StatsWindow* stats() { return stats_; }
  CompareController* comparison() { return compare_.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildCentral();
  void connectActions();
  // Swaps in an accepted file and shows it; opened: it came through the open dialog.
  void showFile(datafiles::LoadedFile&& file, bool opened);
  void showNothing();
  // The keyboard goes to the view on screen (or the empty work area), not to the file-name box.
  void focusWorkArea();
  void showByKind();
  void showHelp();
  // The view on screen is about to go: the memory keeps how it was left.
  void noteShownView();
  void saveMemory();

  settings::Settings settings_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_ = nullptr;
  text::NumberFormat numberFormat_;
  QString programPath_;
  datafiles::LoadedFile file_;
  datafiles::FileKind shownKind_ = datafiles::FileKind::None;
  bool printing_ = false;
  bool settingsSaved_ = false;

  // The status line: the file's kind and length, a short body's note, the view's read-out.
  void buildStatusLine();
  void showFileStatus();

  QStackedWidget* work_ = nullptr;
  QLabel* fileStatus_ = nullptr;
  QLabel* noteStatus_ = nullptr;
  QLabel* readoutStatus_ = nullptr;
  QWidget* emptyPanel_ = nullptr;

  std::unique_ptr<ThicknessController> thickness_;
  std::unique_ptr<DefectMapController> defectMap_;
  std::unique_ptr<FlawController> flaw_;
  std::unique_ptr<ProtocolPanel> protocol_;
  std::unique_ptr<PrintController> print_;
  std::unique_ptr<ExportController> exports_;
  StatsWindow* stats_ = nullptr;  // an owned window of the main window
  std::unique_ptr<CompareController> compare_;
  std::unique_ptr<FileSession> session_;
  std::unique_ptr<WindowMemory> memory_;
  RecentFiles* recent_ = nullptr;  // owned by the "Файл" menu
};

}  // namespace ui
