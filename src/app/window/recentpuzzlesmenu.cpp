#include "app/window/recentpuzzlesmenu.h"

#include <QAction>
#include <QMenu>

#include "app/commands/puzzlecommands.h"
#include "app/commands/viewcommands.h"
#include "app/window/actiontable.h"
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/inforeport.h"
#include "files/puzzlefile.h"
#include "render/qtext.h"

namespace quotella {

RecentPuzzlesMenu::RecentPuzzlesMenu(MainWindow& window) : QObject(&window), w(window) {
  QMenu* open = w.actions().mainMenu(QStringLiteral("&Open"));
  if (!open) return;
  m_menu = new QMenu(QStringLiteral("Recent Puzzles"), &w);
  m_menu->setObjectName(QStringLiteral("RecentPuzzlesMenu"));
  open->insertMenu(w.command(QStringLiteral("PuzzlebyBrowsing1")), m_menu);
  connect(m_menu, &QMenu::aboutToShow, this, [this] {
    m_menu->clear();
    for (const std::string& path : m_recent.Paths()) {
      const QString file = ToQString(path);
      m_menu->addAction(file, this, [this, file] { OpenRecentPuzzle(file); });
    }
    m_menu->setEnabled(!m_recent.Paths().empty());
  });
}

void RecentPuzzlesMenu::NoteRecentPuzzle() {
  // Opening and saving a puzzle make it the last file.
  const std::string& last = w.session().LastFile;
  if (last.empty() || !FileExists(last)) return;
  if (!m_recent.Paths().empty() && m_recent.Paths().front() == last) return;
  m_recent.Add(last);
}

void RecentPuzzlesMenu::OpenRecentPuzzle(const QString& path) {
  const std::string file = ToUtf8(path);
  if (!FileExists(file)) {
    m_recent.Remove(file);
    w.host().Message("Cannot find file " + file);
    return;
  }
  bool opened = false;
  w.m_sync->RunPullPush(
      [this, &file, &opened] { opened = OpenButtonClick(w.doc(), w.session(), file); });
  if (!opened) return;
  w.session().LastFile = file;
  NoteRecentPuzzle();
  w.m_puzzleCommands->NewPuzzleShown();
  w.m_viewCommands->Puzzle3Click();
}

}  // namespace quotella
