// The viewer's command line: --help and --version, and the result files to open at start.
#pragma once

#include <QString>
#include <QStringList>

namespace ui {

class TMainForm;

struct CommandLine {
  // Set when the program answers on its own and ends: the text for stdout or stderr and the exit code.
  bool finished = false;
  int exitCode = 0;
  QString out;
  QString err;
  // The named files with absolute names: opening one moves the current directory, so a relative
  // name must not depend on the files opened before it.
  QStringList files;
};

// args as the program got them (args[0] the program), relative names taken from currentDir.
// Options Qt handles itself (-platform and the like) must be gone already, except that --help
// and --version are answered whatever else stands beside them.
CommandLine parseCommandLine(const QStringList& args, const QString& currentDir, const QString& version);

// Only --help or --version asks for no window; this is answered before any display is opened.
bool asksNoWindow(const QStringList& args);

// Opens the files in the window once it is first painted: by then the window manager has given the window
// its size, so a map is fitted to the width it is shown at, not refitted (and its remembered zoom lost) a
// moment later. No files: nothing happens, the window starts as always.
void openAtFirstPaint(TMainForm& form, const QStringList& files);

}  // namespace ui
