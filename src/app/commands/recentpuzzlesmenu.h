#pragma once

#include <QObject>

#include "settings/recentpuzzles.h"

class QMenu;
class QString;

class QMenu;

namespace quotella {

class EditorSync;
class FileSession;
class Host;
class PuzzleCommands;
class PuzzleDocument;
class ViewCommands;
class WindowRequests;

// Open > Recent Puzzles: the last puzzles opened or saved, kept in the settings file.
class RecentPuzzlesMenu : public QObject {
  Q_OBJECT
 public:
  // Puts the submenu into the Open menu, before "Puzzle by Browsing Info".
  RecentPuzzlesMenu(PuzzleDocument& doc, FileSession& session, Host& host,
                    PuzzleCommands& puzzleCommands, EditorSync& sync, ViewCommands& viewCommands,
                    WindowRequests& requests, QMenu& openMenu);

  const RecentPuzzles& puzzles() const { return m_recent; }
  RecentPuzzles& puzzles() { return m_recent; }
  QMenu* menu() const { return m_menu; }
  // Notes the puzzle file in use as the newest recent puzzle.
  void NoteRecentPuzzle();
  // Opens a listed puzzle; a file that is gone leaves the list with a message.
  void OpenRecentPuzzle(const QString& path);

 private:
  PuzzleDocument& m_doc;
  FileSession& m_session;
  Host& m_host;
  PuzzleCommands& m_puzzleCommands;
  EditorSync& m_sync;
  ViewCommands& m_viewCommands;
  WindowRequests& m_requests;
  QMenu& m_openMenu;
  RecentPuzzles m_recent;
  QMenu* m_menu = nullptr;
};

}  // namespace quotella
