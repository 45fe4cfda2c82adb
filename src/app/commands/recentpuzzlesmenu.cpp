#include "app/commands/recentpuzzlesmenu.h"

#include <QAction>
#include <QMenu>

#include "app/commands/editorsync.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/viewcommands.h"
#include "app/window/names.h"
#include "app/window/windowrequests.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/inforeport.h"
#include "files/puzzlefile.h"
#include "render/qtext.h"

namespace quotella {

RecentPuzzlesMenu::RecentPuzzlesMenu(PuzzleDocument& doc, FileSession& session, Host& host,
                                     PuzzleCommands& puzzleCommands, EditorSync& sync,
                                     ViewCommands& viewCommands, WindowRequests& requests,
                                     QMenu& openMenu)
    : m_doc(doc),
      m_session(session),
      m_host(host),
      m_puzzleCommands(puzzleCommands),
      m_sync(sync),
      m_viewCommands(viewCommands),
      m_requests(requests),
      m_openMenu(openMenu) {
  QMenu* open = &m_openMenu;
  m_menu = new QMenu(QStringLiteral("Recent Puzzles"), &m_requests.window());
  m_menu->setObjectName(QStringLiteral("RecentPuzzlesMenu"));
  open->insertMenu(m_requests.command(names::kPuzzleByBrowsing), m_menu);
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
  const std::string& last = m_session.LastFile;
  if (last.empty() || !FileExists(last)) return;
  if (!m_recent.Paths().empty() && m_recent.Paths().front() == last) return;
  m_recent.Add(last);
}

void RecentPuzzlesMenu::OpenRecentPuzzle(const QString& path) {
  const std::string file = ToUtf8(path);
  if (!FileExists(file)) {
    m_recent.Remove(file);
    m_host.Message("Cannot find file " + file);
    return;
  }
  bool opened = false;
  m_sync.RunPullPush([this, &file, &opened] { opened = OpenButtonClick(m_doc, m_session, file); });
  if (!opened) return;
  m_session.LastFile = file;
  NoteRecentPuzzle();
  m_puzzleCommands.NewPuzzleShown();
  m_viewCommands.Puzzle3Click();
}

}  // namespace quotella
