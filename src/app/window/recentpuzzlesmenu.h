#pragma once

#include <QObject>

#include "settings/recentpuzzles.h"

class QMenu;
class QString;

namespace quotella {

class MainWindow;

// Open > Recent Puzzles: the last puzzles opened or saved, kept in the settings file.
class RecentPuzzlesMenu : public QObject {
  Q_OBJECT
 public:
  // Puts the submenu into the Open menu, before "Puzzle by Browsing Info".
  explicit RecentPuzzlesMenu(MainWindow& window);

  const RecentPuzzles& puzzles() const { return m_recent; }
  RecentPuzzles& puzzles() { return m_recent; }
  QMenu* menu() const { return m_menu; }
  // Notes the puzzle file in use as the newest recent puzzle.
  void NoteRecentPuzzle();
  // Opens a listed puzzle; a file that is gone leaves the list with a message.
  void OpenRecentPuzzle(const QString& path);

 private:
  MainWindow& w;
  RecentPuzzles m_recent;
  QMenu* m_menu = nullptr;
};

}  // namespace quotella
