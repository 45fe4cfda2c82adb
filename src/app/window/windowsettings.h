#pragma once

#include <QString>
#include <QStringList>

#include "app/window/windowoptions.h"

namespace quotella {

struct ProgramPaths;
struct WindowParts;

// Start-up and the settings file as the window sees them: reads the settings, prepares
// the document and chooses the first puzzle; applies the settings to the rooms (colours,
// fonts, files) whenever they are read again; and puts the rooms' state back into the
// settings when the window closes.
class WindowSettings {
 public:
  WindowSettings(WindowParts& parts, const QString& programDir);

  void StartUp(const WindowOptions& options, const ProgramPaths& paths);
  void Apply();
  // What General Settings changed, without the settings file being read again: the
  // dictionary folder, the list files, colours and fonts. The puzzle file, the folder, the
  // title and the byline in use stay.
  void ApplyToRooms();
  // The puzzle file and the folder in use into the settings, before they are written.
  void NoteSessionFiles();
  // "Load Ini File" (and a double click on the list label): reads the settings file again
  // and applies it.
  void LoadIniFile1Click();
  // Colours, fonts, files and the recent puzzles into the settings, which are saved.
  void StoreAtClose();

 private:
  void ChooseStartupPuzzle(const QStringList& arguments);

  WindowParts& m_parts;
  const QString& m_programDir;
};

}  // namespace quotella
