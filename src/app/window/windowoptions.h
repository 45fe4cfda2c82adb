#pragma once

#include <QString>
#include <QStringList>

namespace quotella {

class Host;

// How the window starts: its program folder, the command line and the dialogs it uses.
struct WindowOptions {
  QString programDir;       // empty: the folder of the executable
  QStringList arguments;    // command-line arguments after the program name
  Host* dialogs = nullptr;  // null: real dialogs; tests pass a scripted host
  // Register the puzzle-file type with the desktop (off in tests: it writes to the
  // user's data folder).
  bool registerFileType = true;
};

}  // namespace quotella
