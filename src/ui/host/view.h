// A view of one file kind as the main window hosts it: its panel, its loading, and what it gives a printout.
#pragma once

namespace printing {
struct PrintSources;
}

class QImage;
class QSize;
class QWidget;

namespace ui {

// Which form the print-mode dialog preselects: what the view has on screen.
struct PrintPreselection {
  bool chart = false;
  bool table = false;
};

class View {
 public:
  virtual ~View() = default;

  // The view's panel, placed by the main window in its work area.
  virtual QWidget* panel() = 0;
  // Draws the loaded file of the view's kind; the window state and header panel are already set.
  virtual void load() = 0;
  // After any file has been shown (or the last one closed): the view lets go of what it no longer shows.
  virtual void fileShown() {}
  // Where the keyboard goes when the view's file is shown: its picture or table, never the file-name box.
  virtual QWidget* focusTarget() { return panel(); }
  // The view's legend window, where it has one.
  virtual void setLegendVisible(bool /*visible*/) {}

  // Printing: what the view adds to a printout of its file, the form it preselects, and
  // what it redraws once the job is done.
  virtual void addPrintSources(printing::PrintSources& /*sources*/) {}
  virtual PrintPreselection printPreselection() const { return {}; }
  virtual void printed() {}

  // The picture the view shows, as the operator sees it; at another size the view draws it
  // anew where it can, else it is scaled.
  virtual QImage shownPicture();
  virtual QImage picture(QSize size);
  // Brings a position of the file (mm along the object) into view, for the statistics window.
  virtual void showPosition(int /*mm*/) {}
};

}  // namespace ui
