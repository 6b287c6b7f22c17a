// TMainForm: the main window with its tool bar, menus, actions, file-name box, header and protocol panels.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "core/datafiles/loaded_file.h"
#include "core/datafiles/reader.h"
#include "core/settings/settings.h"
#include "core/text/numfmt.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/window_state.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class QToolButton;
class QWidget;

namespace ui {

class ThicknessController;
class DefectMapController;
class FlawController;
class ProtocolPanel;
class PrintController;

// What the main window needs from its surroundings: where it started, the locale, the dialogs.
struct StartUp {
  QString startDir;  // the directory terv.ini lives in
  QString programPath;
  QString localeId;  // "00000419" for Russian
  text::NumberFormat numberFormat;
  Dialogs* dialogs = nullptr;  // not owned; QtDialogs when null
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(const StartUp& startUp, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Shared state, owned here.
  settings::Settings& appSettings() { return settings_; }
  Dialogs& dialogs() { return *dialogs_; }
  const text::NumberFormat& numberFormat() const { return numberFormat_; }
  // The loaded file (kind None when nothing has been accepted yet).
  const datafiles::LoadedFile& file() const { return file_; }
  // The full name of the current file: the text of FileNameBox.
  QString currentFileName() const { return currentFileName_; }
  // True while a print job runs; view handlers do nothing then.
  bool printing() const { return printing_; }
  void setPrinting(bool on) { printing_ = on; }

  // Window states.
  void ResetView();
  void applyState(const WindowState& state);
  datafiles::FileKind shownKind() const { return shownKind_; }

  // Opening and closing (also driven by tests).
  void AFileOpenExecute();
  void ACloseFileExecute();
  // A name picked from the list or entered with Enter in FileNameBox.
  void FileNameBoxChange(const QString& text);
  void AReceive_datExecute();
  // Opens a file as the open dialog would have, without the dialog.
  bool openFile(const QString& name);

  // Saves the settings; the work FormClose does.
  void FormClose();

  // Actions (public so that each view's controller connects the ones it serves).
  QAction* AFileOpen = nullptr;
  QAction* ACloseFile = nullptr;
  QAction* APrnt = nullptr;
  QAction* APdf = nullptr;
  QAction* AExit = nullptr;
  QAction* AReceive_dat = nullptr;
  QAction* AShowTable = nullptr;
  QAction* AShowGraph = nullptr;
  QAction* AShowSech = nullptr;
  QAction* AShowLegend = nullptr;
  QAction* AShowPorog = nullptr;
  QAction* ABeginPosition = nullptr;
  QAction* AUpPos = nullptr;
  QAction* AFrPos = nullptr;
  QAction* AIncrease = nullptr;
  QAction* ADecrease = nullptr;
  QAction* AView = nullptr;
  QAction* HelpContents1 = nullptr;
  QAction* ResMn = nullptr;

  // Tool buttons that views press, release, enable or disable.
  QToolBar* ToolBar = nullptr;
  QToolButton* ToolIncBttn = nullptr;
  QToolButton* ToolDecBttn = nullptr;
  QToolButton* ViewToolBtn = nullptr;
  QToolButton* ResToolBtn = nullptr;
  QToolButton* LegBttn = nullptr;
  QToolButton* FrPosBtn = nullptr;
  QToolButton* HDColorBttn = nullptr;
  QToolButton* ADColorBttn = nullptr;
  QComboBox* FileNameBox = nullptr;

  // Colour menu items: index 0..5 = "Фон", "Сетка", "График", "Цифры", "Строб", "Текст"
  // in HDChnMn (HDChnMn1..6) and in HDPopupMenu1 (HDN1, HDN5, HDN2, HDN4, HDN3, HDN6).
  std::array<QAction*, 6> HDChnItems{};
  std::array<QAction*, 6> HDPopupItems{};
  // Defect classes 0..5 = "Объемный дефект", "Объемно-плоскостной", "Плоскостной вдоль",
  // "Плоскостной поперек", "Превышение скорости", "Нарушение контакта", in ADChMn and ADPopupMenu.
  std::array<QAction*, 6> ADChItems{};
  std::array<QAction*, 6> ADPopupItems{};
  QMenu* SetMn = nullptr;
  QMenu* DViewMn = nullptr;
  QMenu* HDChnMn = nullptr;
  QMenu* ADChMn = nullptr;
  QAction* TablMn = nullptr;

  // Header panel.
  QWidget* Panel1 = nullptr;
  QLabel* Datelb = nullptr;
  QLabel* IDDevlb = nullptr;
  QLabel* Bloklb = nullptr;
  QLabel* Templb = nullptr;
  QLabel* Btimelb = nullptr;
  QLabel* Tolshlb = nullptr;
  QLabel* Diamlb = nullptr;
  QLabel* Lenlb = nullptr;
  QLabel* Etimelb = nullptr;
  QLabel* Shovlb = nullptr;
  QLabel* Izdlb = nullptr;
  QLabel* Layerslb = nullptr;
  QLabel* KoorLb = nullptr;
  QLabel* KYLb = nullptr;

  // The views.
  ThicknessController* thickness() { return thickness_.get(); }
  DefectMapController* defectMap() { return defectMap_.get(); }
  FlawController* flaw() { return flaw_.get(); }
  ProtocolPanel* protocol() { return protocol_.get(); }
  PrintController* printer() { return print_.get(); }

 signals:
  // After a file of any kind has been shown (its state set and its view loaded).
  void fileShown();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildActions();
  void buildMenus();
  void buildToolBar();
  void buildCentral();
  void buildHeaderPanel();
  void showByKind();
  void fillHeaderPanel();
  void followDirectory(const QString& name);
  // Opens and checks a file; on refusal shows the reader's messages and the shell's
  // "Открыть невозможно" message (with beforeNotOpen between the name and it).
  bool loadReporting(const QString& name, const QString& beforeNotOpen, datafiles::OpenResult& result);
  bool askSaveProtocol();
  void showHelp();
  void ApplyChartColors();

  settings::Settings settings_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_ = nullptr;
  text::NumberFormat numberFormat_;
  QString programPath_;
  datafiles::LoadedFile file_;
  datafiles::FileKind shownKind_ = datafiles::FileKind::None;
  QString currentFileName_;
  bool printing_ = false;
  bool settingsSaved_ = false;

  QStackedWidget* work_ = nullptr;
  QWidget* emptyPanel_ = nullptr;
  QAction* separator6_ = nullptr;
  QAction* separator16_ = nullptr;
  std::array<QAction*, 2> printSeparators_{};
  QAction* setMnAction_ = nullptr;
  QAction* dViewMnAction_ = nullptr;
  QAction* hdChnMnAction_ = nullptr;
  QAction* adChMnAction_ = nullptr;
  QAction* hdColorBttnAction_ = nullptr;
  QAction* adColorBttnAction_ = nullptr;
  QAction* resToolBtnAction_ = nullptr;
  QAction* legBttnAction_ = nullptr;
  QAction* frPosBtnAction_ = nullptr;

  std::unique_ptr<ThicknessController> thickness_;
  std::unique_ptr<DefectMapController> defectMap_;
  std::unique_ptr<FlawController> flaw_;
  std::unique_ptr<ProtocolPanel> protocol_;
  std::unique_ptr<PrintController> print_;
};

}  // namespace ui
