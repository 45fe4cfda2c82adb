#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QMainWindow;

#include "app/window/windowoptions.h"

namespace quotella {

class AnswerPane;
class EditorSync;
class FileSession;
class GridViewPane;
class PrintRoom;
class PuzzleDocument;
class QuotePane;
class RarityColouring;
class RecentPuzzlesMenu;
class SettingsStore;
class ViewCommands;
class WindowRequests;
class WordListPane;
struct ProgramPaths;
struct WordSources;

// What the window's settings reach: the stores they fill and read, the rooms they colour
// and the handlers that show the result.
struct WindowSettingsParts {
  QMainWindow& window;
  WindowRequests& requests;
  PuzzleDocument& doc;
  FileSession& session;
  WordSources& sources;
  SettingsStore& settings;
  AnswerPane& answer;
  WordListPane& lists;
  QuotePane& quote;
  GridViewPane& gridView;
  EditorSync& sync;
  ViewCommands& viewCommands;
  RarityColouring& rarity;
  PrintRoom& print;
  RecentPuzzlesMenu& recent;
  // Runs whenever the settings have been applied to the rooms (the scored lists follow).
  std::function<void()> applied;
};

// Start-up and the settings file as the window sees them: reads the settings, prepares
// the document and chooses the first puzzle; applies the settings to the rooms (colours,
// fonts, files) whenever they are read again; and puts the rooms' state back into the
// settings when the window closes.
class WindowSettings {
 public:
  WindowSettings(const WindowSettingsParts& parts, const QString& programDir);

  void StartUp(const WindowOptions& options, const ProgramPaths& paths);
  void Apply();
  // What General Settings changed, without the settings file being read again: the
  // dictionary folder, the list files, the scored lists, colours and fonts. The puzzle file, the
  // folder, the title and the byline in use stay.
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

  WindowSettingsParts m_p;
  const QString& m_programDir;
};

}  // namespace quotella
